#include "text/csv_record.h"

namespace zova::text {

std::string CsvRecord(std::span<const std::string> fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (const char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += '\n';
    return out;
}

}  // namespace zova::text
