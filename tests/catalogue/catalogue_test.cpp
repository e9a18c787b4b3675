// Expected values are the maker's catalogue figures (per-size table, AL table and
// the listed exception rows), held as the nearest single-precision numbers.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct AnchorRow {
    const char* name;
    int row;
    const char* partNo;
};
ZOVA_PRINT_CASE_NAME(AnchorRow)

class AnchorRows : public ::testing::TestWithParam<AnchorRow> {};

TEST_P(AnchorRows, HoldTheirPartNumbers) {
    EXPECT_EQ(CoreCatalogue(GetParam().row).PartNo, GetParam().partNo);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, AnchorRows,
    ::testing::Values(AnchorRow{"first", 1, "KTA014060"}, AnchorRow{"ktaLast226", 133, "KTA226125"},
                      AnchorRow{"ktaFirst225", 134, "KTA225026"}, AnchorRow{"ktaLast", 148, "KTA306125"},
                      AnchorRow{"ktbFirst", 149, "KTB014060"}, AnchorRow{"ktbLast", 350, "KTB306173"},
                      AnchorRow{"kraFirst", 351, "KRA014060"}, AnchorRow{"kraLast", 469, "KRA306090"},
                      AnchorRow{"krbFirst", 470, "KRB014060"}, AnchorRow{"krb050060", 565, "KRB050060"},
                      AnchorRow{"krbLast", 702, "KRB306205"}, AnchorRow{"kwcFirst", 703, "KWC050040"},
                      AnchorRow{"kwcLast", 720, "KWC306040"}, AnchorRow{"kta031026", 34, "KTA031026"},
                      AnchorRow{"ktb031026", 182, "KTB031026"}, AnchorRow{"kta050060", 60, "KTA050060"},
                      AnchorRow{"kra037125", 385, "KRA037125"}, AnchorRow{"krb025125", 494, "KRB025125"},
                      AnchorRow{"kta226090", 132, "KTA226090"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, GlobalNumbers) {
    EXPECT_EQ(CoreCount(), 469);
    EXPECT_EQ(MaxTurns(), 350);
}

TEST(Catalogue, RowCountsPerSeries) {
    std::map<std::string, int> counts;
    std::map<std::string, std::pair<int, int>> span;  // first and last row
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const auto series = CoreCatalogue(r).PartNo.substr(0, 3);
        if (counts[series]++ == 0) span[series].first = r;
        span[series].second = r;
    }
    const std::map<std::string, int> expected{{"KTA", 148}, {"KTB", 202}, {"KRA", 119}, {"KRB", 233}, {"KWC", 18}};
    EXPECT_EQ(counts, expected);
    // Series are contiguous blocks: last - first + 1 == count.
    for (const auto& [series, n] : counts) EXPECT_EQ(span[series].second - span[series].first + 1, n) << series;
}

TEST(Catalogue, PartNumbersAreNineCharactersAndUnique) {
    std::set<std::string> seen;
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const auto& p = CoreCatalogue(r).PartNo;
        EXPECT_EQ(p.size(), 9u) << "row " << r;
        EXPECT_TRUE(seen.insert(p).second) << "duplicate " << p;
    }
}

TEST(Catalogue, SizesAndPermeabilitiesInRowOrder) {
    // Within a series, sizes ascend except that 226 precedes 225 (KRB: the
    // reverse); within a size, permeability codes ascend.
    auto sizeRank = [](const std::string& series, const std::string& size) {
        if (series != "KRB" && size == "226") return 225 * 10 - 1;
        return std::stoi(size) * 10;
    };
    for (int r = 2; r <= kCatalogueRows; ++r) {
        const auto& a = CoreCatalogue(r - 1).PartNo;
        const auto& b = CoreCatalogue(r).PartNo;
        if (a.substr(0, 3) != b.substr(0, 3)) continue;
        const int ra = sizeRank(a.substr(0, 3), a.substr(3, 3));
        const int rb = sizeRank(b.substr(0, 3), b.substr(3, 3));
        if (ra == rb) {
            EXPECT_LT(a.substr(6), b.substr(6)) << "rows " << r - 1 << ", " << r;
        } else {
            EXPECT_LT(ra, rb) << "rows " << r - 1 << ", " << r;
        }
    }
}

