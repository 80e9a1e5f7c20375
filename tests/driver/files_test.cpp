// Data files and the report on disk: whole replacement, links kept,
// permission bits kept, refusals found at the open.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "driver/text/diagnostics.h"
#include "driver/text/files.h"
#include "support/session.h"

using namespace veldran::text;
using veldran::testing::ScratchDir;
namespace fs = std::filesystem;

namespace {

void write_two_records(const std::string& path) {
    TextFile f(path, DATA_UNIT);
    f.record("Y");
    f.record("           4");
    f.close();
}

std::size_t entries(const ScratchDir& d) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(d.path()), {}));
}

} // namespace

TEST(TextFile, ReplacesTheWholeFileWithCrLfRecords) {
    ScratchDir dir;
    dir.put("LAMINATE", std::string(500, 'x'));
    chmod(dir.file("LAMINATE").c_str(), 0640);
    write_two_records(dir.file("LAMINATE"));
    EXPECT_EQ(dir.get("LAMINATE"), "Y\r\n           4\r\n");
    struct stat st;
    ASSERT_EQ(stat(dir.file("LAMINATE").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(dir), 1u); // no temporary file left behind
}

TEST(TextFile, NewFileGetsTheUsualModeAndALinkStaysALink) {
    ScratchDir dir;
    const mode_t old = umask(022);
    write_two_records(dir.file("PLOADS"));
    umask(old);
    struct stat st;
    ASSERT_EQ(stat(dir.file("PLOADS").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);

    fs::create_directory(dir.file("real"));
    fs::create_symlink("real/target", dir.file("link"));
    write_two_records(dir.file("link"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link")));
    EXPECT_EQ(dir.get("real/target"), "Y\r\n           4\r\n");
}

TEST(TextFile, NothingChangesUntilClose) {
    ScratchDir dir;
    dir.put("PPROPS", "old\r\n");
    {
        TextFile f(dir.file("PPROPS"), DATA_UNIT);
        f.record("new");
        EXPECT_EQ(dir.get("PPROPS"), "old\r\n");
    } // dropped without close: the old content stays, the temporary goes
    EXPECT_EQ(dir.get("PPROPS"), "old\r\n");
    EXPECT_EQ(entries(dir), 1u);
}

TEST(TextFileDeathTest, ADirectoryOfThatNameIsAnOpenFailure) {
    ScratchDir dir;
    fs::create_directory(dir.file("answer.txt"));
    EXPECT_EXIT(TextFile(dir.file("answer.txt"), REPORT_UNIT), ::testing::ExitedWithCode(1),
                "severe \\(30\\): open failure, unit 11");
    EXPECT_EXIT(open_for_reading(dir.file("answer.txt"), DATA_UNIT), ::testing::ExitedWithCode(1),
                "severe \\(30\\): open failure, unit 10");
}

TEST(OpenForReading, AMissingFileIsCreatedEmpty) {
    ScratchDir dir;
    auto src = open_for_reading(dir.file("PPROPS"), DATA_UNIT);
    std::string line;
    EXPECT_FALSE(src->next_line(line));
    EXPECT_TRUE(dir.exists("PPROPS"));
    EXPECT_EQ(dir.get("PPROPS"), "");
}
