// Fatal diagnostics: number, text, unit, file, traceback, status.

#include <gtest/gtest.h>

#include "driver/text/console.h"
#include "driver/text/diagnostics.h"

using namespace veldran::text;

namespace {

void read_one_integer(const char* text, int unit, const char* name) {
    Routine outer("VELDRAN");
    Routine inner("INPUT");
    TextSource src(text, unit, name);
    std::int32_t n = 0;
    list_read(src, {&n});
}

} // namespace

TEST(DiagnosticsDeathTest, ReadFailuresWithoutABranchAreFatal) {
    EXPECT_EXIT(read_one_integer("abc\n", 5, "/dev/stdin"), ::testing::ExitedWithCode(1),
                "^veldran: severe \\(59\\): list-directed I/O syntax error, unit 5, file "
                "/dev/stdin\r\nTraceback \\(innermost first\\):\r\n  INPUT\r\n  VELDRAN\r\n$");
    EXPECT_EXIT(read_one_integer("", 10, "PPROPS"), ::testing::ExitedWithCode(1),
                "^veldran: severe \\(24\\): end-of-file during read, unit 10, file PPROPS\r\n");
    EXPECT_EXIT(read_one_integer("2.5\n", 5, "/dev/stdin"), ::testing::ExitedWithCode(1),
                "severe \\(59\\)");
    EXPECT_EXIT(
        {
            TextSource src("", 5, "/dev/stdin");
            read_char(src);
        },
        ::testing::ExitedWithCode(1), "severe \\(24\\): end-of-file during read, unit 5");
}

TEST(DiagnosticsDeathTest, FileDiagnosticsNameUnitAndFile) {
    const struct {
        Diag d;
        const char* text;
    } cases[] = {
        {Diag::Permission, "severe \\(9\\): permission to access file denied, unit 11, file answer.txt"},
        {Diag::OpenFailure, "severe \\(30\\): open failure, unit 11, file answer.txt"},
        {Diag::WriteError, "severe \\(38\\): error during write, unit 11, file answer.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EXIT(fatal(c.d, REPORT_UNIT, "answer.txt"), ::testing::ExitedWithCode(1), c.text);
}
