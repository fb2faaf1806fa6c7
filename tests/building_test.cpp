// The block load of several spaces: hour-by-hour sums, counts, the coincident peak against the
// spaces' own peaks, and the sets of spaces it refuses.
#include "building/Building.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "building/BlockSummaryDrawing.h"
#include "document/QuarnDoc.h"
#include "draw/FontMetrics.h"
#include "draw/RecordingCanvas.h"
#include "support/TestSupport.h"
#include "views/ViewDrawing.h"

namespace {

constexpr double kPi = 3.14159265358979;

// A space whose sensible loads follow the sun around one wall: a bell around peakHour, larger
// in summer, plus a steady interior part and people; totals as the engine forms them.
std::shared_ptr<CQuarnDoc> Space(IUserMessages& messages, int peakHour, double scale,
                                 int station = 7) {
    auto d = std::make_shared<CQuarnDoc>(messages);
    d->m_bGeneralDataSupplied = 1;
    d->m_nCityIndex = station;
    d->m_strCityName = "Testville";
    d->m_nOutputUnits = kEnglishUnitsCode;
    for (int h = 1; h <= 24; ++h) {
        d->m_tblLights[h][1] = 0.5 * scale;
        d->m_tblPeopleSens[h][1] = 0.2 * scale;
        d->m_tblPeopleLat[h][1] = 0.15 * scale;
        for (int m = 1; m <= 12; ++m) {
            const double season = 1 + 0.5 * std::cos((m - 7) * kPi / 6);
            const double bell = std::exp(-0.5 * (h - peakHour) * (h - peakHour) / 4.0);
            d->m_tblGlassSolarAll[h][m] = scale * season * 3 * bell;
            d->m_tblWallAll[h][m] = scale * season * 0.4 * bell;
            d->m_tblVentSens[h][m] = 0.3 * season * scale;
            d->m_tblVentLat[h][m] = 0.2 * season * scale;
            d->CalcRoomTotals(h, m);
            d->CalcGrandTotal(h, m);
        }
    }
    for (int i = 0; i < kHeatLossItemCount; ++i) d->m_dHeatLoss[i] = 100.0 * (i + 1) * scale;
    d->m_dVentCFM = 250 * scale;
    return d;
}

CBuilding Make(std::vector<BuildingSpace> spaces) {
    std::string error;
    std::optional<CBuilding> b = CBuilding::Make("Test", std::move(spaces), error);
    EXPECT_TRUE(b.has_value()) << error;
    return *b;
}

std::string Refusal(std::vector<BuildingSpace> spaces) {
    std::string error;
    EXPECT_FALSE(CBuilding::Make("Test", std::move(spaces), error).has_value());
    EXPECT_FALSE(error.empty());
    return error;
}

struct BuildingTest : ::testing::Test {
    CRecordingMessages messages;
    std::shared_ptr<CQuarnDoc> east = Space(messages, 9, 1.0);
    std::shared_ptr<CQuarnDoc> west = Space(messages, 16, 1.2);
};

TEST_F(BuildingTest, OneSpaceIsThatSpace) {
    const CBuilding b = Make({{east, "East", 1}});
    for (const LoadItemBinding& binding : LoadItemBindings()) {
        for (int h = 1; h <= 24; ++h) {
            for (int m = 1; m <= 12; ++m) {
                ASSERT_EQ(b.Tons(binding.item, h, m), LoadItemTons(*east, h, m, binding.item))
                    << static_cast<int>(binding.item) << " " << h << " " << m;
            }
        }
    }
    const PeakResult own =
        FindPeak([this](int h, int m) { return LoadItemTons(*east, h, m, LoadItem::kTotal); });
    EXPECT_EQ(b.Peak().nMaxHour, own.nMaxHour);
    EXPECT_EQ(b.Peak().nMaxMonth, own.nMaxMonth);
    EXPECT_EQ(b.Peak().dMax, own.dMax);
    EXPECT_EQ(b.SumOfPeaks(), own.dMax);
    EXPECT_EQ(b.DiversityRatio(), 1.0);
    EXPECT_EQ(b.SpacePeaks().at(0).dTonsAtBlockPeak, own.dMax);
    EXPECT_DOUBLE_EQ(b.HeatingTotal(), 100.0 * (1 + 13) * 13 / 2);
    EXPECT_EQ(b.VentilationCfm(), 250);
}

TEST_F(BuildingTest, CountsMultiplyAndRepeatedSpacesAdd) {
    const CBuilding single = Make({{east, "East", 1}});
    const CBuilding three = Make({{east, "East", 3}});
    const CBuilding twice = Make({{east, "East", 1}, {east, "East", 1}});
    const CBuilding two = Make({{east, "East", 2}});
    for (const LoadItemBinding& binding : LoadItemBindings()) {
        for (int h = 1; h <= 24; ++h) {
            for (int m = 1; m <= 12; ++m) {
                ASSERT_DOUBLE_EQ(three.Tons(binding.item, h, m),
                                 3 * single.Tons(binding.item, h, m));
                ASSERT_DOUBLE_EQ(twice.Tons(binding.item, h, m), two.Tons(binding.item, h, m));
            }
        }
    }
    EXPECT_DOUBLE_EQ(three.Peak().dMax, 3 * single.Peak().dMax);
    EXPECT_DOUBLE_EQ(three.SumOfPeaks(), 3 * single.SumOfPeaks());
    EXPECT_DOUBLE_EQ(*three.DiversityRatio(), 1.0);
    EXPECT_DOUBLE_EQ(twice.SumOfPeaks(), two.SumOfPeaks());
    EXPECT_DOUBLE_EQ(three.HeatingTotal(), 3 * single.HeatingTotal());
    EXPECT_DOUBLE_EQ(three.VentilationCfm(), 750);
}

TEST_F(BuildingTest, EastAndWestPeakApartSoTheBlockPeakIsBelowTheSum) {
    const CBuilding b = Make({{east, "East", 2}, {west, "West", 1}});
    // The block's tables are the members' cells added up, hour by hour.
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) {
            ASSERT_DOUBLE_EQ(b.Tons(LoadItem::kTotal, h, m),
                             2 * east->m_tblTotal[h][m] + west->m_tblTotal[h][m]);
            ASSERT_DOUBLE_EQ(b.Tons(LoadItem::kLights, h, m),
                             2 * east->m_tblLights[h][1] + west->m_tblLights[h][1]);
            ASSERT_DOUBLE_EQ(b.Tons(LoadItem::kRoomLatent, h, m),
                             2 * east->m_tblRoomLatent[h][m] + west->m_tblRoomLatent[h][m]);
        }
    }
    const std::vector<SpacePeak>& peaks = b.SpacePeaks();
    EXPECT_EQ(peaks[0].nHour, 9);
    EXPECT_EQ(peaks[1].nHour, 16);
    EXPECT_EQ(peaks[0].nMonth, 7);
    EXPECT_DOUBLE_EQ(peaks[0].dTons, 2 * east->m_tblTotal[9][7]);
    EXPECT_LT(b.Peak().dMax, b.SumOfPeaks());
    EXPECT_LT(*b.DiversityRatio(), 1.0);
    EXPECT_DOUBLE_EQ(peaks[0].dTonsAtBlockPeak + peaks[1].dTonsAtBlockPeak, b.Peak().dMax);
    // No cell of the sum beats the block peak.
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) ASSERT_LE(b.Tons(LoadItem::kTotal, h, m), b.Peak().dMax);
    }
}

