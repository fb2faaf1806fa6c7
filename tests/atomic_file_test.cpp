#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/AtomicFile.h"
#include "document/ProjectFile.h"
#include "support/NewProjectTest.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kNew = {'n', 'e', 'w', ' ', 'b', 'y', 't', 'e', 's'};

std::string Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string cause;
    return WriteFileAtomically(path, bytes, cause) ? "" : "failed: " + cause;
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
}

mode_t ModeOf(const std::string& path) { return StatOf(path).st_mode & 07777; }

size_t EntriesIn(const fs::path& dir) {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// Plants a failure at one step of the atomic writer for the test's lifetime.
class CScopedWriteFault {
  public:
    explicit CScopedWriteFault(AtomicWriteStep step) {
        s_step = step;
        SetAtomicWriteFaultHook([](AtomicWriteStep at) { return at == s_step ? EIO : 0; });
    }
    ~CScopedWriteFault() { SetAtomicWriteFaultHook(nullptr); }
    CScopedWriteFault(const CScopedWriteFault&) = delete;
    CScopedWriteFault& operator=(const CScopedWriteFault&) = delete;

  private:
    static inline AtomicWriteStep s_step = AtomicWriteStep::kWrite;
};

}  // namespace

TEST(AtomicFile, SavingThroughALinkUpdatesTheFileItNames) {
    CTempDir dir;
    fs::create_directory(dir.Path() / "projects");
    const std::string real = dir.File("projects/real.Spc");
    WriteFileBytes(real, kOld);
    // A relative link in another folder, and a link to that link.
    fs::create_symlink("projects/real.Spc", dir.Path() / "link.Spc");
    fs::create_symlink(dir.Path() / "link.Spc", dir.Path() / "projects/again.Spc");

    ASSERT_EQ(Write(dir.File("link.Spc"), kNew), "");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.Spc"));
    EXPECT_EQ(fs::read_symlink(dir.Path() / "link.Spc"), "projects/real.Spc");
    EXPECT_EQ(ReadFileBytes(real), kNew);

    ASSERT_EQ(Write(dir.File("projects/again.Spc"), kOld), "");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "projects/again.Spc"));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.Spc"));
    EXPECT_EQ(ReadFileBytes(real), kOld);
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);  // no temporary file left beside either link
    EXPECT_EQ(EntriesIn(dir.Path() / "projects"), 2u);

    // A link to a file not yet there creates that file and stays a link.
    fs::create_symlink("later.Spc", dir.Path() / "dangling.Spc");
    ASSERT_EQ(Write(dir.File("dangling.Spc"), kNew), "");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "dangling.Spc"));
    EXPECT_EQ(ReadFileBytes(dir.File("later.Spc")), kNew);

    // A loop of links is refused, and nothing is created.
    fs::create_symlink("b.Spc", dir.Path() / "a.Spc");
    fs::create_symlink("a.Spc", dir.Path() / "b.Spc");
    EXPECT_EQ(Write(dir.File("a.Spc"), kNew), std::string("failed: ") + std::strerror(ELOOP));
    EXPECT_EQ(EntriesIn(dir.Path()), 6u);
}

TEST(AtomicFile, ReplacedFilesKeepTheirModeAndNewFilesGetTheUsualOne) {
    CTempDir dir;
    const std::string path = dir.File("shared.Spc");
    WriteFileBytes(path, kOld);
    for (const mode_t mode : {0640, 0600, 0664}) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_EQ(Write(path, kNew), "");
        EXPECT_EQ(ModeOf(path), mode);
        EXPECT_EQ(ReadFileBytes(path), kNew);
    }

    // A new file has the mode of any file the process creates.
    { std::ofstream(dir.File("reference")) << "x"; }
    ASSERT_EQ(Write(dir.File("new.Spc"), kNew), "");
    EXPECT_EQ(ModeOf(dir.File("new.Spc")), ModeOf(dir.File("reference")));

    // A process that may keep the owner keeps it.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
        ASSERT_EQ(Write(path, kOld), "");
        EXPECT_EQ(StatOf(path).st_uid, 4242u);
        EXPECT_EQ(StatOf(path).st_gid, 4343u);
        EXPECT_EQ(ModeOf(path), 0664u);
    }
}

TEST(AtomicFile, AFailedWriteKeepsThePreviousFile) {
    CTempDir dir;
    const std::string path = dir.File("office.Spc");
    WriteFileBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    for (const AtomicWriteStep step :
         {AtomicWriteStep::kWrite, AtomicWriteStep::kSync, AtomicWriteStep::kRename}) {
        SCOPED_TRACE(static_cast<int>(step));
        CScopedWriteFault fault(step);
        EXPECT_EQ(Write(path, kNew), std::string("failed: ") + std::strerror(EIO));
        EXPECT_EQ(ReadFileBytes(path), kOld);
        EXPECT_EQ(ModeOf(path), 0640u);
        EXPECT_EQ(EntriesIn(dir.Path()), 1u);
    }
    ASSERT_EQ(Write(path, kNew), "");  // the seam is gone with its guard
    EXPECT_EQ(ReadFileBytes(path), kNew);
}

TEST(AtomicFile, AFolderThatCannotBeWrittenKeepsThePreviousFile) {
    CTempDir dir;
    const fs::path folder = dir.Path() / "locked";
    fs::create_directory(folder);
    const std::string path = (folder / "office.Spc").string();
    WriteFileBytes(path, kOld);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    if (::access(folder.c_str(), W_OK) == 0) {
        ::chmod(folder.c_str(), 0755);
        GTEST_SKIP() << "this user writes into read-only folders; the injected faults cover it";
    }
    const std::string result = Write(path, kNew);
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(result, std::string("failed: ") + std::strerror(EACCES));
    EXPECT_EQ(ReadFileBytes(path), kOld);
    EXPECT_EQ(EntriesIn(folder), 1u);
}

// The project save reports the writer's failure and leaves the document's state as it was.
struct AtomicProjectSaveTest : NewProjectTest {};

TEST_F(AtomicProjectSaveTest, AFailedSaveReportsAndKeepsTheFile) {
    CTempDir dir;
    const std::string path = dir.File("office.Spc");
    doc->m_strProjectName = "First";
    ASSERT_TRUE(SaveProject(*doc, path));
    const std::vector<uint8_t> saved = ReadFileBytes(path);

    doc->m_strProjectName = "Second";
    doc->SetModifiedFlag();
    {
        CScopedWriteFault fault(AtomicWriteStep::kWrite);
        EXPECT_FALSE(SaveProject(*doc, path));
    }
    ASSERT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_EQ(messages.fileErrors[0], path + ": " + std::strerror(EIO));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(ReadFileBytes(path), saved);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}
