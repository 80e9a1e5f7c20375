// Whole runs of the built program, byte for byte: every problem of examples/
// and every session of tests/report/expected/, then the report file's own
// troubles (a second run, refusals, links, a read-only folder) and plates
// whose arithmetic breaks down.
//
// A session folder holds `keys` (the keystrokes), `answer.txt` (the report)
// and `dialogue` (the screen up to the report); PPROPS, LAMINATE and PLOADS
// when the session reads them.  The examples keep their `dialogue` under
// tests/report/expected/<example>/.  How the figures were checked is told in
// examples/README.md and tests/report/expected/README.md.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "report/report_fixture.h"
#include "support/session.h"

using namespace veldran::testing;
namespace fs = std::filesystem;

namespace {

const fs::path EXAMPLES = fs::path(VELDRAN_SOURCE_DIR) / "examples";
const fs::path EXPECTED = fs::path(VELDRAN_SOURCE_DIR) / "tests/report/expected";
const char* const DATA_FILES[] = {"PPROPS", "LAMINATE", "PLOADS"};

// The report banner as bytes.
const std::string BANNER = [] {
    std::string s;
    for (const auto& line : REPORT_BANNER) s += line + "\r\n";
    return s;
}();

// What the screen shows after the report.
const std::string CLOSING = crlf({
    "   ",
    "   ",
    " EL TRABAJO TERMINO CON NORMALIDAD",
    " LOS RESULTADOS SE HAN ALMACENADO EN EL ARCHIVO \"Answer.txt\"",
    "PULSE INTRO PARA CONTINUAR, O ESCRIBA UNA ORDEN SEGUIDA DE INTRO",
});

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A session's file: its own folder first, then the example of that name.
fs::path session_file(const std::string& name, const std::string& file) {
    const fs::path own = EXPECTED / name / file;
    return fs::exists(own) ? own : EXAMPLES / name / file;
}

std::vector<std::string> folders(const fs::path& root) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(root))
        if (e.is_directory()) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Copies the session's data files into `dir`.
void put_data_files(const ScratchDir& dir, const std::string& name) {
    for (const char* f : DATA_FILES) {
        const fs::path p = session_file(name, f);
        if (fs::exists(p)) dir.put(f, slurp(p));
    }
}

std::string diagnostic(int number, const std::string& text) {
    return crlf({"veldran: severe (" + std::to_string(number) + "): " + text +
                     ", unit 11, file answer.txt",
                 "Traceback (innermost first):", "  OUTPUT", "  VELDRAN"});
}

std::size_t entries(const ScratchDir& d) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(d.path()), {}));
}

} // namespace

// ------------------------------------------------------------ whole sessions

class ReportSession : public ::testing::TestWithParam<std::string> {};

