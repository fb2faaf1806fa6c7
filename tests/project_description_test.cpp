#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "calc/PeakSearch.h"
#include "document/ProjectFile.h"
#include "input/GeneralDataCommand.h"
#include "input/ProjectDescription.h"
#include "input/WallsRoofCommand.h"
#include "input/WindowsCommand.h"
#include "paths/InstallDir.h"
#include "support/InstallDir.h"
#include "support/NewProjectTest.h"

using nlohmann::json;

namespace {

// The wizard refuses to finish a project without a wall group and a 'b' class.
#define TREES                                                                              \
    R"("m_nWallGroup": ["Frame Wall", "G: 1-in. to 3-in. (25 mm to 75 mm) Insulation"], )" \
    R"("m_nBClass": ["Floor Covered With Tile", )"                                         \
    R"("Low Ventilation Rate - minimum for cooling load", "B: 3 in. (75 mm) Concrete Floor"])"

const json kDescription = json::parse(R"([
  {"command": "generalData", "m_strProjectName": "Clinic", "m_nCityIndex": 106,
   "m_dInsideDBCool": 76, "m_nOccupants": [0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0],
   "m_nWallGroup": ["Frame Wall", "G: 1-in. to 3-in. (25 mm to 75 mm) Insulation"],
   "m_nBClass": ["Floor Covered With Tile", "Low Ventilation Rate - minimum for cooling load",
                 "B: 3 in. (75 mm) Concrete Floor"]},
  {"command": "windows", "S": [{"m_nQuantity": 2, "m_dHeight": 5, "m_dWidth": 4}]},
  {"command": "wallsRoof", "m_dWallArea": [100, 0, 0, 0, 200, 0, 0, 0],
   "m_dWallUCool": [0.1, 0, 0, 0, 0.1, 0, 0, 0], "m_dRoofArea": 800, "m_dRoofUCool": 0.08}
])");

struct ProjectDescriptionTest : NewProjectTest {
    CScopedInstallDir install;  // empty: the recalculation reports missing files, nothing else

    // Each description, applied to a new project, is refused with an error that starts with
    // the expected text.
    template <size_t N>
    void ExpectRefusals(const std::pair<const char*, const char*> (&cases)[N]) {
        for (const auto& [text, expected] : cases) {
            auto fresh = std::make_unique<CQuarnDoc>(messages);
            fresh->OnNewDocument();
            const auto error = ApplyProjectDescription(*fresh, json::parse(text));
            ASSERT_TRUE(error.has_value()) << text;
            EXPECT_EQ(error->substr(0, std::string(expected).size()), expected) << *error;
        }
    }
};

}  // namespace

TEST_F(ProjectDescriptionTest, BuildsTheSameProjectAsTheCommandsStepByStep) {
    ASSERT_EQ(ApplyProjectDescription(*doc, kDescription), std::nullopt);

    auto manual = std::make_unique<CQuarnDoc>(messages);
    manual->OnNewDocument();
    CGeneralDataValues general = FillGeneralData(*manual);
    general.m_strProjectName = "Clinic";
    ASSERT_EQ(SelectStation(general, 106), std::nullopt);
    general.m_dInsideDBCool = 76;
    general.m_nOccupants[1] = 12;
    ASSERT_EQ(
        SelectWallGroup(general, {"Frame Wall", "G: 1-in. to 3-in. (25 mm to 75 mm) Insulation"}),
        std::nullopt);
    ASSERT_EQ(SelectBClass(general, {"Floor Covered With Tile",
                                     "Low Ventilation Rate - minimum for cooling load",
                                     "B: 3 in. (75 mm) Concrete Floor"}),
              std::nullopt);
    ASSERT_EQ(ValidateGeneralData(general), std::nullopt);
    ApplyGeneralData(*manual, general);
    CWindowsValues windows = FillWindows(*manual);
    CWindo w;
    w.SetQuantity(2);
    w.SetHeight(5);
    w.SetWidth(4);
    windows.m_aWindows[kSouth].Add(w);
    ApplyWindows(*manual, windows);
    CWallsRoofValues walls = FillWallsRoof(*manual);
    walls.m_dWallArea[kNorth] = 100;
    walls.m_dWallArea[kSouth] = 200;
    walls.m_dWallUCool[kNorth] = walls.m_dWallUCool[kSouth] = 0.1;
    walls.m_dRoofArea = 800;
    walls.m_dRoofUCool = 0.08;
    ApplyWallsRoof(*manual, walls);

    EXPECT_EQ(SerializeProject(*doc), SerializeProject(*manual));
    EXPECT_EQ(doc->m_strCityName, "Denver AP");
    EXPECT_EQ(doc->m_nWallGroup, 70);
    EXPECT_EQ(doc->m_bWallsRoofSupplied, 1);
}

