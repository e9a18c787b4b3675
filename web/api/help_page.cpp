// Writes the help page with its figure table filled in: help_page IN OUT.
// The desktop program opens help.html from disk, where the page's script
// cannot load the WebAssembly module that fills the table on the web; its
// copy gets the same rows (help.mjs) written in beforehand.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "presentation/figure_meanings.h"
#include "presentation/figure_table.h"
#include "text/html_text.h"

namespace {

std::string figureRows() {
    std::string rows;
    std::string_view group;
    for (const zova::Figure* figure : zova::FiguresInReadingOrder()) {
        if (zova::GroupName(figure->group) != group) {
            group = zova::GroupName(figure->group);
            rows += "<tr><th colspan=\"2\" scope=\"rowgroup\">" + zova::text::HtmlEscaped(group) + "</th></tr>";
        }
        rows += "<tr><td>" + zova::text::HtmlEscaped(zova::Caption(*figure)) + "</td><td>" +
                zova::text::HtmlEscaped(zova::FigureMeaning(figure->key)) + "</td></tr>";
    }
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: help_page IN OUT\n";
        return 64;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string_view body = "<tbody id=\"figure-rows\">";
    const std::size_t at = page.find(body);
    if (!in || at == std::string::npos) {
        std::cerr << argv[1] << ": no " << body << "\n";
        return 65;
    }
    page.insert(at + body.size(), figureRows());
    std::ofstream out(argv[2], std::ios::binary);
    out << page;
    return out.good() ? 0 : 74;
}