TEST_F(BuildingTest, RefusesSetsThatCannotBeAdded) {
    EXPECT_NE(Refusal({}).find("at least one space"), std::string::npos);

    const auto elsewhere = Space(messages, 12, 1.0, 8);
    const std::string stations = Refusal({{east, "East", 1}, {elsewhere, "Far Away", 1}});
    EXPECT_NE(stations.find("\"East\""), std::string::npos) << stations;
    EXPECT_NE(stations.find("\"Far Away\""), std::string::npos) << stations;

    auto blank = Space(messages, 12, 1.0);
    blank->m_bGeneralDataSupplied = 0;
    const std::string general = Refusal({{east, "East", 1}, {blank, "Blank", 1}});
    EXPECT_NE(general.find("\"Blank\""), std::string::npos) << general;
    EXPECT_NE(general.find("general"), std::string::npos) << general;

    EXPECT_NE(Refusal({{east, "East", 0}}).find("\"East\""), std::string::npos);
}

TEST_F(BuildingTest, SpacesWithoutAStationMatchByTheirDesignClimate) {
    auto a = Space(messages, 9, 1.0, 0);
    auto b = Space(messages, 16, 1.0, 0);
    a->m_dLatitude = b->m_dLatitude = 40;
    a->m_dOutsideDBCool = b->m_dOutsideDBCool = 95;
    std::string error;
    EXPECT_TRUE(CBuilding::Make("T", {{a, "A", 1}, {b, "B", 1}}, error).has_value()) << error;
    b->m_dDailyRange = 20;
    EXPECT_FALSE(CBuilding::Make("T", {{a, "A", 1}, {b, "B", 1}}, error).has_value());
    b->m_dDailyRange = a->m_dDailyRange;
    b->m_dLatitude = 41;
    EXPECT_FALSE(CBuilding::Make("T", {{a, "A", 1}, {b, "B", 1}}, error).has_value());
    // A station and no station are two climates.
    EXPECT_FALSE(CBuilding::Make("T", {{a, "A", 1}, {east, "East", 1}}, error).has_value());
}

