// Drawing and reading a view only reads the project; showing a kind changes exactly the members
// the project file keeps for the shown view. And the load items add up to the totals the
// summary report prints beside them.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "document/ProjectFile.h"
#include "draw/RecordingCanvas.h"
#include "input/ProjectDescription.h"
#include "paths/InstallDir.h"
#include "support/NewProjectTest.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {

// Every drawing call with every field, so two drawings compare as text.
std::string Recording(const CRecordingCanvas& canvas) {
    std::string s;
    for (const CRecordingCanvas::Call& c : canvas.calls) {
        s += std::to_string(static_cast<int>(c.op)) + " " + std::to_string(c.x1) + " " +
             std::to_string(c.y1) + " " + std::to_string(c.x2) + " " + std::to_string(c.y2) + " " +
             std::to_string(c.font.nHeight) + " " + std::to_string(c.font.nWeight) + " " +
             std::to_string(c.font.bUnderline) + " " + std::to_string(c.font.nEscapement) + " " +
             c.font.strFace + " " + std::to_string(c.pen.r) + " " + std::to_string(c.pen.g) + " " +
             std::to_string(c.pen.b) + " " + std::to_string(c.pen.nWidth) + " " +
             std::to_string(c.align) + " " + c.text + "\n";
    }
    return s;
}

std::string Describe(const DrawResult& r) {
    const ScrollSizes& s = r.sizes;
    return std::to_string(s.nTotalWidth) + " " + std::to_string(s.nTotalHeight) + " " +
           std::to_string(s.nPageWidth) + " " + std::to_string(s.nPageHeight) + " " +
           std::to_string(s.nLineWidth) + " " + std::to_string(s.nLineHeight) + " " +
           std::to_string(static_cast<int>(r.copy)) + "\n" + r.strCopyText;
}

// The drawing of a kind on screen and on every printed page, as text.
std::string DrawEverywhere(const CQuarnDoc& doc, int kind, DrawResult& screenResult) {
    CRecordingCanvas screen;
    screenResult = DrawView(doc, kind, screen, ViewPage{1000, 700});
    std::string all = Recording(screen) + Describe(screenResult);
    for (int page = 1; page <= 3; ++page) {
        CRecordingCanvas printer(true, true);
        const DrawResult printed =
            DrawView(doc, kind, printer, ViewPage{1000, 700, 784, 1040, page});
        all += Recording(printer) + Describe(printed);
    }
    return all;
}

// The golden projects built with the real tables: one with every component in English units,
// one metric in the southern hemisphere.
struct BuiltProjectTest : NewProjectTest {
    std::string previousInstallDir;
    void SetUp() override {
        NewProjectTest::SetUp();
        previousInstallDir = g_strInstallDir;
        g_strInstallDir = THERMAVO_DATA_DIR;
    }
    void TearDown() override { g_strInstallDir = previousInstallDir; }

    std::unique_ptr<CQuarnDoc> Build(const std::string& name) {
        auto project = std::make_unique<CQuarnDoc>(messages);
        project->OnNewDocument();
        std::ifstream in(std::string(THERMAVO_SOURCE_DIR) + "/tests/golden/projects/" + name);
        EXPECT_TRUE(in) << name;
        EXPECT_EQ(ApplyProjectDescription(*project, nlohmann::json::parse(in)), std::nullopt);
        return project;
    }
};

