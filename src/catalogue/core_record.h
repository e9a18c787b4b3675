#pragma once

#include <string>

namespace zova {

// One toroidal core of the catalogue. A plain value: lookups hand out copies.
// Units: WindowArea cm², PathLength cm, AL nH/turn², coated dimensions mm.
struct CoreRecord {
    std::string PartNo;  // SeriesCode (3 letters) + SizeCode (3 digits) + PermCode (3 digits)
    float WindowArea = 0.0f;
    float PathLength = 0.0f;
    float AL = 0.0f;
    float CoatedOD = 0.0f;
    float CoatedID = 0.0f;
    float CoatedHeight = 0.0f;

    friend bool operator==(const CoreRecord&, const CoreRecord&) = default;
};

}  // namespace zova