TEST_F(BuildingTest, SummaryAndTableInEitherUnitSystem) {
    const CBuilding b = Make({{east, "East", 2}, {west, "West", 1}});
    const std::string english = BlockSummaryText(b, UnitSystem::kEnglish);
    const std::string metric = BlockSummaryText(b, UnitSystem::kMetric);
    auto line = [](double v, const char* unit) {
        char text[64];
        std::snprintf(text, sizeof text, "\t%.2f %s\n", v, unit);
        return std::string(text);
    };
    EXPECT_NE(english.find("Block Peak:" + line(b.Peak().dMax, "Ton")), std::string::npos)
        << english;
    EXPECT_NE(metric.find("Block Peak:" + line(b.Peak().dMax * 3.52, "kW")), std::string::npos)
        << metric;
    EXPECT_NE(metric.find("Ventilation Air:" + line(b.VentilationCfm() / 2.1186, "L/s")),
              std::string::npos)
        << metric;
    EXPECT_NE(metric.find("Block Heating Load:" + line(b.HeatingTotal() / 3.4127, "W")),
              std::string::npos)
        << metric;
    EXPECT_NE(english.find("East\t2\tJuly\t9:00 AM\t"), std::string::npos) << english;
    EXPECT_NE(english.find("West\t1\tJuly\t4:00 PM\t"), std::string::npos) << english;

    // The table's copy text: title, building, header and 24 hours, cells in kW as drawn.
    const std::string table = BlockTableText(b, UnitSystem::kMetric);
    EXPECT_EQ(table.substr(0, table.find("\n\nHour\tJan")), "Block Total Cooling Load - kW\nTest");
    const size_t row = table.find("\n16.00\t");
    ASSERT_NE(row, std::string::npos) << table;
    EXPECT_NEAR(std::stod(table.substr(row + 7)), b.Tons(LoadItem::kTotal, 16, 1) * 3.52, 0.005);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 3 + 1 + 24);
}

// The block of one space draws its table and graph call for call as the space's own Total
// Cooling Load table and graph, titles apart: the same drawing code, fed the block's sums.
TEST_F(BuildingTest, BlockTableAndGraphOfOneSpaceDrawAsTheSpacesOwn) {
    east->m_strProjectName = "Test";
    for (int r = 0; r <= 24; ++r) east->m_tblTotal[r][0] = r;  // the headers a project stores
    for (int c = 0; c <= 12; ++c) east->m_tblTotal[0][c] = c;
    const CBuilding b = Make({{east, "East", 1}});
    for (const bool printing : {false, true}) {
        ViewPage page;
        page.nClientWidth = 900;
        page.nClientHeight = 600;
        auto same = [&](const CRecordingCanvas& own, const CRecordingCanvas& block) {
            ASSERT_EQ(own.calls.size(), block.calls.size());
            int titles = 0;
            for (size_t i = 0; i < own.calls.size(); ++i) {
                const CRecordingCanvas::Call& a = own.calls[i];
                const CRecordingCanvas::Call& c = block.calls[i];
                if (a.text != c.text) {
                    EXPECT_EQ("Block " + a.text, c.text);
                    ++titles;
                }
                EXPECT_EQ(std::tie(a.x1, a.y1, a.x2, a.y2, a.pen.r, a.font.nHeight),
                          std::tie(c.x1, c.y1, c.x2, c.y2, c.pen.r, c.font.nHeight))
                    << i << " " << a.text;
            }
            EXPECT_GE(titles, 1);
        };
        CRecordingCanvas ownTable(printing), blockTable(printing);
        const DrawResult own = DrawTable(*east, 101, ownTable, page);
        const DrawResult block = DrawBlockTable(b, UnitSystem::kEnglish, blockTable, page);
        same(ownTable, blockTable);
        EXPECT_EQ("Block " + own.strCopyText, block.strCopyText);
        EXPECT_EQ(block.strCopyText, BlockTableText(b, UnitSystem::kEnglish));

        CRecordingCanvas ownGraph(printing), blockGraph(printing);
        DrawGraph(*east, 1, ownGraph, page);
        EXPECT_EQ(DrawBlockGraph(b, UnitSystem::kEnglish, blockGraph, page).copy,
                  DrawResult::Copy::kNothing);
        same(ownGraph, blockGraph);
    }
}

