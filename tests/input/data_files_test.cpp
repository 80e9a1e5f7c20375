// The data files: what each reader accepts, refuses with the section's
// "no file" message, or ends the run on; and the writers read back.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "driver/text/console.h"
#include "input/data_files.h"
#include "input/dialogue_texts.h"

using namespace veldran;
using namespace veldran::testing;
using ::testing::HasSubstr;

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

std::string diagnostic(int number, const std::string& text, const std::string& file) {
    return "veldran: severe (" + std::to_string(number) + "): " + text + ", unit 10, file " + file +
           "\r\n";
}
std::string syntax(const std::string& file) {
    return diagnostic(59, "list-directed I/O syntax error", file);
}
std::string end_of_file(const std::string& file) {
    return diagnostic(24, "end-of-file during read", file);
}

/// n plies of material 1 at 0 degrees, one line each.
std::string plies(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "1 0\n";
    return s;
}

const std::string READ_PPROPS = keys({"S"});
const std::string READ_LAMINATE = keys({"S", "S", "S"});
const std::string READ_PLOADS = FILES_UP_TO_LOADS + keys({"S"});

const std::string REFUSED_PPROPS = MATERIALS_Q + NO_PPROPS + NMAT_PROMPT;
const std::string REFUSED_LAMINATE = LAMINATE_Q + NO_LAMINATE + SYMMETRIC_PROMPT;
const std::string REFUSED_PLOADS = LOADS_Q + NO_PLOADS + MENU;

struct BadFile {
    const char* name;
    Files files;
    std::string keyboard;
    std::string shown; // on the screen, or
    std::string error; // the first line of the diagnostic
};

