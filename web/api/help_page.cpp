// Writes the help pages with their figure tables filled in:
//   help_page SOURCE_DIR OUTPUT_DIR
// reads help.html (Chinese) and help-en.html (English) from SOURCE_DIR and
// writes each to OUTPUT_DIR, its table in its own language. The desktop
// program opens the pages from disk, where the page's script cannot load the
// WebAssembly module that fills the table on the web; its copies get the same
// rows (help.mjs) written in beforehand.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "language/language.h"
#include "presentation/figure_meanings.h"
#include "presentation/figure_table.h"
#include "text/html_text.h"

namespace {

// The figures by group, in the language of the moment.
std::string figureRows() {
    std::string rows;
    std::string group;
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

struct HelpPage {
    const char* file;
    zova::Language language;
};
constexpr HelpPage kPages[] = {{"help.html", zova::Language::Chinese}, {"help-en.html", zova::Language::English}};

// 0, or the exit status of what went wrong (reported on stderr).
int writePage(const std::filesystem::path& from, const std::filesystem::path& to, zova::Language language) {
    std::ifstream in(from, std::ios::binary);
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string_view body = "<tbody id=\"figure-rows\">";
    const std::size_t at = page.find(body);
    if (!in || at == std::string::npos) {
        std::cerr << from.string() << ": no " << body << "\n";
        return 65;
    }
    const zova::LanguageScope scope(language);
    page.insert(at + body.size(), figureRows());
    std::ofstream out(to, std::ios::binary);
    out << page;
    if (out.good()) return 0;
    std::cerr << to.string() << ": not written\n";
    return 74;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: help_page SOURCE_DIR OUTPUT_DIR\n";
        return 64;
    }
    const std::filesystem::path source(argv[1]), output(argv[2]);
    for (const HelpPage& page : kPages)
        if (const int status = writePage(source / page.file, output / page.file, page.language); status != 0)
            return status;
    return 0;
}
