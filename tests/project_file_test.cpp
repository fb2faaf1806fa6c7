#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <memory>

#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "support/NewProjectTest.h"

namespace {

int32_t IntAt(const std::vector<uint8_t>& b, size_t offset) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(b.at(offset + i)) << (8 * i);
    return static_cast<int32_t>(v);
}

double DoubleAt(const std::vector<uint8_t>& b, size_t offset) {
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(b.at(offset + i)) << (8 * i);
    return std::bit_cast<double>(v);
}

void PutInt(std::vector<uint8_t>& b, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        b.at(offset + i) = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

// Offset of the one place where value's eight bytes stand in the file.
size_t FindUnique(const std::vector<uint8_t>& b, double value) {
    uint8_t pattern[8];
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) pattern[i] = static_cast<uint8_t>(bits >> (8 * i));
    auto first = std::search(b.begin(), b.end(), pattern, pattern + 8);
    EXPECT_NE(first, b.end()) << value;
    EXPECT_EQ(std::search(first + 1, b.end(), pattern, pattern + 8), b.end()) << value;
    return static_cast<size_t>(first - b.begin());
}

struct ProjectFileTest : NewProjectTest {
    LoadStatus Load(CQuarnDoc& into, const std::vector<uint8_t>& bytes) {
        return LoadProjectBytes(into, bytes.data(), bytes.size(), "project.Spc");
    }
};

CWindo Window(int quantity, double height, double width) {
    CWindo w;
    w.SetQuantity(quantity);
    w.SetHeight(height);
    w.SetWidth(width);
    w.SetLeftFinDist(0.5);
    w.SetRightFinDist(0.75);
    w.SetOverhangWidth(2.0);
    w.SetOverhangHeight(1.0);
    w.SetLeftFinWidth(1.5);
    w.SetRightFinWidth(1.25);
    return w;
}

}  // namespace

TEST_F(ProjectFileTest, EveryRowRoundTripsBitForBit) {
    FillDistinctLoadable(*doc);
    const std::vector<uint8_t> bytes = SerializeProject(*doc);

    auto loaded = std::make_unique<CQuarnDoc>(messages);
    ASSERT_EQ(Load(*loaded, bytes), LoadStatus::kLoaded);
    EXPECT_TRUE(static_cast<const CQuarnDocData&>(*loaded) == *doc);
    EXPECT_EQ(SerializeProject(*loaded), bytes);
    // Equality of doubles hides the sign of zero; the bytes above do not, and neither does this.
    EXPECT_EQ(std::bit_cast<uint64_t>(loaded->m_dLM[0][5]),
              std::bit_cast<uint64_t>(doc->m_dLM[0][5]));
    EXPECT_TRUE(messages.fileErrors.empty());
}

TEST_F(ProjectFileTest, CachesAndViewStateOutsideTheFileAreNotRestored) {
    doc->m_strCopyText = "text";
    doc->m_bCopyAvailable = 1;
    doc->m_dLastUValue = 0.3;
    doc->m_nCityIndex = 5;
    doc->IsCitySelected();
    const std::vector<uint8_t> bytes = SerializeProject(*doc);
    auto loaded = std::make_unique<CQuarnDoc>(messages);
    ASSERT_EQ(Load(*loaded, bytes), LoadStatus::kLoaded);
    EXPECT_EQ(loaded->m_strCopyText, "");
    EXPECT_EQ(loaded->m_bCopyAvailable, 0);
    EXPECT_EQ(loaded->m_dLastUValue, 0.0);
    EXPECT_EQ(loaded->m_bCitySelected, 0);
    EXPECT_EQ(loaded->m_nCityIndex, 5);
}

