#include "catalogue/catalogue.h"

#include <array>
#include <mutex>
#include <stdexcept>
#include <string>

#include "catalogue/catalogue_tables.h"

namespace zova {
namespace {

struct Module1 {
    std::array<CoreRecord, kCatalogueRows> rows{};
    std::int16_t coreCount = 0;
    std::int16_t maxTurns = 0;
};

Module1& module1() {
    static Module1 m;
    return m;
}

std::string_view sizeCodeOf(const std::string& partNo) { return std::string_view(partNo).substr(3, 3); }
std::string_view permCodeOf(const std::string& partNo) { return std::string_view(partNo).substr(6, 3); }

const tables::SizeFigures& figuresFor(std::string_view size) {
    for (const auto& f : tables::sizeFigures())
        if (f.size == size) return f;
    throw std::logic_error("catalogue tables: no figures for size " + std::string(size));
}

float alFor(std::string_view size, std::string_view perm) {
    for (const auto& row : tables::alRows()) {
        if (row.size != size) continue;
        for (std::size_t c = 0; c < std::size(tables::kAlPerms); ++c)
            if (tables::kAlPerms[c] == perm && row.al[c] != 0.0f) return row.al[c];
    }
    throw std::logic_error("catalogue tables: no AL for size " + std::string(size) + " perm " +
                           std::string(perm));
}

template <typename Apply>
void applyExceptions(tables::Field field, Apply apply) {
    auto& rows = module1().rows;
    for (const auto& e : tables::exceptions()) {
        if (e.field != field) continue;
        for (auto& r : rows)
            if (r.PartNo == e.partNo) apply(r, e.value);
    }
}

}  // namespace

std::int16_t CoreCount() { return module1().coreCount; }
std::int16_t MaxTurns() { return module1().maxTurns; }

const CoreRecord& CoreCatalogue(int row) {
    if (row < 1 || row > kCatalogueRows)
        throw std::out_of_range("catalogue row " + std::to_string(row) + " outside 1.." +
                                std::to_string(kCatalogueRows));
    return module1().rows[static_cast<std::size_t>(row - 1)];
}

void FillCoreCatalogue() {
    auto& m = module1();
    m.coreCount = 469;
    m.maxTurns = 350;

    std::size_t n = 0;
    for (const auto& block : tables::seriesBlocks())
        for (const auto size : block.sizes)
            for (const auto perm : block.perms) {
                if (n >= m.rows.size()) throw std::logic_error("catalogue tables: more than 720 rows");
                m.rows[n++].PartNo = std::string(block.series) + std::string(size) + std::string(perm);
            }
    if (n != m.rows.size()) throw std::logic_error("catalogue tables: fewer than 720 rows");

    for (auto& r : m.rows) r.WindowArea = figuresFor(sizeCodeOf(r.PartNo)).windowArea;
    for (auto& r : m.rows) r.PathLength = figuresFor(sizeCodeOf(r.PartNo)).pathLength;
    for (auto& r : m.rows) r.AL = alFor(sizeCodeOf(r.PartNo), permCodeOf(r.PartNo));
    applyExceptions(tables::Field::AL, [](CoreRecord& r, float v) { r.AL = v; });
}

void FillCoreDimensions() {
    auto& m = module1();
    for (auto& r : m.rows) r.CoatedOD = figuresFor(sizeCodeOf(r.PartNo)).coatedOD;
    for (auto& r : m.rows) r.CoatedID = figuresFor(sizeCodeOf(r.PartNo)).coatedID;
    for (auto& r : m.rows) r.CoatedHeight = figuresFor(sizeCodeOf(r.PartNo)).coatedHeight;
    applyExceptions(tables::Field::CoatedID, [](CoreRecord& r, float v) { r.CoatedID = v; });
}

CoreRecord FindCore(std::string_view partNo) {
    for (int n = 1; n <= CoreCount(); ++n) {
        const CoreRecord& row = CoreCatalogue(n);
        if (row.PartNo == partNo) return row;
    }
    return CoreRecord{};
}

bool IsOffered(std::string_view partNo) { return !partNo.empty() && FindCore(partNo).PartNo == partNo; }

void LoadCatalogue() {
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        FillCoreCatalogue();
        FillCoreDimensions();
    });
}

}  // namespace zova