TEST_F(BuiltProjectTest, DrawingAndReadingViewsLeaveTheProjectAsItWas) {
    for (const char* name : {"every-component.json", "sydney-clinic.json"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<CQuarnDoc> project = Build(name);
        std::vector<int> kinds{0, 60, 203};  // numbers that are no kind draw nothing
        for (const ViewKindInfo& info : AllViewKinds()) kinds.push_back(info.nKind);
        for (int kind : kinds) {
            SCOPED_TRACE(kind);
            const CQuarnDocData before = *project;
            const std::vector<uint8_t> bytes = SerializeProject(before);

            DrawResult first, second;
            const std::string once = DrawEverywhere(*project, kind, first);
            const std::string twice = DrawEverywhere(*project, kind, second);
            EXPECT_EQ(once, twice);
            for (int h = 0; h <= 24; ++h) {
                for (int m = 0; m <= 12; ++m) (void)ViewValue(*project, kind, h, m);
            }
            (void)FindViewExtremes(*project, kind);
            (void)ViewLabels(kind, OutputUnitSystem(*project));
            EXPECT_TRUE(before == static_cast<const CQuarnDocData&>(*project));
            EXPECT_EQ(SerializeProject(*project), bytes);

            // Showing the kind sets the view members the file keeps, and nothing else.
            ShowViewKind(*project, kind, first);
            CQuarnDocData expected = before;
            expected.m_nViewKind = kind;
            if (const auto labels = ViewLabels(kind, OutputUnitSystem(before))) {
                expected.m_strViewTitle = labels->strTitle;
                expected.m_strViewAxis = labels->strAxis;
                EXPECT_FALSE(labels->strTitle.empty());
            }
            if (first.copy != DrawResult::Copy::kUnchanged) {
                expected.m_bCopyAvailable = first.copy == DrawResult::Copy::kText;
                if (first.copy == DrawResult::Copy::kText) {
                    expected.m_strCopyText = first.strCopyText;
                }
            }
            EXPECT_TRUE(expected == static_cast<const CQuarnDocData&>(*project));
            EXPECT_EQ(SerializeProject(*project), SerializeProject(expected));
        }
    }
}

// What a graph and a table show depends only on the project and the kind, not on the kind
// shown before: the view members a loaded project brings along are never read for a kind
// that has labels of its own.
TEST_F(BuiltProjectTest, ADrawingDoesNotDependOnTheKindShownBefore) {
    std::unique_ptr<CQuarnDoc> project = Build("sydney-clinic.json");
    for (int kind : {1, 108, 174, 85, kPeakSummaryKind}) {
        SCOPED_TRACE(kind);
        DrawResult fresh;
        const std::string drawn = DrawEverywhere(*project, kind, fresh);
        for (int shown : {kTotalCoolingTableKind, 3, kHeatingReportKind}) {
            project->m_strViewTitle = "stale title";
            project->m_strViewAxis = "stale axis";
            project->m_nViewKind = shown;
            DrawResult again;
            EXPECT_EQ(DrawEverywhere(*project, kind, again), drawn) << shown;
        }
    }
}

// The summary report prints the items and the room totals beside them: at every cell the
// sensible items add up to the room sensible total, the latent ones to the room latent
// total, and with the ventilation to the load on the coils.
TEST_F(BuiltProjectTest, LoadItemsAddUpToTheTotals) {
    using L = LoadItem;
    const std::set<L> sensible{L::kWalls,      L::kRoof,      L::kFloorCeilPart, L::kGlassSolar,
                               L::kGlassCond,  L::kSkylights, L::kGlassBlocks,   L::kLights,
                               L::kPeopleSens, L::kElecEquip, L::kPowerEquip,    L::kAppliancesSens,
                               L::kInfilSens};
    const std::set<L> latent{L::kPeopleLat, L::kAppliancesLat, L::kInfilLat};
    const std::set<L> ventilation{L::kVentSens, L::kVentLat};
    const std::set<L> totals{L::kTotal, L::kRoomSensible, L::kRoomLatent, L::kRoomTotal};
    // Every item is in exactly one group, so an item added later must be placed here too.
    ASSERT_EQ(static_cast<int>(LoadItemBindings().size()), kLoadItemCount);
    for (int n = 1; n <= kLoadItemCount; ++n) {
        const L item = *LoadItemOfNumber(n);
        EXPECT_EQ(LoadItemBindings()[n - 1].item, item) << n;
        EXPECT_EQ(sensible.count(item) + latent.count(item) + ventilation.count(item) +
                      totals.count(item),
                  1u)
            << n;
    }
    EXPECT_FALSE(LoadItemOfNumber(0));
    EXPECT_FALSE(LoadItemOfNumber(kLoadItemCount + 1));

    for (const char* name : {"every-component.json", "sydney-clinic.json"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<CQuarnDoc> project = Build(name);
        for (int h = 1; h <= 24; ++h) {
            for (int m = 1; m <= 12; ++m) {
                auto item = [&](L i) { return project->GetLoadComponent(h, m, i); };
                auto sum = [&](const std::set<L>& group) {
                    double s = 0;
                    for (L i : group) s += item(i);
                    return s;
                };
                const double scale = 1e-9 * (1 + std::fabs(item(L::kTotal)));
                ASSERT_NEAR(sum(sensible), item(L::kRoomSensible), scale) << h << "/" << m;
                ASSERT_NEAR(sum(latent), item(L::kRoomLatent), scale) << h << "/" << m;
                ASSERT_NEAR(item(L::kRoomSensible) + item(L::kRoomLatent), item(L::kRoomTotal),
                            scale);
                ASSERT_NEAR(item(L::kRoomTotal) + sum(ventilation), item(L::kTotal), scale);
            }
        }
    }
}

}  // namespace
