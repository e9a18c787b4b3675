#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/core_record.h"

namespace zova {

// Rows the table holds. Only rows 1..CoreCount() (series KTA, KTB, KRA) are
// offered to the user; KRB and KWC rows are kept but never listed or found.
inline constexpr int kCatalogueRows = 720;

// The process-wide catalogue. Filled once at start-up by LoadCatalogue() (the
// two fills below, in that order); read-only afterwards. Before the fill every row is
// the all-zero record and both numbers are 0.
std::int16_t CoreCount();  // 469 once filled
std::int16_t MaxTurns();   // 350 once filled: turn limit of the core selection

// Row access, numbered from 1. Throws std::out_of_range outside 1..720.
const CoreRecord& CoreCatalogue(int row);

void FillCoreCatalogue();   // counts, PartNo, WindowArea, PathLength, AL
void FillCoreDimensions();  // CoatedOD, CoatedID, CoatedHeight

// Both fills, exactly once per process however often and from however many
// threads it is called: what every program calls before its first look-up.
void LoadCatalogue();

// Whether partNo is exactly the part number of an offered row (1..CoreCount()).
bool IsOffered(std::string_view partNo);

// A copy of the first of rows 1..CoreCount() whose PartNo equals partNo exactly
// (case-sensitive, no trimming), or the all-zero record.
CoreRecord FindCore(std::string_view partNo);

}  // namespace zova