const BadFile BAD_FILES[] = {
    {"PpropsMissing", {}, READ_PPROPS, REFUSED_PPROPS, ""},
    {"PpropsEmpty", {{"PPROPS", ""}}, READ_PPROPS, REFUSED_PPROPS, ""},
    {"PpropsCountUnreadable", {{"PPROPS", "two\n"}}, READ_PPROPS, REFUSED_PPROPS, ""},
    {"PpropsCountAboveFive",
     {{"PPROPS", "6\n1 2 3 4 5 6 7\n1 2 3 4 5 6 7\n1 2 3 4 5 6 7\n1 2 3 4 5 6 7\n"
                 "1 2 3 4 5 6 7\n1 2 3 4 5 6 7\n"}},
     READ_PPROPS,
     REFUSED_PPROPS,
     ""},
    {"PpropsShort", {{"PPROPS", "2\n1 2 3 4 5 6 7\n"}}, READ_PPROPS, "", end_of_file("PPROPS")},
    {"PpropsPropertyUnreadable",
     {{"PPROPS", "1\n1 2 x 4 5 6 7\n"}},
     READ_PPROPS,
     "",
     syntax("PPROPS")},
    {"PpropsCountZero",
     {{"PPROPS", "0\n"}},
     READ_PPROPS,
     crlf({"", "   LAS   0 PROPIEDADES DE LOS MATERIALES INTRODUCIDAS SON:", "",
           " MATL   E11        E22      NU12    G12", "", " MAT   ALP11     ALP22     ESPESOR"}) +
         CONFIRM,
     ""},

    {"LaminateMissing", {{"PPROPS", PPROPS_FILE}}, READ_LAMINATE, REFUSED_LAMINATE, ""},
    {"LaminateEmpty",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", ""}},
     READ_LAMINATE,
     REFUSED_LAMINATE,
     ""},
    {"LaminateSixtyOnePlies",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\n61\n" + plies(61)}},
     READ_LAMINATE,
     REFUSED_LAMINATE,
     ""},
    {"LaminateMaterialAboveNMAT",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\n3\n1 0\n3 90\n1 0\n"}},
     READ_LAMINATE,
     REFUSED_LAMINATE,
     ""},
    {"LaminateMaterialZero",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\n2\n0 0\n1 0\n"}},
     READ_LAMINATE,
     REFUSED_LAMINATE,
     ""},
    {"LaminateShort",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\n4\n1 0\n2 90\n"}},
     READ_LAMINATE,
     "",
     end_of_file("LAMINATE")},
    {"LaminateCountUnreadable",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\nfour\n"}},
     READ_LAMINATE,
     "",
     syntax("LAMINATE")},
    {"LaminatePlyUnreadable",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\n2\n1 0\n2 x\n"}},
     READ_LAMINATE,
     "",
     syntax("LAMINATE")},
    // Read as stored: neither mirrored nor doubled; a blank first line is a blank flag.
    {"LaminateUnsymmetricStack",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "\n3\n1 0\n2 45\n1 90\n"}},
     READ_LAMINATE,
     crlf({"", "   SE HA INTRODUCIDO UN TOTAL DE  3 LAMINAS:", "",
           "  LAM NO     MAT  NO       ESPESOR      ANGULO FIBRAS",
           "    1          1          0.125000             0.00",
           "    2          2          0.250000            45.00",
           "    3          1          0.125000            90.00", "",
           "   ESPESOR TOTAL DEL LAMINADO =  0.500000"}) +
         ANGLE_WARNING + CONFIRM,
     ""},
    {"LaminateInfiniteAngleWarns",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\n1\n1 1e39\n"}},
     READ_LAMINATE,
     crlf({"    1          1          0.125000              Inf", "",
           "   ESPESOR TOTAL DEL LAMINADO =  0.125000"}) +
         ANGLE_WARNING + CONFIRM,
     ""},
    {"LaminateCountZero",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", "Y\n0\n"}},
     READ_LAMINATE,
     crlf({"", "   SE HA INTRODUCIDO UN TOTAL DE  0 LAMINAS:", "",
           "  LAM NO     MAT  NO       ESPESOR      ANGULO FIBRAS", "",
           "   ESPESOR TOTAL DEL LAMINADO =  0.000000"}) +
         CONFIRM,
     ""},

    {"PloadsMissing",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", LAMINATE_FILE}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsEmpty",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", LAMINATE_FILE}, {"PLOADS", ""}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsShort",
     {{"PPROPS", PPROPS_FILE}, {"LAMINATE", LAMINATE_FILE}, {"PLOADS", "1\n0\n0 0 0 0 0 1\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsUnreadable",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "1\n0\n0 0 0 zero 0 1\n1 2 3\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsCodeZero",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "0\n0\n0 0 0 0 0 1\n1 2 3\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsCodeNine",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "9\n3\n0 0 0 0 0 1\n1 2 3\n10\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsNavierWithoutSeriesSize",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "4\n1\n0 0 0 0 0 1\n1 2 3\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsSeriesSizeZero",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "7\n2\n0 0 0 0 0 1\n1 2 3\n0\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsSeriesSizeFiftyOne",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "8\n3\n0 0 0 0 0 1\n1 2 3\n51\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsBucklingOptionFour",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "5\n4\n0 0 0 0 0 1\n1 2 3\n"}},
     READ_PLOADS,
     REFUSED_PLOADS,
     ""},
    {"PloadsPointLoad",
     {{"PPROPS", PPROPS_FILE},
      {"LAMINATE", LAMINATE_FILE},
      {"PLOADS", "8\n3\n1 2 0 0 0 5\n1 2 3\n50\n"}},
     READ_PLOADS,
     LOADS_Q + LOADS_HEADING +
         crlf({"", "",
               "   LA CARGA P = 0.500000E+01 SE ENCUENTRA APLICADA EN EL CENTRO DE LA PLACA", "",
               "", "", "    SE UTILIZARA UN MAXIMO VALOR DE m = n = 50",
               "    EN EL DESARROLLO EN SERIE DE FOURIER DE ESTA CARGA TRANSVERSAL", "", "",
               "   SE APLICAN LAS SIGUIENTES FUERZAS POR UNIDAD DE LONGITUD:", "",
               "       Nxx = 0.100000E+01", "       Nyy = 0.200000E+01", "", ""}) +
         CONFIRM,
     ""},
};

void PrintTo(const BadFile& c, std::ostream* os) {
    *os << c.name;
}

class DataFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(DataFile, RefusedFatalOrAccepted) {
    const BadFile& c = GetParam();
    ScratchDir dir;
    for (const auto& [name, content] : c.files) dir.put(name, content);
    const auto r = run_session(dir, c.keyboard);
    EXPECT_TRUE(ended_cleanly(r)) << r.err;
    if (!c.shown.empty()) {
        EXPECT_THAT(r.out, HasSubstr(c.shown));
    }
    if (!c.error.empty()) {
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DataFile, ::testing::ValuesIn(BAD_FILES),
                         [](const auto& p) { return std::string(p.param.name); });

// Reading a missing file creates it empty; it is written only on a yes.
TEST(DataFiles, MissingFileIsCreatedEmpty) {
    ScratchDir dir;
    run_session(dir, keys({"S"}));
    EXPECT_TRUE(dir.exists("PPROPS"));
    EXPECT_EQ(dir.get("PPROPS"), "");
}

// A directory in the place of a data file ends the run when the file is
// opened, for reading or for writing.
TEST(DataFiles, DirectoryOfThatNameEndsTheRun) {
    const struct {
        std::string name, keyboard;
    } cases[] = {{"PPROPS", READ_PPROPS},
                 {"PLOADS", UP_TO_LOADS + keys({"N", "6", "177", "22", "S"})}};
    for (const auto& c : cases) {
        ScratchDir dir;
        std::filesystem::create_directory(dir.file(c.name));
        const auto r = run_session(dir, c.keyboard);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, diagnostic(30, "open failure", c.name) +
                             crlf({"Traceback (innermost first):", "  INPUT", "  VELDRAN"}));
    }
}

text::TextSource source_of(const text::Lines& lines) {
    std::string content;
    for (const auto& l : lines.lines) content += l + "\n";
    return text::TextSource(content);
}

// What the writers write, the readers read back to the same values.
TEST(DataFiles, WritersReadBack) {
    MaterialTable m{};
    m.NMAT = 2;
    for (int i = 1; i <= 2; ++i) {
        m.E11[i] = 1.81e5f * float(i);
        m.E22[i] = 1.03e4f;
        m.NU12[i] = 0.28f;
        m.G12[i] = 7.17e3f;
        m.ALP11[i] = 2.0e-8f;
        m.ALP22[i] = -2.25e-5f;
        m.ESPESOR[i] = 0.1f * float(i);
    }
    PlyStack s{};
    s.SYMFLAG = 'Y';
    s.NPLY = 3;
    s.PLYMAT[1] = 1, s.PLYMAT[2] = 2, s.PLYMAT[3] = 1;
    s.PLYANG[1] = 0.0f, s.PLYANG[2] = -45.5f, s.PLYANG[3] = 90.0f;
    PlateProblem p{};
    p.LCASE = 7, p.LOPT = 2, p.MNMAX = 37;
    for (int i = 1; i <= 6; ++i) p.LOADS[i] = 1.5f * float(i) - 3.0f;
    p.TFREE = 177.0f, p.TASSEM = 22.25f, p.TSERV = -40.0f;

    text::Lines f1, f2, f3;
    write_PPROPS(f1, m);
    write_LAMINATE(f2, s);
    write_PLOADS(f3, p);
    auto src1 = source_of(f1), src2 = source_of(f2), src3 = source_of(f3);
    MaterialTable m2{};
    PlyStack s2{};
    PlateProblem p2{};
    ASSERT_TRUE(read_PPROPS(src1, m2));
    ASSERT_TRUE(read_LAMINATE(src2, m2.NMAT, s2));
    ASSERT_TRUE(read_PLOADS(src3, p2));

    EXPECT_EQ(m2.NMAT, 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(m2.E11[i], m.E11[i]);
        EXPECT_EQ(m2.ALP11[i], m.ALP11[i]);
        EXPECT_EQ(m2.ALP22[i], m.ALP22[i]);
        EXPECT_EQ(m2.ESPESOR[i], m.ESPESOR[i]);
    }
    EXPECT_EQ(s2.SYMFLAG, 'Y');
    EXPECT_EQ(s2.NPLY, 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(s2.PLYMAT[i], s.PLYMAT[i]);
        EXPECT_EQ(s2.PLYANG[i], s.PLYANG[i]);
        EXPECT_EQ(s2.PLYRAD[i], radians(s.PLYANG[i]));
    }
    EXPECT_EQ(s2.PLYRAD[2], -0.79412484f); // -45.5 * 3.1415927f / 180
    EXPECT_EQ(p2.LCASE, 7);
    EXPECT_EQ(p2.LOPT, 2);
    EXPECT_EQ(p2.MNMAX, 37);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(p2.LOADS[i], p.LOADS[i]);
    EXPECT_EQ(p2.TASSEM, 22.25f);
    EXPECT_EQ(p2.TSERV, -40.0f);
}

} // namespace
