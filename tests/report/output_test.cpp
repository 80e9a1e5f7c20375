// The first half of the report: banner, problem echo, stiffness matrices; and
// OUTPUT itself writing answer.txt and the screen.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "driver/text/console.h"
#include "report/output.h"
#include "report/report_fixture.h"
#include "support/session.h"

using namespace veldran;
using namespace veldran::testing;
using text::Lines;

namespace {

// The echo of the fixture problem, worked by hand from the field lists.
const Text ECHO = {
    "",
    "   LAS   1 PROPIEDADES DE LOS MATERIALES INTRODUCIDAS",
    "",
    " MAT    E11        E22      NU12     G12",
    "  1  0.181E+12  0.103E+11  0.28  0.717E+10",
    "",
    " MAT   ALP11     ALP22      ESPESOR",
    "  1  0.100E-05 0.200E-04 0.500E-02", // 34 characters: the thickness in E10.3
    "",
    "",
    " DESCRIPCION DEL MANINADO:",
    "",
    "",
    "     EL LAMINADO ES SIMETRICO",
    "     NUMERO TOTAL DE LAMINAS =   4",
    "     ESPESOR TOTAL DE LA PLACA =  0.020000",
    "",
    "",
    "     LONGITUD DE LA PLACA EN LA DIRECCION \"x\" = a = 0.200000E+01",
    "     ANCHO DE LA PLACA EN LA DIRECCION \"y\" = b = 0.100000E+01",
    "",
    "",
    "     LAM    MAT                  ANGULO",
    "     NO.    NO.     ESPESOR      FIBRAS",
    "      1      1     0.005000       0.00",
    "      2      1     0.005000      90.00",
    "      3      1     0.005000      90.00",
    "      4      1     0.005000       0.00",
};

Text echo_of(const ReportProblem& p) {
    Lines out;
    report::write_input_echo(out, p.mat, p.ply, p.plate, p.print, p.stiff);
    return out.lines;
}

// Matrices whose rows are easy to read: element (i,j) of matrix k is
// 10*i + j + 100*k, negative on the diagonal.
float element(int i, int j, int k) {
    const float v = static_cast<float>(10 * i + j + 100 * k);
    return i == j ? -v : v;
}

// Rows of a 3x3 matrix k in 3(3X, E13.6) and of the 6x6 in 6(E12.5, 1X).
Text rows3(int k) {
    const std::string h = std::to_string(k);
    return {"   -0." + h + "11000E+03    0." + h + "12000E+03    0." + h + "13000E+03",
            "    0." + h + "21000E+03   -0." + h + "22000E+03    0." + h + "23000E+03",
            "    0." + h + "31000E+03    0." + h + "32000E+03   -0." + h + "33000E+03"};
}
Text rows6(const std::string& exponent) {
    Text rows;
    for (int i = 1; i <= 6; ++i) {
        std::string r;
        for (int j = 1; j <= 6; ++j) {
            r += (j > 1 ? " " : "") + std::string(i == j ? "-" : " ") + "0." +
                 std::to_string(10 * i + j) + "000E" + exponent;
        }
        rows.push_back(r);
    }
    return rows;
}

ReportProblem with_matrices() {
    ReportProblem p;
    p.mat.NMAT = 2;
    p.mat.ESPESOR[2] = 0.25f;
    p.ply.PLYMAT[2] = 2;
    p.ply.PLYMAT[3] = 2;
    for (int k = 1; k <= 4; ++k)
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) {
                if (k <= 2) p.stiff.Q(i, j, k) = element(i, j, k);
                p.stiff.Qbar(i, j, k) = element(i, j, k + 2);
            }
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) {
            p.stiff.ABD(i, j) = element(i, j, 0);
            p.stiff.abd(i, j) = element(i, j, 0) / 100.0f;
        }
    return p;
}

Text q_block(int k) {
    return cat({{"", "   MATRIZ [Q] PARA EL MATERIAL NUMERO  " + std::to_string(k) + ":", ""},
                rows3(k)});
}
Text qbar_block(int k) {
    return cat({{"", "   MATRIZ [QBAR] PARA LA LAMINA NUMERO  " + std::to_string(k) + ":", ""},
                rows3(k + 2)});
}
const Text CLOSE = {"", "", ""}; // the record `/`, `/`
const Text HEADING = {"", "", "  MATRICES DE RIGIDEZ:", ""};
const Text ABD_BLOCK = cat({{"", "   LA MATRIZ [ABD] RESULTANTE ES:", ""}, rows6("+02")});
const Text abd_BLOCK = cat({{"", "   LA MATRIZ [abd] RESULTANTE ES:", ""}, rows6("+00")});

// What the print options add after the ply table.
Text matrices_of(const ReportProblem& p) {
    const Text all = echo_of(p);
    ReportProblem none = p;
    none.print = {'N', 'N', 'N', 'N'};
    const std::size_t n = echo_of(none).size();
    return Text(all.begin() + static_cast<std::ptrdiff_t>(n), all.end());
}

} // namespace

TEST(ReportEcho, MaterialsLaminatePlateAndPlyTableAsWorkedByHand) {
    const ReportProblem p;
    EXPECT_EQ(joined(echo_of(p)), joined(ECHO));
    EXPECT_EQ(ECHO[7].size(), 34u);
}

