#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/NewProjectTest.h"
#include "views/ViewKinds.h"

namespace {

const ViewKindInfo& Kind(int kind) {
    const ViewKindInfo* info = FindViewKind(kind);
    EXPECT_NE(info, nullptr) << kind;
    static const ViewKindInfo none;
    return info != nullptr ? *info : none;
}

std::string Joined(const std::vector<std::string>& path) {
    std::string text;
    for (const std::string& p : path) text += (text.empty() ? "" : "/") + p;
    return text;
}

TEST(ViewKinds, KindsAndFormsCoverExactlyTheListedRanges) {
    std::set<int> expected;
    for (int k = 1; k <= 52; ++k) expected.insert(k);
    for (int k = 70; k <= 87; ++k) {
        if (k < 78 || k >= 80) expected.insert(k);
    }
    const std::set<int> graphs = expected;
    for (int g : graphs) expected.insert(g + 100);
    expected.insert({200, 201, 202});

    std::set<int> seen;
    int graphCount = 0, tableCount = 0, reportCount = 0;
    for (const ViewKindInfo& k : AllViewKinds()) {
        seen.insert(k.nKind);
        graphCount += k.form == ViewForm::kGraph;
        tableCount += k.form == ViewForm::kTable;
        reportCount += k.form == ViewForm::kReport;
        EXPECT_EQ(IsGraphKind(k.nKind), graphs.count(k.nKind) == 1) << k.nKind;
        EXPECT_EQ(IsTableKind(k.nKind), graphs.count(k.nKind - 100) == 1) << k.nKind;
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(AllViewKinds().size(), 139u);
    EXPECT_EQ(graphCount, 68);
    EXPECT_EQ(tableCount, 68);
    EXPECT_EQ(reportCount, 3);
    for (int missing : {0, 53, 69, 78, 79, 88, 100, 153, 188, 199, 203}) {
        EXPECT_EQ(FindViewKind(missing), nullptr) << missing;
        EXPECT_FALSE(IsGraphKind(missing) || IsTableKind(missing)) << missing;
    }
}

TEST(ViewKinds, CommandIdsFollowTheResourceNumbering) {
    // Runs of consecutive kinds with consecutive ids: first kind, last kind, first id.
    struct Run {
        int first, last, id;
    };
    const std::vector<Run> runs = {
        {1, 1, 32785},     {101, 101, 32796}, {2, 2, 32787},     {102, 102, 32798},
        {3, 10, 32788},    {103, 110, 32799}, {11, 11, 32786},   {111, 111, 32797},
        {12, 12, 32808},   {112, 112, 32807}, {13, 13, 32841},   {113, 113, 32859},
        {14, 21, 32842},   {114, 121, 32860}, {22, 22, 32850},   {122, 122, 32868},
        {23, 30, 32851},   {123, 130, 32869}, {31, 31, 32877},   {131, 131, 32878},
        {32, 32, 32879},   {132, 132, 32888}, {33, 40, 32880},   {133, 140, 32889},
        {41, 41, 32897},   {141, 141, 32898}, {42, 42, 32899},   {142, 142, 32901},
        {43, 43, 32900},   {143, 143, 32902}, {44, 44, 32903},   {144, 144, 32904},
        {45, 45, 32905},   {145, 145, 32906}, {46, 48, 32907},   {146, 148, 32910},
        {49, 52, 32913},   {149, 152, 32917}, {70, 70, 32809},   {71, 77, 32826},
        {170, 177, 32810}, {80, 87, 32833},   {180, 187, 32818}, {200, 200, 32921},
        {201, 201, 32922}, {202, 202, 32937},
    };
    std::set<int> ids;
    size_t count = 0;
    for (const Run& run : runs) {
        for (int k = run.first; k <= run.last; ++k) {
            const int id = run.id + (k - run.first);
            EXPECT_EQ(Kind(k).nCommandId, id) << "kind " << k;
            const ViewKindInfo* back = FindViewKindByCommand(id);
            ASSERT_NE(back, nullptr) << id;
            EXPECT_EQ(back->nKind, k);
            ids.insert(id);
            ++count;
        }
    }
    EXPECT_EQ(count, AllViewKinds().size());
    EXPECT_EQ(ids.size(), count);                      // no id shared
    EXPECT_EQ(FindViewKindByCommand(57634), nullptr);  // Copy is no view command
}

TEST(ViewKinds, MenuTextsAndTitleStems) {
    const std::map<int, std::pair<std::string, std::string>> expected = {
        {1, {"Total Cooling Load", "Total"}},
        {2, {"All Walls Cooling Load", "All Walls"}},
        {3, {"N Wall Cooling Load", "North Wall"}},
        {10, {"NW Wall Cooling Load", "North West Wall"}},
        {11, {"Roof Cooling Load", "Roof"}},
        {12, {"Floor, Ceiling, Partit", "Floor, Ceiling & Partitions"}},
        {13, {"All Glass Solar Load", "All Glass Solar"}},
        {22, {"All Glass Conduction", "All Glass Conduction"}},
        {31, {"Skylights Load", "Skylights"}},
        {32, {"All Glass Blocks", "All Glass Blocks"}},
        {38, {"SW Glass Blocks", "South West Glass Blocks"}},
        {41, {"Lights Cooling Load", "Lights"}},
        {42, {"People Sensible Load", "People Sensible"}},
        {44, {"Electronic Equipment", "Electronic Equipment"}},
        {46, {"Hooded Appl Load", "Hooded Appliances"}},
        {47, {"Unhooded Sensible", "Unhooded Appliances Sensible"}},
        {48, {"Unhooded Latent", "Unhooded Appliances Latent"}},
        {49, {"Infil Sensible Load", "Infiltration Sensible"}},
        {51, {"Ventil Sensible Load", "Ventilation Sensible"}},
        {70, {"N Glass Areas in Sun", ""}},
        {176, {"W Glass Areas in Sun", ""}},
        {83, {"Percent SE Glass in Sun", ""}},
        {187, {"Percent NW Glass in Sun", ""}},
        {200, {"Peak Cooling Summary", "Total"}},
        {201, {"Heating Report", ""}},
        {202, {"Project Input Data", ""}},
    };
    for (const auto& [kind, texts] : expected) {
        EXPECT_EQ(Kind(kind).strMenuText, texts.first) << kind;
        EXPECT_EQ(Kind(kind).strTitleStem, texts.second) << kind;
    }
}

TEST(ViewKinds, StatusBarPromptsAndTheirExceptions) {
    const std::map<int, std::string> expected = {
        {1, "Total cooling load profile\nView Total Cooling Load Graph"},
        {101, "Total cooling load report\nView Total Cooling Load Table"},
        {2, "All walls cooling load profile"},
        {4, "North East wall cooling load profile"},
        {110, "North West wall cooling load report"},
        {11, "Roof cooling load profile"},
        {112, "Floor, ceiling and partitions cooling load report"},
        {21, "North West glass solar cooling load profile"},
        {23, "North glass conduction cooling load profile"},
        {24, " North East glass conduction cooling load profile"},
        {124, "North East glass conduction cooling load report"},
        {131, "Skylights cooling load report"},
        {141, "Lights cooling load report"},
        {144, "Electronic equipment cooling load report"},
        {146, "Hooded appliances cooling load report"},
        {47, "Unhooded appliances sensible cooling load profile"},
        {148, "Unhooded appliances latent cooling load report"},
        {49, "Infiltration sensible cooling load profile"},
        {51, "Ventilation sensible cooling load profile"},
        {70, "Graph showing North glass areas in direct sunshine vs time of day"},
        {75, "Graph showing South West glass areas in direct sunshine vs time of day"},
        {177, "Table showing North West glass areas in direct sunshine at various hours"},
        {80, "Graph showing percent North glass in direct sunshine vs time of day"},
        {183, "Table showing percent South East glass in direct sunshine at various hours"},
        {200, "Summary of cooling design conditions and peak load\nView Peak Cooling Load Summary"},
        {201, "Show heating load report\nView Heating Load Report"},
        {202, "Shows the project input data\nView Project Input Data"},
    };
    for (const auto& [kind, prompt] : expected) EXPECT_EQ(Kind(kind).strPrompt, prompt) << kind;

    // Only the toolbar commands carry a tooltip; only 32852 starts with a blank.
    for (const ViewKindInfo& k : AllViewKinds()) {
        const bool tooltip = k.strPrompt.find('\n') != std::string::npos;
        EXPECT_EQ(tooltip, k.nKind == 1 || k.nKind == 101 || k.nKind >= 200) << k.nKind;
        EXPECT_EQ(k.strPrompt.front() == ' ', k.nCommandId == 32852) << k.nKind;
    }
}

TEST(ViewKinds, MenuLaysOutThePopupsInOrder) {
    const std::vector<ViewMenuEntry>& menu = ViewMenuEntries();
    // Every kind exactly once, at its own path.
    std::map<int, int> times;
    for (const ViewMenuEntry& e : menu) {
        if (e.IsSeparator()) continue;
        ++times[e.nKind];
        EXPECT_EQ(e.path, Kind(e.nKind).menuPath) << e.nKind;
    }
    EXPECT_EQ(times.size(), AllViewKinds().size());
    for (const auto& [kind, n] : times) EXPECT_EQ(n, 1) << kind;

    // The menu as a GUI would walk it: "path: text" or "path: -" for a separator, with the
    // orientation runs cut to their first and last item (N and NW).
    std::vector<std::string> walk;
    for (const ViewMenuEntry& e : menu) {
        const std::string text = e.IsSeparator() ? "-" : Kind(e.nKind).strMenuText;
        const int o = e.IsSeparator() ? -1 : Kind(e.nKind).nOrientation;
        const bool inner = o > kNorth && o < kNorthWest;
        if (!inner) walk.push_back(Joined(e.path) + ": " + text);
    }
    const std::vector<std::string> tables = {
        "Cooling Tables: Peak Cooling Summary",
        "Cooling Tables: -",
        "Cooling Tables: Total Cooling Load",
        "Cooling Tables/Walls Cooling Load: All Walls Cooling Load",
        "Cooling Tables/Walls Cooling Load: N Wall Cooling Load",
        "Cooling Tables/Walls Cooling Load: NW Wall Cooling Load",
        "Cooling Tables: Roof Cooling Load",
        "Cooling Tables: Floor, Ceiling, Partit",
        "Cooling Tables/Glass Solar Load: All Glass Solar Load",
        "Cooling Tables/Glass Solar Load: N Glass Solar Load",
        "Cooling Tables/Glass Solar Load: NW Glass Solar Load",
        "Cooling Tables/Glass Conduction: All Glass Conduction",
        "Cooling Tables/Glass Conduction: N Glass Conduction",
        "Cooling Tables/Glass Conduction: NW Glass Conduction",
        "Cooling Tables: Skylights Load",
        "Cooling Tables/Glass Blocks Load: All Glass Blocks",
        "Cooling Tables/Glass Blocks Load: N Glass Blocks",
        "Cooling Tables/Glass Blocks Load: NW Glass Blocks",
        "Cooling Tables: Lights Cooling Load",
        "Cooling Tables/People Load: People Sensible Load",
        "Cooling Tables/People Load: People Latent Load",
        "Cooling Tables: Electronic Equipment",
        "Cooling Tables: Power Equipment",
        "Cooling Tables/Appliances: Hooded Appl Load",
        "Cooling Tables/Appliances: Unhooded Sensible",
        "Cooling Tables/Appliances: Unhooded Latent",
        "Cooling Tables/Infiltration: Infil Sensible Load",
        "Cooling Tables/Infiltration: Infil Latent Load",
        "Cooling Tables/Ventilation: Ventil Sensible Load",
        "Cooling Tables/Ventilation: Ventil Latent Load",
    };
    std::vector<std::string> expected = tables;
    // The graphs: the same items without the summary and its separator.
    for (size_t i = 2; i < tables.size(); ++i) {
        expected.push_back("Cooling Graphs" +
                           tables[i].substr(std::string("Cooling Tables").size()));
    }
    for (const char* line : {": -", ": Heating Report", ": -"}) expected.push_back(line);
    for (const char* menu : {"Glass Shading Tables", "Glass Shading Graphs"}) {
        const std::string m = menu;
        expected.push_back(m + "/Glass Areas in Sun: N Glass Areas in Sun");
        expected.push_back(m + "/Glass Areas in Sun: NW Glass Areas in Sun");
        expected.push_back(m + "/Percent Glass in Sun: Percent N Glass in Sun");
        expected.push_back(m + "/Percent Glass in Sun: Percent NW Glass in Sun");
    }
    expected.push_back(": -");
    expected.push_back(": Project Input Data");
    EXPECT_EQ(walk, expected);

    // Inside each orientation popup the eight follow in the order N .. NW.
    std::vector<int> walls;
    for (const ViewMenuEntry& e : menu) {
        if (Joined(e.path) == "Cooling Graphs/Walls Cooling Load") walls.push_back(e.nKind);
    }
    EXPECT_EQ(walls, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(ViewKinds, ToolbarButtons) {
    EXPECT_EQ(ToolbarViewKinds(), (std::vector<int>{1, 101, 200, 201, 202}));
}

using ViewKindCommands = NewProjectTest;

TEST_F(ViewKindCommands, NewProjectGreysTheTotalTableAndChoosingAKindRedraws) {
    EXPECT_EQ(doc->m_nViewKind, kTotalCoolingTableKind);
    EXPECT_FALSE(IsViewKindCommandEnabled(*doc, 101));
    EXPECT_TRUE(IsViewKindCommandEnabled(*doc, 200));

    int updates = 0;
    doc->SetViewUpdater([&] { ++updates; });
    SelectViewKind(*doc, kPeakSummaryKind);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(doc->m_nViewKind, 200);
    EXPECT_FALSE(IsViewKindCommandEnabled(*doc, 200));
    EXPECT_TRUE(IsViewKindCommandEnabled(*doc, 101));
}

}  // namespace
