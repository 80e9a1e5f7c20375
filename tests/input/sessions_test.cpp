// Whole dialogues typed at the keyboard, one per load case, checked byte for
// byte on the screen and in the three data files; then a second run reads
// the files back, confirms them and must show the same summaries and leave
// the same files.

#include <gtest/gtest.h>

#include "input/dialogue_texts.h"

using namespace veldran::testing;

namespace {

const std::string ZERO = "  0.0000000E+00";
const std::string ZEROS5 = ZERO + ZERO + ZERO + ZERO + ZERO;

const std::string SINUSOID =
    crlf({"", "", "    LA PLACA SE ENCUENTRA SOMETIDA A LA CARGA TRANSVERSAL SINUSOIDAL:",
          "     q(x,y) = (0.150000E+01)*sen(Pi*x/a)*sen(Pi*y/b)", "", ""});
const std::string TEMPERATURES = crlf({"", "  TEMPERATURA (ESTADO LIBRE DE TENSIONES) =    22.0",
                                       "  TEMPERATURA DE MONTAJE DE LA ESTRUCTURA =   150.0",
                                       "  TEMPERATURA DE SERVICIO =   -40.0"});
std::string forces(const std::string& nxx, const std::string& nyy) {
    return crlf({"   SE APLICAN LAS SIGUIENTES FUERZAS POR UNIDAD DE LONGITUD:", "",
                 "       Nxx = " + nxx, "       Nyy = " + nyy, "", ""});
}
std::string series(const std::string& mn) {
    return crlf({"", "", "    SE UTILIZARA UN MAXIMO VALOR DE m = n = " + mn,
                 "    EN EL DESARROLLO EN SERIE DE FOURIER DE ESTA CARGA TRANSVERSAL", "", ""});
}

struct LoadCase {
    const char* name;
    std::string typed;   // keyboard from the menu answer on
    std::string prompts; // screen from the menu on, before the summary
    std::string summary; // the load summary after its heading
    std::string ploads;  // the PLOADS file
};

const LoadCase CASES[] = {
    {"Menu1SinusoidS1", keys({"1", "1.5", "22", "150", "-40"}),
     MENU + SINUSOIDAL_PROMPT + TEMPERATURE_PROMPTS, SINUSOID + TEMPERATURES,
     crlf({"           1", "           0", ZEROS5, "   1.500000    ",
           "   22.00000       150.0000      -40.00000    "})},
    {"Menu2SinusoidS4", keys({"2", "1.5", "100 -200"}), MENU + SINUSOIDAL_PROMPT + FORCES_PROMPT,
     SINUSOID + forces("0.100000E+03", "-.200000E+03"),
     crlf({"           2", "           0", "   100.0000      -200.0000    " + ZERO + ZERO + ZERO,
           "   1.500000    ", ZERO + ZERO + ZERO})},
    {"Menu3SinusoidS2", keys({"3", "1.5", "22", "150", "-40", "100"}),
     MENU + SINUSOIDAL_PROMPT + TEMPERATURE_PROMPTS +
         crlf({"  ", "    INTRODUZCA LA TENSION RESULTANTE Nxx", "  "}),
     SINUSOID +
         crlf({"   SE APLICA LA FURZA POR UNIDAD DE LONGITUD SIGUIENTE:", "",
               "       Nxx = 0.100000E+03", "", ""}) +
         TEMPERATURES,
     crlf({"           3", "           0", "   100.0000    " + ZERO + ZERO + ZERO + ZERO,
           "   1.500000    ", "   22.00000       150.0000      -40.00000    "})},
    {"Menu4Navier1Uniform", keys({"4", "10", "1", "2.5", "0 0"}),
     MENU + SERIES_PROMPT + NAVIER_MENU + UNIFORM_PROMPT + FORCES_PROMPT,
     crlf({"", "", "    LA PLACA SE ENCUENTRA SOMETIDA A LA CARGA TRANSVERSAL CONSTANTE:",
           "        q = 0.250000E+01", "    APLICADA SOBRE TODA LA SUPERFICIE DE LA PLACA", "",
           ""}) +
         series("10") + forces("0.000000E+00", "0.000000E+00"),
     crlf({"           4", "           1", ZEROS5, "   2.500000    ", ZERO + ZERO + ZERO,
           "          10"})},
    {"Menu4Navier2Patch", keys({"4", "50", "2", "1000", "100 -200"}),
     MENU + SERIES_PROMPT + NAVIER_MENU + P_PROMPT + FORCES_PROMPT,
     crlf({"", "", "    LA CARGA P = 0.100000E+04 SE ENCUENTRA UNIFORMEMENTE DISTRIBUIDA",
           "            SOBRE UN AREA INTERNA CENTRADA DE LA PLACA CON DIMENSIONES",
           "           (0.100000E+01) X (0.500000E+00)", "", ""}) +
         series("50") + forces("0.100000E+03", "-.200000E+03"),
     crlf({"           7", "           2", "   100.0000      -200.0000    " + ZERO + ZERO + ZERO,
           "   1000.000    ", ZERO + ZERO + ZERO, "          50"})},
    {"Menu4Navier3Point", keys({"4", "1", "3", "1000", "0 0"}),
     MENU + SERIES_PROMPT + NAVIER_MENU + P_PROMPT + FORCES_PROMPT,
     crlf({"", "", "   LA CARGA P = 0.100000E+04 SE ENCUENTRA APLICADA EN EL CENTRO DE LA PLACA",
           ""}) +
         series(" 1") + forces("0.000000E+00", "0.000000E+00"),
     crlf({"           8", "           3", ZEROS5, "   1000.000    ", ZERO + ZERO + ZERO,
           "           1"})},
    {"Menu5Buckling1", keys({"5", "1", "250"}),
     MENU + BUCKLING_OPTIONS + crlf({"   ", "    INTRODUZCA EL VALOR CONSTANTE DE Nyy", "  "}),
     crlf({"", "", "   PANDEO CAUSADO POR Nxx, CON CARGA TRANSVERSAL CONSTANTE", "",
           "      Nyy = 0.250000E+03", "", ""}),
     crlf({"           5", "           1", ZERO + "   250.0000    " + ZERO + ZERO + ZERO, ZERO,
           ZERO + ZERO + ZERO})},
    {"Menu5Buckling2", keys({"5", "2", "-300"}),
     MENU + BUCKLING_OPTIONS + crlf({"   ", "    INTRODUZCA EL VALOR CONSTANTE DE Nxx", "  "}),
     crlf({"", "", "   PANDEO CAUSADO POR Nyy, CON CARGA AXIAL CONSTANTE", "",
           "      Nxx = -.300000E+03", "", ""}),
     crlf({"           5", "           2", "  -300.0000    " + ZERO + ZERO + ZERO + ZERO, ZERO,
           ZERO + ZERO + ZERO})},
    {"Menu5Buckling3", keys({"5", "3", "-0.5"}),
     MENU + BUCKLING_OPTIONS +
         crlf({"   ", "", "  INTRODUZCA LA CONSTANTE \"k\" (NOTA: SI k ES ALGEBRAICAMENTE",
               "                      NEGATIVO, Nxx Y Nyy SON",
               "                      DE SIGNO ALGEBRAICO OPUESTO", ""}),
     crlf({"", "", "   PANDEO CAUSADO POR UN INCREMENTO SIMULTANEO", "   DE Nxx Y Nyy, SIENDO:", "",
           "       Nyy = (-.500000E+00)*Nxx", "", ""}),
     crlf({"           5", "           3", ZERO + " -0.5000000    " + ZERO + ZERO + ZERO, ZERO,
           ZERO + ZERO + ZERO})},
    {"Menu6ThermalBuckling", keys({"6", "177", "22"}),
     MENU + STRESS_FREE_PROMPT +
         crlf({"  ", "    INTRODUZCA LA TEMPERATURA A LA QUE SE MONTA LA ESTRUCTURA"}),
     crlf({"", "", "    VA A DETERMINARSE LA TEMPERATURA A LA CUAL EL PANDEO TERMICO OCURRE", "",
           "", "", "  TEMPERATURA (ESTADO LIBRE DE TENSIONES) =   177.0",
           "  TEMPERATURA DE MONTAJE DE LA ESTRUCTURA =    22.0", ""}),
     crlf({"           6", "           0", ZEROS5, ZERO, "   177.0000       22.00000    " + ZERO})},
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedSession : public ::testing::TestWithParam<LoadCase> {};

TEST_P(TypedSession, ScreenAndFilesThenReadBack) {
    const LoadCase& c = GetParam();
    ScratchDir dir;

    const auto first =
        run_session(dir, UP_TO_LOADS + keys({"N"}) + c.typed + keys({"S"}) + PRINT_ANSWERS);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(dialogue(first.out), MATERIALS_Q + MATERIALS_TYPED + MATERIALS_SUMMARY + CONFIRM +
                                       LAMINATE_Q + LAMINATE_TYPED + LAMINATE_SUMMARY + CONFIRM +
                                       DIMENSIONS + LOADS_Q + c.prompts + LOADS_HEADING +
                                       c.summary + CONFIRM + PRINT_QUESTIONS);
    EXPECT_EQ(dir.get("PPROPS"), PPROPS_FILE);
    EXPECT_EQ(dir.get("LAMINATE"), LAMINATE_FILE);
    EXPECT_EQ(dir.get("PLOADS"), c.ploads);

    const auto second = run_session(dir, FILES_UP_TO_LOADS + keys({"S", "S"}) + PRINT_ANSWERS);
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(dialogue(second.out), MATERIALS_Q + MATERIALS_SUMMARY + CONFIRM + LAMINATE_Q +
                                        LAMINATE_SUMMARY + CONFIRM + DIMENSIONS + LOADS_Q +
                                        LOADS_HEADING + c.summary + CONFIRM + PRINT_QUESTIONS);
    EXPECT_EQ(dir.get("PPROPS"), PPROPS_FILE);
    EXPECT_EQ(dir.get("LAMINATE"), LAMINATE_FILE);
    EXPECT_EQ(dir.get("PLOADS"), c.ploads);
}

INSTANTIATE_TEST_SUITE_P(EveryLoadCase, TypedSession, ::testing::ValuesIn(CASES),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