TEST(ReportEcho, PlyThicknessComesFromThePlysMaterial) {
    ReportProblem p = with_matrices();
    const Text out = echo_of(p);
    EXPECT_EQ(out[4], "  1  0.181E+12  0.103E+11  0.28  0.717E+10");
    EXPECT_EQ(out[5], "  2  0.000E+00  0.000E+00  0.00  0.000E+00");
    EXPECT_EQ(out[9], "  2  0.000E+00 0.000E+00 0.250E+00");
    EXPECT_EQ(out[27], "      2      2     0.250000      90.00");
    EXPECT_EQ(out[28], "      3      2     0.250000      90.00");
    EXPECT_EQ(out[29], "      4      1     0.005000       0.00");
}

TEST(ReportEcho, EmptyTablesKeepTheirHeadings) {
    ReportProblem p;
    p.mat.NMAT = 0;
    p.ply.NPLY = -2;
    p.ply.TTOTAL = 0.0f;
    const Text out = echo_of(p);
    const Text expected = {
        "", "   LAS   0 PROPIEDADES DE LOS MATERIALES INTRODUCIDAS", "",
        " MAT    E11        E22      NU12     G12", "", " MAT   ALP11     ALP22      ESPESOR",
        "", "", " DESCRIPCION DEL MANINADO:", "", "", "     EL LAMINADO ES SIMETRICO",
        "     NUMERO TOTAL DE LAMINAS =  -2", "     ESPESOR TOTAL DE LA PLACA =  0.000000", "", "",
        "     LONGITUD DE LA PLACA EN LA DIRECCION \"x\" = a = 0.200000E+01",
        "     ANCHO DE LA PLACA EN LA DIRECCION \"y\" = b = 0.100000E+01", "", "",
        "     LAM    MAT                  ANGULO", "     NO.    NO.     ESPESOR      FIBRAS"};
    EXPECT_EQ(joined(out), joined(expected));
}

TEST(ReportMatrices, EachPrintOptionAloneAndAllFour) {
    const struct {
        PrintOptions print;
        Text expected;
    } cases[] = {
        {{'N', 'n', ' ', 'X'}, {}},
        {{'n', 'N', 'N', 's'}, cat({HEADING, abd_BLOCK})},
        {{'N', 'N', 'S', 'N'}, cat({HEADING, ABD_BLOCK})},
        {{'s', 'N', 'N', 'N'}, cat({HEADING, q_block(1), q_block(2), CLOSE})},
        {{'N', 'S', 'N', 'N'},
         cat({HEADING, qbar_block(1), qbar_block(2), qbar_block(3), qbar_block(4), CLOSE})},
        // The order is fixed whatever the answers; only [Q] and [QBAR] close
        // with `/`, `/`.
        {{'S', 's', 'S', 's'},
         cat({HEADING, q_block(1), q_block(2), CLOSE, qbar_block(1), qbar_block(2),
              qbar_block(3), qbar_block(4), CLOSE, ABD_BLOCK, abd_BLOCK})},
    };
    for (const auto& c : cases) {
        ReportProblem p = with_matrices();
        p.print = c.print;
        EXPECT_EQ(joined(matrices_of(p)), joined(c.expected))
            << c.print.PRINT_Q << c.print.PRINT_QBAR << c.print.PRINT_ABD << c.print.PRINT_abd;
    }
}

TEST(ReportMatrices, QBlockClosesEvenWithNoMaterial) {
    ReportProblem p;
    p.mat.NMAT = 0;
    p.ply.NPLY = 0;
    p.print = {'S', 'S', 'N', 'N'};
    const Text out = echo_of(p);
    const Text tail(out.end() - 11, out.end());
    EXPECT_EQ(joined(tail), joined(cat({{"     NO.    NO.     ESPESOR      FIBRAS"}, HEADING, CLOSE,
                                        CLOSE})));
}

TEST(Report, BannerToTheFileOnlyThenEchoThenResults) {
    ReportProblem p;
    p.plate.LCASE = 6;
    Lines file_only, both;
    report::write_report(file_only, both, p.mat, p.ply, p.plate, p.print, p.stiff, p.res);
    EXPECT_EQ(joined(file_only.lines), joined(REPORT_BANNER));
    Lines results;
    report::write_results(results, p.plate, p.res);
    EXPECT_EQ(joined(both.lines), joined(cat({ECHO, results.lines})));
}

// OUTPUT itself, in a scratch working directory: answer.txt replaced as a
// whole, the screen showing the same records without the banner.
TEST(Report, OutputWritesAnswerTxtAndTheSameRecordsToTheScreen) {
    ScratchDir dir;
    dir.put("answer.txt", std::string(5000, 'x') + "\r\n");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ReportProblem p;
    p.plate.LCASE = 2;
    ::testing::internal::CaptureStdout();
    OUTPUT(p.mat, p.ply, p.plate, p.print, p.stiff, p.res);
    const std::string screen = ::testing::internal::GetCapturedStdout();
    std::filesystem::current_path(old);

    Lines both;
    Lines banner;
    report::write_report(banner, both, p.mat, p.ply, p.plate, p.print, p.stiff, p.res);
    std::string expected_screen;
    for (const auto& l : both.lines) expected_screen += l + "\r\n";
    std::string banner_bytes;
    for (const auto& l : banner.lines) banner_bytes += l + "\r\n";
    EXPECT_EQ(screen, expected_screen);
    EXPECT_EQ(dir.get("answer.txt"), banner_bytes + expected_screen);
}