TEST(Catalogue, SizeOrderAroundTwoTwentyFive) {
    EXPECT_EQ(CoreCatalogue(129).PartNo, "KTA226026");
    EXPECT_EQ(CoreCatalogue(138).PartNo, "KTA225125");
    int krb225 = 0, krb226 = 0;
    for (int r = 470; r <= 702; ++r) {
        if (CoreCatalogue(r).PartNo == "KRB225026") krb225 = r;
        if (CoreCatalogue(r).PartNo == "KRB226026") krb226 = r;
    }
    EXPECT_GT(krb225, 0);
    EXPECT_LT(krb225, krb226);
}

struct RowValues {
    const char* name;
    int row;
    const char* partNo;
    float windowArea, pathLength, al, od, id, height;
};
ZOVA_PRINT_CASE_NAME(RowValues)

class RowFigures : public ::testing::TestWithParam<RowValues> {};

TEST_P(RowFigures, MatchTheMakersFigures) {
    const auto& v = GetParam();
    const CoreRecord& r = CoreCatalogue(v.row);
    EXPECT_EQ(r.PartNo, v.partNo);
    EXPECT_EQ(r.WindowArea, v.windowArea);
    EXPECT_EQ(r.PathLength, v.pathLength);
    EXPECT_EQ(r.AL, v.al);
    EXPECT_EQ(r.CoatedOD, v.od);
    EXPECT_EQ(r.CoatedID, v.id);
    EXPECT_EQ(r.CoatedHeight, v.height);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RowFigures,
    ::testing::Values(
        RowValues{"row1", 1, "KTA014060", 0.018f, 0.817f, 13, 3.76f, 1.52f, 1.73f},
        RowValues{"idExceptionRow2", 2, "KTA014075", 0.018f, 0.817f, 16, 3.76f, 1.58f, 1.73f},
        RowValues{"idExceptionRow4", 4, "KTA014125", 0.018f, 0.817f, 26, 3.76f, 1.58f, 1.73f},
        RowValues{"ktbNoIdException", 151, "KTB014090", 0.018f, 0.817f, 19, 3.76f, 1.52f, 1.73f},
        RowValues{"idException031", 34, "KTA031026", 0.0922f, 1.787f, 11, 8.51f, 3.43f, 3.81f},
        RowValues{"idException031Last", 38, "KTA031125", 0.0922f, 1.787f, 52, 8.51f, 3.43f, 3.81f},
        RowValues{"ktb031NoException", 182, "KTB031026", 0.0922f, 1.787f, 11, 8.51f, 3.34f, 3.81f},
        RowValues{"krb050060", 565, "KRB050060", 0.383f, 3.12f, 27, 13.46f, 6.99f, 5.51f},
        RowValues{"alExceptionKrb", 494, "KRB025125", 0.0412f, 1.361f, 52, 6.99f, 2.29f, 3.43f},
        RowValues{"kta025125", 18, "KTA025125", 0.0412f, 1.361f, 50, 6.99f, 2.29f, 3.43f},
        RowValues{"ktb025125", 166, "KTB025125", 0.0412f, 1.361f, 50, 6.99f, 2.29f, 3.43f},
        RowValues{"alExceptionKta226", 132, "KTA226090", 5.14f, 12.5f, 207, 58.04f, 25.58f, 16.13f},
        RowValues{"ktb226090", 322, "KTB226090", 5.14f, 12.5f, 206, 58.04f, 25.58f, 16.13f},
        RowValues{"kra226090", 457, "KRA226090", 5.14f, 12.5f, 206, 58.04f, 25.58f, 16.13f},
        RowValues{"ktb130060", 264, "KTB130060", 2.93f, 8.15f, 61, 33.83f, 19.3f, 11.61f},
        RowValues{"kra306090", 469, "KRA306090", 18.06f, 19.61f, 128, 78.94f, 47.96f, 17.15f},
        RowValues{"kta300026", 139, "KTA300026", 18.06f, 19.61f, 30, 78.94f, 47.96f, 13.97f},
        RowValues{"kwcLast", 720, "KWC306040", 18.06f, 19.61f, 57, 78.94f, 47.96f, 17.15f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, OnlyTheListedRowsDepartFromTheirSize) {
    // Rows of one size share every per-size field, but for the listed CoatedID rows.
    const std::set<std::string> idExceptions{"KTA014075", "KTA014090", "KTA014125", "KTA031026",
                                             "KTA031060", "KTA031075", "KTA031090", "KTA031125"};
    std::map<std::string, CoreRecord> bySize;
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const CoreRecord& c = CoreCatalogue(r);
        const auto size = c.PartNo.substr(3, 3);
        if (idExceptions.count(c.PartNo) != 0) continue;
        auto [it, fresh] = bySize.emplace(size, c);
        if (fresh) continue;
        const CoreRecord& first = it->second;
        EXPECT_EQ(c.WindowArea, first.WindowArea) << c.PartNo;
        EXPECT_EQ(c.PathLength, first.PathLength) << c.PartNo;
        EXPECT_EQ(c.CoatedOD, first.CoatedOD) << c.PartNo;
        EXPECT_EQ(c.CoatedID, first.CoatedID) << c.PartNo;
        EXPECT_EQ(c.CoatedHeight, first.CoatedHeight) << c.PartNo;
    }
    EXPECT_EQ(bySize.size(), 30u);
}

TEST(Catalogue, SameSizeAndPermeabilityShareAl) {
    const std::set<std::string> alExceptions{"KRB025125", "KTA226090"};
    std::map<std::string, float> al;
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const CoreRecord& c = CoreCatalogue(r);
        EXPECT_GT(c.AL, 0.0f) << c.PartNo;
        if (alExceptions.count(c.PartNo) != 0) continue;
        auto [it, fresh] = al.emplace(c.PartNo.substr(3), c.AL);
        if (!fresh) {
            EXPECT_EQ(c.AL, it->second) << c.PartNo;
        }
    }
}