TEST_F(ProjectDescriptionTest, ErrorsNameTheCommandAndTheKey) {
    const std::pair<const char*, const char*> cases[] = {
        {R"([{"command": "generalData", "m_dInsideRHH": 50}])",
         R"(command 1 (generalData): unknown key "m_dInsideRHH")"},
        {R"([{"command": "generalData", "m_dInsideRH": "fifty"}])",
         R"(command 1 (generalData): "m_dInsideRH" must be a number)"},
        {R"([{"command": "generalData", "m_nOccupants": [1, 2]}])",
         R"(command 1 (generalData): "m_nOccupants" must be an array of 11 values)"},
        {R"([{"command": "generalData", "m_dInsideRH": 80}])",
         R"(command 1 (generalData): "m_dInsideRH": )"},
        {R"([{"command": "generalData", "m_nCityIndex": 780}])", R"(command 1 (generalData): )"},
        {R"([{"command": "wallsRoof", "m_dRoofArea": 10}])",
         "command 1 (wallsRoof): Please supply 'General Project Data' in the 'Project' "
         "menu\nbefore supplying walls and roof data"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "windows", "S": [{"m_nQuantity": 0}]}])",
         R"(command 2 (windows): "S[0].m_nQuantity": )"},
        {R"([{"command": "generalData", )" TREES R"(}, {"command": "windows", "Q": []}])",
         R"(command 2 (windows): unknown key "Q")"},
        {R"([{"command": "roof"}])", "command 1 (roof): unknown command"},
        {R"({"command": "generalData"})", "a project description is a JSON array of commands"},
    };
    ExpectRefusals(cases);
}

TEST_F(ProjectDescriptionTest, OptionsSetTheProjectUnitsWithoutTouchingTheDefaults) {
    const auto error = ApplyProjectDescription(
        *doc, json::parse(R"([{"command": "options", "m_nInputUnits": 1, "m_nOutputUnits": 1},
                              {"command": "generalData", "m_dInsideDBCool": 25, )" TREES R"(}])"));
    ASSERT_EQ(error, std::nullopt);
    EXPECT_EQ(doc->m_nInputUnits, 1);
    EXPECT_DOUBLE_EQ(doc->m_dInsideDBCool, 77.0);  // typed in C
    EXPECT_EQ(ReadFileBytes(config.OptionsPath()), std::vector<uint8_t>(16, 0));
}

// The bundled examples build with the real tables: every supplied flag set, no file message,
// a load in every component the office enters, and its peak on a summer afternoon.
TEST_F(NewProjectTest, BundledExamplesBuildWithTheRealTables) {
    const std::string previous = g_strInstallDir;
    g_strInstallDir = THERMAVO_DATA_DIR;
    for (const char* name : {"office.json", "house.json"}) {
        SCOPED_TRACE(name);
        auto project = std::make_unique<CQuarnDoc>(messages);
        project->OnNewDocument();
        std::ifstream in(std::string(THERMAVO_SOURCE_DIR) + "/examples/" + name);
        ASSERT_TRUE(in);
        ASSERT_EQ(ApplyProjectDescription(*project, json::parse(in)), std::nullopt);
        EXPECT_TRUE(messages.fileErrors.empty());
        EXPECT_TRUE(messages.messages.empty());
        const PeakResult peak = FindPeak([&](int h, int m) { return project->m_tblTotal[h][m]; });
        EXPECT_GE(peak.nMaxMonth, 6);
        EXPECT_LE(peak.nMaxMonth, 8);
        EXPECT_GE(peak.nMaxHour, 13);
        EXPECT_LE(peak.nMaxHour, 18);
        if (std::string(name) == "office.json") {
            EXPECT_EQ(project->m_bGeneralDataSupplied + project->m_bWindowsSupplied +
                          project->m_bWallsRoofSupplied + project->m_bFloorCeilingSupplied +
                          project->m_bGlassBlocksSupplied,
                      5);
            const int h = peak.nMaxHour, m = peak.nMaxMonth;
            for (int item = 1; item <= 22; ++item) {
                EXPECT_NE(project->GetLoadComponent(h, m, item), 0.0) << "item " << item;
            }
        }
    }
    g_strInstallDir = previous;
}