TEST_P(ReportSession, ScreenAndReportByteForByte) {
    const std::string name = GetParam();
    ScratchDir dir;
    put_data_files(dir, name);
    const auto r = run_session(dir, slurp(session_file(name, "keys")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    const std::string answer = slurp(session_file(name, "answer.txt"));
    EXPECT_EQ(dir.get("answer.txt"), answer);
    // The screen: the dialogue, the report without its banner, the closing.
    ASSERT_EQ(answer.substr(0, BANNER.size()), BANNER);
    EXPECT_EQ(r.out, slurp(EXPECTED / name / "dialogue") + answer.substr(BANNER.size()) + CLOSING);
    // Data files read and confirmed come back unchanged.
    for (const char* f : DATA_FILES) {
        const fs::path p = session_file(name, f);
        if (fs::exists(p)) {
            EXPECT_EQ(dir.get(f), slurp(p)) << f;
        }
    }
}

std::string folder_name(const ::testing::TestParamInfo<std::string>& param) {
    return param.param;
}

INSTANTIATE_TEST_SUITE_P(Examples, ReportSession, ::testing::ValuesIn(folders(EXAMPLES)),
                         folder_name);

// The typed sessions: every folder of expected/ that is not an example's.
std::vector<std::string> typed_sessions() {
    std::vector<std::string> names;
    for (const auto& n : folders(EXPECTED))
        if (!fs::exists(EXAMPLES / n)) names.push_back(n);
    return names;
}
INSTANTIATE_TEST_SUITE_P(Typed, ReportSession, ::testing::ValuesIn(typed_sessions()),
                         folder_name);

// ------------------------------------------------------------ the report file

namespace {

// A run of an example in a prepared directory.
SessionResult run_example(const ScratchDir& dir, const std::string& name,
                          User user = User::Self) {
    put_data_files(dir, name);
    return run_session(dir, slurp(EXAMPLES / name / "keys"), user);
}

const std::string OLD = "an earlier report\r\n";

} // namespace

TEST(ReportFile, ASecondRunLeavesOnlyItsOwnReport) {
    ScratchDir dir;
    ASSERT_EQ(run_example(dir, "case5_buckling_nxx_held").status, 0); // the longer report
    ASSERT_EQ(run_example(dir, "case6_thermal").status, 0);
    EXPECT_EQ(dir.get("answer.txt"), slurp(EXAMPLES / "case6_thermal/answer.txt"));
    EXPECT_EQ(entries(dir), 4u); // no temporary file left behind
}

TEST(ReportFile, ADirectoryNamedAnswerTxtIsAnOpenFailure) {
    ScratchDir dir;
    fs::create_directory(dir.file("answer.txt"));
    dir.put("answer.txt/keep", OLD);
    const auto r = run_example(dir, "case6_thermal");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, diagnostic(30, "open failure"));
    // Nothing of the report, no closing lines, no pause.
    EXPECT_EQ(r.out, slurp(EXPECTED / "case6_thermal/dialogue"));
    EXPECT_EQ(dir.get("answer.txt/keep"), OLD);
}

TEST(ReportFile, RefusedByPermissions) {
    if (!permissions_can_refuse()) GTEST_SKIP() << "root without a way to drop privileges";
    const struct {
        const char* what;
        fs::perms folder;
        bool old_file;
    } cases[] = {
        {"a read-only answer.txt", fs::perms::all, true},
        {"a folder where answer.txt cannot be made", fs::perms(0555), false},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        put_data_files(dir, "case2_sinusoidal_s4");
        for (const char* f : DATA_FILES) fs::permissions(dir.file(f), fs::perms(0666));
        if (c.old_file) {
            dir.put("answer.txt", OLD);
            fs::permissions(dir.file("answer.txt"), fs::perms(0444));
        }
        fs::permissions(dir.path(), c.folder);
        const auto r = run_example(dir, "case2_sinusoidal_s4", User::Unprivileged);
        fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_EQ(r.err, diagnostic(9, "permission to access file denied")) << c.what;
        EXPECT_EQ(r.out, slurp(EXPECTED / "case2_sinusoidal_s4/dialogue")) << c.what;
        EXPECT_EQ(dir.exists("answer.txt"), c.old_file) << c.what;
        if (c.old_file) {
            EXPECT_EQ(dir.get("answer.txt"), OLD) << c.what;
        }
        EXPECT_EQ(entries(dir), 3u + (c.old_file ? 1u : 0u)) << c.what;
    }
}

TEST(ReportFile, AReadOnlyFolderHoldingAWritableReportGetsItRewrittenInPlace) {
    if (!permissions_can_refuse()) GTEST_SKIP() << "root without a way to drop privileges";
    ScratchDir dir;
    put_data_files(dir, "case6_thermal");
    for (const char* f : DATA_FILES) fs::permissions(dir.file(f), fs::perms(0666));
    dir.put("answer.txt", std::string(20000, 'x'));
    fs::permissions(dir.file("answer.txt"), fs::perms(0666));
    fs::permissions(dir.path(), fs::perms(0555));
    const auto r = run_example(dir, "case6_thermal", User::Unprivileged);
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.get("answer.txt"), slurp(EXAMPLES / "case6_thermal/answer.txt"));
}

TEST(ReportFile, ALinkNamedAnswerTxtStaysALinkToTheNewReport) {
    ScratchDir dir;
    fs::create_directory(dir.file("reports"));
    dir.put("reports/plate.txt", OLD);
    fs::create_symlink("reports/plate.txt", dir.file("answer.txt"));
    ASSERT_EQ(run_example(dir, "case1_sinusoidal_s1").status, 0);
    EXPECT_TRUE(fs::is_symlink(dir.file("answer.txt")));
    EXPECT_EQ(dir.get("reports/plate.txt"), slurp(EXAMPLES / "case1_sinusoidal_s1/answer.txt"));
}

// ------------------------------------------------------------ broken arithmetic

TEST(ReportArithmetic, ZeroWidthAndSingularLaminateRunToTheEnd) {
    const struct {
        const char* what;
        std::string keys;
        std::vector<std::string> lines; // records the report must hold
    } cases[] = {
        // b = 0: the aspect ratio is infinite and (b*R)^4 is 0 times infinity.
        {"zero width", "S\nS\nS\nS\n0.3\n0\nS\nS\nS\nN\nN\nN\nN\n\n",
         {"   EL MAXIMO DESPLAZAMIENTO TRANSVERSAL =          NaN"}},
        // No ply: [ABD] is zero and [abd] not a number; only the in-plane
        // forces hold the plate, w = q0*a^2/(pi^2*(Nxx + Nyy)) for a square
        // plate = 100*0.09/(9.8696*(-500)) = -1.82378E-3.
        {"singular laminate", "S\nS\nN\n0\nS\n0.3\n0.3\nS\nS\nS\nN\nN\nN\nS\n\n",
         {"         NaN          NaN          NaN          NaN          NaN          NaN",
          "   EL MAXIMO DESPLAZAMIENTO TRANSVERSAL = -.182378E-02"}},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        put_data_files(dir, "case2_sinusoidal_s4");
        const auto r = run_session(dir, c.keys);
        EXPECT_EQ(r.status, 0) << c.what << r.err;
        const std::string answer = dir.get("answer.txt");
        for (const auto& line : c.lines) {
            EXPECT_NE(answer.find("\n" + line + "\r\n"), std::string::npos) << c.what << line;
        }
        EXPECT_TRUE(
            answer.ends_with("   ESTE DESPLAZAMIENTO CORRESPONDE AL CENTRO DE LA PLACA\r\n"));
        EXPECT_TRUE(r.out.ends_with(answer.substr(BANNER.size()) + CLOSING)) << c.what;
    }
}
