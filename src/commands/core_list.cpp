#include "commands/core_list.h"

#include "catalogue/catalogue.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {

std::vector<std::string> FilterCoreList(std::string_view searchText) {
    // Only the pattern is upper-cased: part numbers are stored in capitals.
    std::string pattern(searchText);
    for (char& c : pattern)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    std::vector<std::string> items;
    for (int row = 1; row <= CoreCount(); ++row) {
        const std::string& partNo = CoreCatalogue(row).PartNo;
        if (partNo.find(pattern) != std::string::npos) items.push_back(partNo);
    }
    return items;
}

std::string CoreDetailsText(std::string_view listItem) {
    const CoreRecord core = FindCore(text::Trimmed(listItem));
    std::string s;
    s += "磁芯料号：" + std::string(listItem) + "\r";
    s += "涂层后外径：" + text::GeneralForm(core.CoatedOD) + " mm\r";
    s += "涂层后内径：" + text::GeneralForm(core.CoatedID) + " mm\r";
    s += "涂层后高度：" + text::GeneralForm(core.CoatedHeight) + " mm\r";
    s += "电感系数：" + text::GeneralForm(core.AL) + " nH \r";
    s += "有效磁路长度：" + text::Format000(core.PathLength) + " cm";
    return s;
}

std::vector<std::string> CoreDetailsLines(std::string_view listItem) {
    std::vector<std::string> lines;
    const std::string details = CoreDetailsText(listItem);
    for (std::size_t start = 0;;) {
        const std::size_t end = details.find('\r', start);
        lines.push_back(details.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::string CalculatorHelpText() {
    return "磁芯电感量计算步骤：\n\r"
           "1、从左边磁芯料号列表中选择您使用的磁芯\n\r"
           "      （您可以在文本框内输入内容搜索）；\n\r"
           "2、输入绕线圈数；\n\r"
           "3、输入峰值电流；\n\r"
           "4、点击  [计算]  按钮。";
}

}  // namespace zova