TEST_F(ProjectFileTest, LayoutOfANewProject) {
    const std::vector<uint8_t> b = SerializeProject(*doc);
    for (size_t i = 0; i < 16; ++i) ASSERT_EQ(b[i], 0) << "window counts";
    EXPECT_EQ(IntAt(b, 16), 40);
    EXPECT_EQ(IntAt(b, 20), 0);  // station index
    EXPECT_EQ(b[24], 21);        // length of "No Station Registered"
    EXPECT_EQ(std::string(b.begin() + 25, b.begin() + 46), "No Station Registered");
    for (size_t i = 46; i < 51; ++i) EXPECT_EQ(b[i], 0) << "five empty strings";
    // 12 station doubles, then the design levels.
    EXPECT_EQ(IntAt(b, 147), 1);
    EXPECT_EQ(IntAt(b, 151), 1);
    // 3 outdoor doubles and 26 monthly ones, then the inside conditions.
    EXPECT_EQ(DoubleAt(b, 387), 78.0);
    EXPECT_EQ(DoubleAt(b, 395), 50.0);
    EXPECT_EQ(DoubleAt(b, 403), 72.0);
    EXPECT_EQ(IntAt(b, 411), 2);  // roof type
    // 25 roof doubles, then suspended ceiling, roof colour, attic fan, wall colour.
    EXPECT_EQ(IntAt(b, 415 + 200 + 12), 1);
    // From the end: view kind, two empty strings, 8 window areas, 34 hourly and 8 daily
    // tables, 13 heat losses.
    const size_t tail = 4 + 2 + 8 * (8 + 34 * 325 + 8 * 50 + 13);
    EXPECT_EQ(IntAt(b, b.size() - tail), 101);
}

TEST_F(ProjectFileTest, InterleavedRowsWalkTheTablesTogether) {
    doc->m_dMonthWB[4] = 1001.5;
    doc->m_dMonthDB[4] = 1002.5;
    doc->m_dMonthWB[5] = 1003.5;
    doc->m_dPsyAtDB[0][3] = 2001.5;
    doc->m_dPsyAtDB[1][3] = 2002.5;
    doc->m_dPsyAtWB[0][3] = 2003.5;
    doc->m_dMonthHumRatio[3] = 2004.5;
    doc->m_dPsyAtDB[0][4] = 2005.5;
    doc->m_dCLFSkyA[7] = 3001.5;
    doc->m_dCLFSkyB[7] = 3002.5;
    doc->m_tblTotal[2][3] = 4001.5;
    doc->m_tblRoomSensible[2][3] = 4002.5;
    doc->m_tblTotal[2][4] = 4003.5;
    doc->m_tblWall[kNorth][1][1] = 5001.5;
    doc->m_tblWallAll[1][1] = 5002.5;
    doc->m_tblGlassShadedArea[kNorthEast][6][7] = 6001.5;
    doc->m_tblGlassSunlitArea[kNorth][6][7] = 6002.5;
    doc->m_tblGlassSolarAll[9][9] = 7001.5;
    doc->m_tblGlassCond[kNorthWest][9][9] = 7002.5;
    doc->m_tblLights[10][1] = 8001.5;
    doc->m_tblUnhoodedApplLat[10][1] = 8002.5;
    doc->m_tblLights[11][0] = 8003.5;
    const std::vector<uint8_t> b = SerializeProject(*doc);

    const size_t wb = FindUnique(b, 1001.5);
    EXPECT_EQ(FindUnique(b, 1002.5), wb + 8);
    EXPECT_EQ(FindUnique(b, 1003.5), wb + 16);

    const size_t psy = FindUnique(b, 2001.5);  // per month: 6 dry-bulb, 6 wet-bulb, hum. ratio
    EXPECT_EQ(FindUnique(b, 2002.5), psy + 8);
    EXPECT_EQ(FindUnique(b, 2003.5), psy + 48);
    EXPECT_EQ(FindUnique(b, 2004.5), psy + 96);
    EXPECT_EQ(FindUnique(b, 2005.5), psy + 104);

    EXPECT_EQ(FindUnique(b, 3002.5), FindUnique(b, 3001.5) + 8);

    const size_t total = FindUnique(b, 4001.5);  // total, room total, latent, sensible
    EXPECT_EQ(FindUnique(b, 4002.5), total + 24);
    EXPECT_EQ(FindUnique(b, 4003.5), total + 32);

    EXPECT_EQ(FindUnique(b, 5002.5), FindUnique(b, 5001.5) + 64);  // "All" after the eight walls
    EXPECT_EQ(FindUnique(b, 6001.5), FindUnique(b, 6002.5) + 8);   // shaded NE after sunlit N
    EXPECT_EQ(FindUnique(b, 7002.5), FindUnique(b, 7001.5) + 17 * 8);

    const size_t daily = FindUnique(b, 8001.5);
    EXPECT_EQ(FindUnique(b, 8002.5), daily + 56);
    EXPECT_EQ(FindUnique(b, 8003.5), daily + 64);
}

