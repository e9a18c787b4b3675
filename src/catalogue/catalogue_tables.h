#pragma once

// The maker's catalogue figures. Every row follows from its part number through
// three tables (which rows exist, per-size values, AL per size and permeability)
// plus a handful of rows where the maker's data departs from them.

#include <span>
#include <string_view>

namespace zova::tables {

struct SeriesBlock {
    std::string_view series;
    std::span<const std::string_view> sizes;  // in row order (226 before 225, except KRB)
    std::span<const std::string_view> perms;  // ascending
};

struct SizeFigures {
    std::string_view size;
    float coatedOD, coatedID, coatedHeight;  // mm
    float pathLength;                        // cm
    float windowArea;                        // cm²
};

// AL by permeability code, column order of kAlPerms; 0 where no series has the core.
inline constexpr std::string_view kAlPerms[] = {"026", "040", "060", "075", "090", "125",
                                                "147", "160", "173", "205", "250"};
struct AlRow {
    std::string_view size;
    float al[std::size(kAlPerms)];
};

enum class Field { CoatedID, AL };

struct Exception {
    std::string_view partNo;
    Field field;
    float value;
};

std::span<const SeriesBlock> seriesBlocks();
std::span<const SizeFigures> sizeFigures();
std::span<const AlRow> alRows();
std::span<const Exception> exceptions();

}  // namespace zova::tables
