// The decoded data files are kept for the process and shared by every document; what is kept
// must never hide a file changed on disk, nor a missing or damaged one.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "document/QuarnDoc.h"
#include "support/InstallDir.h"
#include "support/NewProjectTest.h"
#include "tables/DataFiles.h"
#include "tables/ReferenceReader.h"
#include "tables/TableCache.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::minutes;

constexpr int kWallGroupC = 28;  // the wall CLTD file of group C (m_nWallGroup 30)

// A copy of the real data files, dated an hour back as an installation's files are.
struct ReferenceCacheTest : NewProjectTest {
    CScopedInstallDir install;

    void SetUp() override {
        NewProjectTest::SetUp();
        for (const DataFileShape& shape : AllDataFiles()) {
            const std::string name = DataFileName(shape.nNumber);
            fs::copy_file(std::string(THERMAVO_DATA_DIR) + name, install.Path() + name);
            Date(shape.nNumber, minutes(60));
        }
        Prepare(*doc);
    }

    std::string PathOf(int number) const { return install.Path() + DataFileName(number); }
    void Date(int number, minutes age) const {
        fs::last_write_time(PathOf(number), fs::file_time_type::clock::now() - age);
    }
    static void Prepare(CQuarnDoc& d) {
        d.m_nCityIndex = 106;
        d.m_nWallGroup = 30;
        d.m_nBClass = 20;
    }
    // A wall CLTD table whose cells tell the version, row and column.
    void WriteWallTable(double version, minutes age) const {
        install.WriteTable(kWallGroupC, [version](int r, int c) { return version + r + c / 32.0; });
        Date(kWallGroupC, age);
    }
    std::vector<std::string> ErrorsAfterRecalculation() {
        messages.Clear();
        doc->RecalcGeneralData();
        return messages.fileErrors;
    }
};

TEST_F(ReferenceCacheTest, DocumentsShareOneReadOfEachFileWithIdenticalResults) {
    const size_t before = TableCacheLoads();
    doc->RecalcGeneralData();
    doc->FinishInput();
    ASSERT_TRUE(messages.fileErrors.empty()) << messages.fileErrors.front();
    const size_t read = TableCacheLoads() - before;
    EXPECT_GE(read, 10u);

    auto second = std::make_unique<CQuarnDoc>(messages);
    ASSERT_TRUE(second->OnNewDocument());
    Prepare(*second);
    second->RecalcGeneralData();
    second->FinishInput();
    doc->RecalcGeneralData();
    doc->FinishInput();
    EXPECT_EQ(TableCacheLoads() - before, read);
    EXPECT_TRUE(static_cast<const CQuarnDocData&>(*second) == *doc);
    EXPECT_EQ(ReadSharedReferenceTable(kWallGroupC, messages).get(),
              ReadSharedReferenceTable(kWallGroupC, messages).get());

    // Read cold, the files give the very same document.
    ClearTableCache();
    auto cold = std::make_unique<CQuarnDoc>(messages);
    ASSERT_TRUE(cold->OnNewDocument());
    Prepare(*cold);
    cold->RecalcGeneralData();
    cold->FinishInput();
    EXPECT_EQ(TableCacheLoads() - before, 2 * read);
    EXPECT_TRUE(static_cast<const CQuarnDocData&>(*cold) == *doc);
}