TEST(Catalogue, RowAccessOutsideTheTableThrows) {
    EXPECT_THROW(CoreCatalogue(0), std::out_of_range);
    EXPECT_THROW(CoreCatalogue(721), std::out_of_range);
}

struct FindCase {
    const char* name;
    const char* text;
    int row;  // 0: the all-zero record
};
ZOVA_PRINT_CASE_NAME(FindCase)

class FindCoreCases : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindCoreCases, ReturnsACopyOfTheRowOrTheZeroRecord) {
    const auto& c = GetParam();
    const CoreRecord found = FindCore(c.text);
    if (c.row == 0) {
        EXPECT_EQ(found, CoreRecord{});
    } else {
        EXPECT_EQ(found, CoreCatalogue(c.row));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, FindCoreCases,
    ::testing::Values(FindCase{"exact", "KTA050060", 60}, FindCase{"firstRow", "KTA014060", 1},
                      FindCase{"lastOffered", "KRA306090", 469}, FindCase{"lowerCase", "kta050060", 0},
                      FindCase{"leadingBlank", " KTA050060", 0}, FindCase{"trailingBlank", "KTA050060 ", 0},
                      FindCase{"empty", "", 0}, FindCase{"prefixOnly", "KTA05006", 0},
                      FindCase{"krbNotOffered", "KRB050060", 0}, FindCase{"kwcNotOffered", "KWC306040", 0},
                      FindCase{"firstKrbRow", "KRB014060", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, NoOfferedLookupReachesRowsBeyondCoreCount) {
    for (int r = CoreCount() + 1; r <= kCatalogueRows; ++r)
        EXPECT_EQ(FindCore(CoreCatalogue(r).PartNo), CoreRecord{}) << "row " << r;
}

}  // namespace
}  // namespace zova