TEST_F(ProjectFileTest, WindowRecordsAreSeventyTwoBytes) {
    doc->m_aWindows[kNorth].Add(Window(2, 5.0, 4.0));
    doc->m_aWindows[kNorth].Add(Window(1, 6.0, 3.0));
    doc->m_aWindows[kNorthWest].Add(Window(7, 8.0, 9.0));
    const std::vector<uint8_t> b = SerializeProject(*doc);
    EXPECT_EQ(b.size(), 184223u + 3 * 72);
    EXPECT_EQ(b[0] | b[1] << 8, 2);
    EXPECT_NE(IntAt(b, 2), 0);         // the class tag
    EXPECT_EQ(IntAt(b, 6), 2);         // quantity
    EXPECT_EQ(DoubleAt(b, 10), 5.0);   // height
    EXPECT_EQ(DoubleAt(b, 18), 4.0);   // width
    EXPECT_EQ(DoubleAt(b, 26), 0.5);   // left fin distance
    EXPECT_EQ(DoubleAt(b, 66), 1.25);  // right fin width ends the record
    EXPECT_EQ(IntAt(b, 2 + 72 + 4), 1);

    auto loaded = std::make_unique<CQuarnDoc>(messages);
    ASSERT_EQ(Load(*loaded, b), LoadStatus::kLoaded);
    ASSERT_EQ(loaded->m_aWindows[kNorth].GetSize(), 2);
    EXPECT_EQ(loaded->m_aWindows[kNorth].GetAt(1), Window(1, 6.0, 3.0));
    EXPECT_EQ(loaded->m_aWindows[kNorthWest].GetAt(0), Window(7, 8.0, 9.0));
    EXPECT_EQ(loaded->m_aWindows[kEast].GetSize(), 0);
}

TEST_F(ProjectFileTest, OlderVersionsTakeDisplayAndFontFromTheOptionsFile) {
    for (int version : {27, 10}) {
        doc->m_nInputUnits = 1;
        doc->m_nOutputUnits = 0;
        doc->m_nDisplaySize = 0;
        doc->m_nFontSize = 0;
        doc->m_strProjectName = "Old office";
        doc->m_dHeatLoss[12] = 51234.5;
        const std::vector<uint8_t> old = SerializeProject(*doc, version);
        EXPECT_EQ(old.size(), SerializeProject(*doc).size() - 8);
        EXPECT_EQ(IntAt(old, 16), version);

        config.WriteOptions({0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0});
        auto loaded = std::make_unique<CQuarnDoc>(messages);
        ASSERT_EQ(Load(*loaded, old), LoadStatus::kLoaded);
        EXPECT_EQ(loaded->m_nInputUnits, 1);
        EXPECT_EQ(loaded->m_nOutputUnits, 0);
        EXPECT_EQ(loaded->m_nDisplaySize, 1);
        EXPECT_EQ(loaded->m_nFontSize, 1);
        EXPECT_EQ(loaded->m_strProjectName, "Old office");
        EXPECT_EQ(loaded->m_dHeatLoss[12], 51234.5);
    }
}

TEST_F(ProjectFileTest, NewerVersionIsRefusedWithAMessageAndANewProject) {
    std::vector<uint8_t> b = SerializeProject(*doc);
    PutInt(b, 16, 50);
    FillDistinct(*doc);
    doc->SetPathName("/projects/current.Spc");
    messages.Clear();

    EXPECT_EQ(Load(*doc, b), LoadStatus::kNewerVersion);
    EXPECT_EQ(messages.messages, std::vector<std::string>{
                                     "Thermavo Version 5.0 or later is needed to open this file"});
    EXPECT_TRUE(messages.fileErrors.empty());
    auto fresh = std::make_unique<CQuarnDoc>(messages);
    fresh->OnNewDocument();
    EXPECT_TRUE(static_cast<const CQuarnDocData&>(*doc) == *fresh);
    EXPECT_EQ(doc->GetPathName(), "");  // a Save cannot overwrite the newer file
}