TEST_F(ProjectDescriptionTest, NumbersBeyondTheirKindsMaximumAreRefusedAndChangeNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {R"([{"command": "generalData", )" TREES R"(, "m_dFluorWatts": 1e308}])",
         R"(command 1 (generalData): "m_dFluorWatts": Please enter a number between 0 and 1000000000.)"},
        {R"([{"command": "generalData", )" TREES
         R"(, "m_nOccupants": [2147483647, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0]}])",
         R"(command 1 (generalData): "m_nOccupants[0]": Please enter an integer between 0 and 1000000.)"},
        {R"([{"command": "generalData", )" TREES R"(, "m_dBuildingVolume": 2e10}])",
         R"(command 1 (generalData): "m_dBuildingVolume": Please enter a number between 0 and 10000000000.)"},
        {R"([{"command": "generalData", )" TREES
         R"(, "m_dElecEquipKW": 1e7}, {"command": "generalData", "m_dElecEquipKW": 1.5e7}])",
         R"(command 2 (generalData): "m_dElecEquipKW": )"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "windows", "S": [{"m_nQuantity": 1, "m_dWidth": 1e300}]}])",
         R"(command 2 (windows): "S[0].m_dWidth": Please enter a number between 0 and 1000000.)"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "windows", "N": [{"m_nQuantity": 1000001}]}])",
         R"(command 2 (windows): "N[0].m_nQuantity": Please enter an integer between 1 and 1000000.)"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "wallsRoof", "m_dWallArea": [0, 0, 1e9, 0, 0, 0, 0, 0]}])",
         R"(command 2 (wallsRoof): "m_dWallArea[2]": Please enter a number between 0 and 100000000.)"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "wallsRoof", "m_dGroundTemp": -1e6}])",
         R"(command 2 (wallsRoof): "m_dGroundTemp": Please enter a number between -1000 and 1000.)"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "floorCeiling", "m_dGroundTemp": 5000}])",
         R"(command 2 (floorCeiling): "m_dGroundTemp": Please enter a number between -1000 and 1000.)"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "floorCeiling", "m_dSkySC": [1, 101]}])",
         R"(command 2 (floorCeiling): "m_dSkySC[1]": Please enter a number between 0 and 100.)"},
        {R"([{"command": "generalData", )" TREES
         R"(}, {"command": "glassBlocks", "m_dGlassBlockArea": [0, 0, 0, 0, 0, 0, 0, 1.5e8]}])",
         R"(command 2 (glassBlocks): "m_dGlassBlockArea[7]": Please enter a number between 0 and 100000000.)"},
    };
    ExpectRefusals(cases);

    // The largest values themselves are taken.
    auto fresh = std::make_unique<CQuarnDoc>(messages);
    fresh->OnNewDocument();
    EXPECT_EQ(ApplyProjectDescription(*fresh, json::parse(R"([{"command": "generalData", )" TREES
                                                          R"(, "m_dFluorWatts": 1e9,
        "m_nOccupants": [1000000, 1000000, 1000000, 1000000, 1000000, 1000000, 1000000,
                         1000000, 1000000, 1000000, 1000000]}])")),
              std::nullopt);
    EXPECT_EQ(fresh->GetTotalOccupants(), 11000000);
}