TEST_F(ReferenceCacheTest, AReplacedFileIsReadAgainOnTheNextRecalculation) {
    doc->RecalcGeneralData();
    const size_t before = TableCacheLoads();
    WriteWallTable(1, minutes(30));  // same size, a new modification time
    ASSERT_TRUE(ErrorsAfterRecalculation().empty());
    EXPECT_EQ(doc->m_dCLTDWall[3][14], 1 + 3 + 14 / 32.0);
    EXPECT_EQ(TableCacheLoads() - before, 1u);  // that file alone

    // A new file renamed over it, bearing the old one's size and date, as an unpacked archive
    // or a synchronising tool can leave it.
    const fs::file_time_type date = fs::last_write_time(PathOf(kWallGroupC));
    TableData table{9, 25, {}};
    for (int i = 0; i < 9 * 25; ++i) table.values.push_back(2 + i / 25 + i % 25 / 32.0);
    const std::string fresh = PathOf(kWallGroupC) + ".new";
    WriteFileBytes(fresh, EncodeTable(table));
    fs::rename(fresh, PathOf(kWallGroupC));
    fs::last_write_time(PathOf(kWallGroupC), date);
    ASSERT_TRUE(ErrorsAfterRecalculation().empty());
    EXPECT_EQ(doc->m_dCLTDWall[3][14], 2 + 3 + 14 / 32.0);
}

// Each recalculation reports a missing or damaged file with the same message and keeps the rows
// it had; a sound file put back is taken up at once.
TEST_F(ReferenceCacheTest, MissingAndDamagedFilesAreReportedOnEveryRecalculation) {
    WriteWallTable(1, minutes(30));
    ASSERT_TRUE(ErrorsAfterRecalculation().empty());
    const double kept = doc->m_dCLTDWall[3][14];

    auto expectReportedTwice = [&](const std::string& cause) {
        const std::vector<std::string> first = ErrorsAfterRecalculation();
        ASSERT_EQ(first.size(), 1u);
        EXPECT_NE(first[0].find(DataFileName(kWallGroupC) + ": " + cause), std::string::npos)
            << first[0];
        EXPECT_EQ(ErrorsAfterRecalculation(), first);
        EXPECT_EQ(doc->m_dCLTDWall[3][14], kept);
    };
    install.Remove(kWallGroupC);
    expectReportedTwice("");
    install.WriteBytes(kWallGroupC, std::vector<uint8_t>(1799));
    Date(kWallGroupC, minutes(20));
    expectReportedTwice("The reference data file is damaged: 1799 bytes");
    install.WriteTable(kWallGroupC, [](int r, int c) { return r == 2 && c == 5 ? 500.0 : 1.0; });
    Date(kWallGroupC, minutes(10));
    expectReportedTwice("The reference data file is damaged: row 2, column 5 holds 500");

    WriteWallTable(3, minutes(5));
    ASSERT_TRUE(ErrorsAfterRecalculation().empty());
    EXPECT_EQ(doc->m_dCLTDWall[3][14], 3 + 3 + 14 / 32.0);
}

// A file rewritten in place keeps its size and, within the file system's time step, its dates:
// one modified moments before it was read is read again each time.
TEST(ReferenceCache, AFileRewrittenInPlaceAtOnceIsNeverTakenForTheOneRead) {
    CScopedInstallDir install;
    CRecordingMessages messages;
    for (int version = 0; version < 20; ++version) {
        install.WriteTable(kWallGroupC, [version](int r, int c) { return version + r + c / 32.0; });
        const std::shared_ptr<const TableData> table =
            ReadSharedReferenceTable(kWallGroupC, messages);
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->At(8, 24), version + 8.75);
    }
    EXPECT_TRUE(messages.fileErrors.empty());
}

// Threads recalculating at once (batch use) fill, find and forget entries together.
TEST(ReferenceCache, ThreadsReadingWhileTheCacheIsClearedGetTheirTables) {
    CScopedInstallDir install;
    for (int n = 26; n <= 34; ++n) {
        install.WriteTable(n, [n](int r, int c) { return n + r + c / 32.0; });
        fs::last_write_time(install.Path() + DataFileName(n),
                            fs::file_time_type::clock::now() - minutes(60));
    }
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &wrong] {
            CSilentMessages messages;
            for (int round = 0; round < 400; ++round) {
                if (t == 0) ClearTableCache();
                for (int n = 26; n <= 34; ++n) {
                    const auto table = ReadSharedReferenceTable(n, messages);
                    if (table == nullptr || table->At(8, 24) != n + 8.75) ++wrong[t];
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
