#include "document/Options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "support/TestSupport.h"

namespace {

std::vector<uint8_t> OptionBytes(int a, int b, int c, int d) {
    std::vector<uint8_t> bytes;
    for (int v : {a, b, c, d}) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    }
    return bytes;
}

struct OptionsTest : ::testing::Test {
    CScopedConfigHome config;
    CRecordingMessages messages;
    std::unique_ptr<CQuarnDoc> doc = std::make_unique<CQuarnDoc>(messages);
};

}  // namespace

TEST_F(OptionsTest, MissingFileGivesTheTwoMessagesOnEveryNewProject) {
    for (int round = 0; round < 2; ++round) {
        messages.Clear();
        doc->m_nInputUnits = doc->m_nOutputUnits = doc->m_nDisplaySize = doc->m_nFontSize = 1;
        ASSERT_TRUE(doc->OnNewDocument());
        ASSERT_EQ(messages.fileErrors.size(), 1u);
        EXPECT_NE(messages.fileErrors[0].find("Options.cfg"), std::string::npos);
        EXPECT_EQ(messages.messages,
                  std::vector<std::string>{"Default options settings will be used."});
        EXPECT_EQ(doc->m_nInputUnits, 0);
        EXPECT_EQ(doc->m_nOutputUnits, 0);
        EXPECT_EQ(doc->m_nDisplaySize, 0);
        EXPECT_EQ(doc->m_nFontSize, 0);
    }
    // Not recreated until the user confirms the options.
    EXPECT_FALSE(std::filesystem::exists(config.OptionsPath()));
}

TEST_F(OptionsTest, PresentFileSetsEveryNewProject) {
    config.WriteOptions(OptionBytes(1, 0, 1, 1));
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(messages.fileErrors.empty());
    EXPECT_EQ(doc->IsInputMetric(), 1);
    EXPECT_EQ(doc->IsOutputEnglish(), 1);
    EXPECT_EQ(doc->IsDisplaySmall(), 1);
    EXPECT_EQ(doc->IsFontSmall(), 1);
}

TEST_F(OptionsTest, UnitValueTwoIsKeptAsTheNoUnitsState) {
    config.WriteOptions(OptionBytes(2, 2, 0, 0));
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_EQ(doc->m_nInputUnits, 2);
    EXPECT_EQ(doc->IsInputMetric(), 0);
    EXPECT_EQ(doc->IsInputEnglish(), 0);
    EXPECT_EQ(doc->GetInputTempUnit(), "");
    EXPECT_EQ(doc->GetOutputUnitsName(), "No Units Selected");
    // And it survives a save and load unchanged.
    CQuarnDoc loaded(messages);
    const std::vector<uint8_t> bytes = SerializeProject(*doc);
    ASSERT_EQ(LoadProjectBytes(loaded, bytes.data(), bytes.size(), "p.Spc"), LoadStatus::kLoaded);
    EXPECT_EQ(loaded.m_nInputUnits, 2);
    EXPECT_EQ(loaded.m_nOutputUnits, 2);
}

TEST_F(OptionsTest, ShortFileIsReportedAndKeepsWhatWasRead) {
    std::vector<uint8_t> bytes = OptionBytes(1, 1, 1, 1);
    bytes.resize(9);
    config.WriteOptions(bytes);
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(doc->m_nInputUnits, 1);
    EXPECT_EQ(doc->m_nOutputUnits, 1);
    EXPECT_EQ(doc->m_nDisplaySize, 0);
    EXPECT_EQ(doc->m_nFontSize, 0);
}

TEST_F(OptionsTest, WrittenFileIsSixteenBytesAndStartsTheNextProject) {
    const int values[kOptionCount] = {1, 0, 0, 1};
    ASSERT_TRUE(WriteOptionsFile(values, messages));  // creates the missing folder
    EXPECT_EQ(ReadFileBytes(config.OptionsPath()), OptionBytes(1, 0, 0, 1));
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_EQ(doc->m_nInputUnits, 1);
    EXPECT_EQ(doc->m_nFontSize, 1);
    EXPECT_TRUE(messages.fileErrors.empty());
}

TEST_F(OptionsTest, AProjectKeepsItsOwnSavedOptions) {
    config.WriteOptions(OptionBytes(1, 1, 1, 1));
    ASSERT_TRUE(doc->OnNewDocument());
    const std::vector<uint8_t> bytes = SerializeProject(*doc);
    config.WriteOptions(OptionBytes(0, 0, 0, 0));
    CQuarnDoc loaded(messages);
    ASSERT_EQ(LoadProjectBytes(loaded, bytes.data(), bytes.size(), "p.Spc"), LoadStatus::kLoaded);
    EXPECT_EQ(loaded.m_nInputUnits, 1);
    EXPECT_EQ(loaded.m_nOutputUnits, 1);
    EXPECT_EQ(loaded.m_nDisplaySize, 1);
    EXPECT_EQ(loaded.m_nFontSize, 1);
}