// Drawn, the summary shows every field of its text once, inside the page; printed, its pages
// share the lines out without losing or repeating one.
TEST_F(BuildingTest, DrawnSummaryShowsItsTextOnScreenAndOverThePrintedPages) {
    const CBuilding b = Make({{east, "East Perimeter Offices", 2}, {west, "West", 1}});
    const std::string text = BlockSummaryText(b, UnitSystem::kMetric);
    std::vector<std::string> fields;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find_first_of("\t\n", start);
        if (end > start) fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    auto drawnTexts = [](const CRecordingCanvas& canvas, int width) {
        std::vector<std::string> texts;
        for (const CRecordingCanvas::Call& call : canvas.calls) {
            if (call.op != CRecordingCanvas::Op::kText) continue;
            texts.push_back(call.text);
            const int w = MeasureText(call.font, call.text).cx;
            const bool right = (call.align & kAlignRight) != 0;
            EXPECT_GE(right ? call.x1 - w : call.x1, 0) << call.text;
            EXPECT_LE(right ? call.x1 : call.x1 + w, width) << call.text;
        }
        return texts;
    };

    ViewPage screen;
    screen.nClientWidth = 1000;
    screen.nClientHeight = 700;
    CRecordingCanvas canvas;
    canvas.UseFontMetrics();
    const DrawResult drawn = DrawBlockSummary(b, UnitSystem::kMetric, canvas, screen);
    EXPECT_EQ(drawn.copy, DrawResult::Copy::kText);
    EXPECT_EQ(drawn.strCopyText, text);
    EXPECT_EQ(drawnTexts(canvas, 1000), fields);
    EXPECT_EQ(drawn.sizes.nTotalWidth, 1000);
    EXPECT_EQ(drawn.sizes.nTotalHeight, 700);  // the lines fit: nothing to scroll past them

    // In a narrow window the columns keep apart and the scroll reaches the widest line.
    ViewPage narrow;
    narrow.nClientWidth = 250;
    narrow.nClientHeight = 200;
    CRecordingCanvas squeezed;
    squeezed.UseFontMetrics();
    const DrawResult tight = DrawBlockSummary(b, UnitSystem::kMetric, squeezed, narrow);
    EXPECT_EQ(drawnTexts(squeezed, tight.sizes.nTotalWidth), fields);
    int lowest = 0;
    std::map<int, std::vector<std::pair<int, int>>> lines;  // y: [left, right) of each text
    for (const CRecordingCanvas::Call& call : squeezed.calls) {
        if (call.op != CRecordingCanvas::Op::kText) continue;
        const int w = MeasureText(call.font, call.text).cx;
        const int left = (call.align & kAlignRight) != 0 ? call.x1 - w : call.x1;
        lines[call.y1].push_back({left, left + w});
        lowest = std::min(lowest, call.y1);
    }
    for (auto& [y, spans] : lines) {
        std::sort(spans.begin(), spans.end());
        for (size_t i = 1; i < spans.size(); ++i)
            EXPECT_GT(spans[i].first, spans[i - 1].second) << "line at " << y;
    }
    EXPECT_GE(tight.sizes.nTotalHeight, -lowest);
    EXPECT_LT(tight.sizes.nTotalHeight, -lowest + 3 * 16);

    ViewPage printed;
    printed.nPrintHeight = 300;  // a short page, so that the summary takes several
    const int pages = BlockSummaryPages(b, UnitSystem::kMetric, printed);
    EXPECT_GT(pages, 1);
    EXPECT_LE(pages, 3);
    std::vector<std::string> all;
    for (printed.nPageNumber = 1; printed.nPageNumber <= pages; ++printed.nPageNumber) {
        CRecordingCanvas paper(true);
        paper.UseFontMetrics();
        DrawBlockSummary(b, UnitSystem::kMetric, paper, printed);
        const std::vector<std::string> texts = drawnTexts(paper, kPrintPageWidth);
        EXPECT_FALSE(texts.empty()) << printed.nPageNumber;
        all.insert(all.end(), texts.begin(), texts.end());
    }
    EXPECT_EQ(all, fields);
}

}  // namespace