TEST_F(ProjectFileTest, DamagedFilesAreRefusedAndLeaveTheDocumentAsItWas) {
    doc->m_aWindows[kSouth].Add(Window(3, 4.0, 5.0));
    doc->m_strProjectName = "Clinic";
    const std::vector<uint8_t> good = SerializeProject(*doc);

    auto target = std::make_unique<CQuarnDoc>(messages);
    FillDistinct(*target);
    const auto before = std::make_unique<CQuarnDocData>(*target);

    std::vector<std::vector<uint8_t>> damaged;
    // Cut short anywhere: inside the counts, a window record, the version, a string, a table,
    // one byte before the end.
    for (size_t cut :
         {size_t{0}, size_t{1}, size_t{9}, size_t{40}, size_t{90}, size_t{93}, size_t{100},
          size_t{5000}, good.size() / 2, good.size() - 8, good.size() - 1}) {
        damaged.emplace_back(good.begin(), good.begin() + static_cast<long>(cut));
    }
    // A window count in the millions (4-byte form) and one that is just too large.
    std::vector<uint8_t> count = good;
    count[0] = count[1] = 0xFF;
    count.insert(count.begin() + 2, {0x40, 0x4B, 0x4C, 0x00});
    damaged.push_back(count);
    count = good;
    count[9] = 0xFF;  // south list: 65281 records cannot fit
    damaged.push_back(count);
    // A string longer than the rest of the file, in each prefix form.
    const size_t cityName = 16 + 72 + 8;
    for (std::vector<uint8_t> prefix :
         {std::vector<uint8_t>{0xFE}, std::vector<uint8_t>{0xFF, 0xFD, 0xFF},
          std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
          std::vector<uint8_t>{0xFF, 0xFE, 0xFF}}) {
        std::vector<uint8_t> b(good.begin(), good.begin() + static_cast<long>(cityName));
        b.insert(b.end(), prefix.begin(), prefix.end());
        b.insert(b.end(), 100, 'x');
        damaged.push_back(b);
    }

    for (const std::vector<uint8_t>& b : damaged) {
        messages.Clear();
        EXPECT_EQ(Load(*target, b), LoadStatus::kFailed) << b.size();
        EXPECT_EQ(messages.fileErrors.size(), 1u) << b.size();
        EXPECT_TRUE(messages.messages.empty());
        ASSERT_TRUE(static_cast<const CQuarnDocData&>(*target) == *before) << b.size();
    }
    ASSERT_EQ(Load(*target, good), LoadStatus::kLoaded);
    EXPECT_EQ(target->m_strProjectName, "Clinic");
}

TEST_F(ProjectFileTest, SaveAndLoadThroughFiles) {
    CTempDir dir;
    const std::string path = dir.File("office.Spc");
    doc->m_strProjectName = "Office";
    doc->SetModifiedFlag();
    ASSERT_TRUE(SaveProject(*doc, path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), path);

    // Replacing an existing file leaves no temporary file behind.
    doc->m_strProjectName = "Office 2";
    ASSERT_TRUE(SaveProject(*doc, path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);

    auto loaded = std::make_unique<CQuarnDoc>(messages);
    loaded->SetModifiedFlag();
    ASSERT_EQ(LoadProject(*loaded, path), LoadStatus::kLoaded);
    EXPECT_EQ(loaded->m_strProjectName, "Office 2");
    EXPECT_EQ(loaded->GetPathName(), path);
    EXPECT_FALSE(loaded->IsModified());

    EXPECT_EQ(LoadProject(*loaded, dir.File("missing.Spc")), LoadStatus::kFailed);
    EXPECT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_EQ(loaded->m_strProjectName, "Office 2");

    messages.Clear();
    EXPECT_FALSE(SaveProject(*doc, dir.File("no-such-folder/x.Spc")));
    EXPECT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_EQ(doc->GetPathName(), path);
}
