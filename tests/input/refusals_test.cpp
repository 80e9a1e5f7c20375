// Refused answers: each shows its message and returns to its re-entry point.
// A session ends where its keyboard ends (the end of input is fatal there),
// so each case checks the message block with what follows it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "input/dialogue_texts.h"

using namespace veldran::testing;
using ::testing::EndsWith;
using ::testing::HasSubstr;

namespace {

const std::string MATERIALS_CONFIRMED = TYPE_MATERIALS + keys({"S"});
const std::string LAMINATE_CONFIRMED = MATERIALS_CONFIRMED + TYPE_LAMINATE + keys({"S"});

const std::string LAMINATE_45_SUMMARY =
    crlf({"", "   SE HA INTRODUCIDO UN TOTAL DE  2 LAMINAS:", "",
          "  LAM NO     MAT  NO       ESPESOR      ANGULO FIBRAS",
          "    1          1          0.125000            45.00",
          "    2          1          0.125000            45.00", "",
          "   ESPESOR TOTAL DEL LAMINADO =  0.250000"}) +
    ANGLE_WARNING;

std::string wrong_material(const std::string& number) {
    return crlf({"", "", "     ****LO SIENTO!!*****", "",
                 " HA INTRODUCIDO EL NUMERO DE MATERIAL:" + number + ",",
                 " CUANDO SOLAMENTE SE HAN DEFINIDO2 MATERIALES ", "", ""});
}

struct Refusal {
    const char* name;
    std::string keyboard;
    std::string shown; // the message with the records around it
};

const Refusal REFUSALS[] = {
    {"AnswerAtAQuestion", keys({"X", " S", "", "SI"}),
     MATERIALS_Q + ERROR_RECORD + MATERIALS_Q + ERROR_RECORD + MATERIALS_Q + ERROR_RECORD +
         MATERIALS_Q + NO_PPROPS + NMAT_PROMPT},
    {"AnswerAtAConfirmationShowsTheSummaryAgain", TYPE_MATERIALS + keys({"?"}),
     MATERIALS_SUMMARY + CONFIRM + ERROR_RECORD + MATERIALS_SUMMARY + CONFIRM},
    {"AnswerAtAConfirmationShowsTheWarningAgain",
     MATERIALS_CONFIRMED + keys({"N", "1", "1 45", "Y"}),
     LAMINATE_45_SUMMARY + CONFIRM + ERROR_RECORD + LAMINATE_45_SUMMARY + CONFIRM},
    {"SixMaterials", keys({"n", "6", "0"}),
     NMAT_PROMPT +
         crlf({"", "   ***LO SIENTO!***", "", " EL NUMERO DE MATERIALES SE ENCUENTRA LIMITADO A 5",
               ""}) +
         NMAT_PROMPT + CONSTANT_PROPERTIES +
         crlf({"", "   LAS   0 PROPIEDADES DE LOS MATERIALES INTRODUCIDAS SON:", "",
               " MATL   E11        E22      NU12    G12", "",
               " MAT   ALP11     ALP22     ESPESOR"}) +
         CONFIRM},
    {"ThirtyOneSymmetricPlies", MATERIALS_CONFIRMED + keys({"N", "31", "30"}),
     SYMMETRIC_PROMPT +
         crlf({"", "", "                  ***LO SIENTO!!***", "",
               "   EL PROGRAMA SOLO ACEPTA UN MAXIMO DE 60 LAMINAS.",
               "   POR TANTO, EL NUMERO MAXIMO DE LAMINAS SIMETRICAS ES DE 30.",
               "   POR FAVOR, INTRODUZCA UN NUMERO MAS BAJO DE LAMINAS SIMETRICAS.", ""}) +
         SYMMETRIC_PROMPT + ply_prompt("  1")},
    // The angle typed with a refused number stays for a null value.
    {"MaterialNumberAboveAndBelowTheTable",
     MATERIALS_CONFIRMED + keys({"N", "1", "3 45", "0 30", "-1 45", "1 /", "?"}),
     ply_prompt("  1") + wrong_material(" 3") + ply_prompt("  1") + wrong_material(" 0") +
         ply_prompt("  1") + wrong_material("-1") + ply_prompt("  1") + LAMINATE_45_SUMMARY},
    {"LettersForALengthOrAWidth", LAMINATE_CONFIRMED + keys({"abc", "2", "x", "2", "1"}),
     CONFIRM + LENGTH_PROMPT + DIMENSION_ERROR + LENGTH_PROMPT + WIDTH_PROMPT + DIMENSION_ERROR +
         LENGTH_PROMPT + WIDTH_PROMPT +
         dimensions_summary("0.200000E+01", "0.100000E+01", "0.200000E+01") + CONFIRM},
    {"ZeroWidthGivesInfinity", LAMINATE_CONFIRMED + keys({"1", "0"}),
     dimensions_summary("0.100000E+01", "0.000000E+00", "    Infinity")},
    {"ZeroByZeroGivesNaN", LAMINATE_CONFIRMED + keys({"0", "0"}),
     dimensions_summary("0.000000E+00", "0.000000E+00", "         NaN")},
    {"MenuAnswers", UP_TO_LOADS + keys({"N", "0", "7", "five", "6"}),
     MENU + MENU_ERROR + MENU + MENU_ERROR + MENU + MENU_ERROR + MENU + STRESS_FREE_PROMPT},
    {"SeriesSizes", UP_TO_LOADS + keys({"N", "4", "0", "51", "ten", "-3", "50"}),
     SERIES_PROMPT + SERIES_RANGE + SERIES_PROMPT + SERIES_TOO_LARGE + SERIES_PROMPT +
         SERIES_RANGE + SERIES_PROMPT + SERIES_RANGE + SERIES_PROMPT + NAVIER_MENU},
    {"NavierOptionFourAsksTheSeriesAgain", UP_TO_LOADS + keys({"N", "4", "10", "4"}),
     SERIES_PROMPT + NAVIER_MENU + NAVIER_ERROR + SERIES_PROMPT},
    {"BucklingOptionFour", UP_TO_LOADS + keys({"N", "5", "4", "0"}),
     BUCKLING_OPTIONS + BUCKLING_ERROR + BUCKLING_OPTIONS + BUCKLING_ERROR + BUCKLING_OPTIONS},
    {"NoAtTheMaterialsConfirmation", TYPE_MATERIALS + keys({"N"}),
     MATERIALS_SUMMARY + CONFIRM + NMAT_PROMPT},
    {"NoAtTheLaminateConfirmation", MATERIALS_CONFIRMED + TYPE_LAMINATE + keys({"n"}),
     LAMINATE_SUMMARY + CONFIRM + SYMMETRIC_PROMPT},
    {"NoAtTheDimensionsConfirmation", LAMINATE_CONFIRMED + keys({"2", "1", "N"}),
     CONFIRM + LENGTH_PROMPT},
    {"NoAtTheLoadsConfirmation", UP_TO_LOADS + keys({"N", "6", "177", "22", "N"}), CONFIRM + MENU},
};

void PrintTo(const Refusal& c, std::ostream* os) {
    *os << c.name;
}

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, ShowsItsMessageAndAsksAgain) {
    ScratchDir dir;
    const auto r = run_session(dir, GetParam().keyboard);
    EXPECT_TRUE(ended_cleanly(r)) << r.err;
    EXPECT_THAT(r.out, HasSubstr(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Dialogue, Refused, ::testing::ValuesIn(REFUSALS),
                         [](const auto& p) { return std::string(p.param.name); });

// The end of the keyboard at every kind of question.  Where a recovery would
// ask again it ends the run instead, without the refusal message; at the
// pause it is the normal end, and the run is the one an Enter would give.
TEST(EndOfKeyboard, AtEveryKindOfQuestion) {
    const std::string LOADS_CONFIRMED = UP_TO_LOADS + keys({"N", "6", "177", "22", "S"});
    const std::string PAUSE_PROMPT =
        crlf({"PULSE INTRO PARA CONTINUAR, O ESCRIBA UNA ORDEN SEGUIDA DE INTRO"});
    const struct {
        const char* at;
        std::string keyboard;
        std::string last_shown;
        bool fatal;
    } cases[] = {
        {"a yes/no question", "", MATERIALS_Q, true},
        {"a confirmation", TYPE_MATERIALS, CONFIRM, true},
        {"a count read without recovery", keys({"N"}), NMAT_PROMPT, true},
        {"the second value of a ply", MATERIALS_CONFIRMED + keys({"N", "1", "1"}),
         ply_prompt("  1"), true},
        {"the plate length, read with recovery", LAMINATE_CONFIRMED, LENGTH_PROMPT, true},
        {"the plate width", LAMINATE_CONFIRMED + keys({"2"}), WIDTH_PROMPT, true},
        {"the menu answer", UP_TO_LOADS + keys({"N"}), MENU, true},
        {"the series size", UP_TO_LOADS + keys({"N", "4"}), SERIES_PROMPT, true},
        {"a print option, one character", LOADS_CONFIRMED + keys({"S", "n", ""}),
         PRINT_QUESTIONS, true},
        {"the pause", LOADS_CONFIRMED + PRINT_ANSWERS, PAUSE_PROMPT, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        ScratchDir dir;
        const auto r = run_session(dir, c.keyboard);
        EXPECT_THAT(r.out, EndsWith(c.last_shown));
        if (c.fatal) {
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err,
                      crlf({"veldran: severe (24): end-of-file during read, unit 5, file /dev/stdin",
                            "Traceback (innermost first):", "  INPUT", "  VELDRAN"}));
            continue;
        }
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        ScratchDir entered;
        const auto normal = run_session(entered, c.keyboard + keys({""}));
        EXPECT_EQ(r.out, normal.out);
        EXPECT_FALSE(dir.get("answer.txt").empty());
        EXPECT_EQ(dir.get("answer.txt"), entered.get("answer.txt"));
    }
}

// No lower limit on the symmetric plies: the doubled count stays negative
// (it would overflow for the most negative counts) and the stack empty.
TEST(SymmetricPlies, HugeNegativeCountGivesAnEmptyStack) {
    ScratchDir dir;
    const auto r = run_session(dir, MATERIALS_CONFIRMED + keys({"N", "-2000000000", "S"}));
    EXPECT_THAT(r.out, HasSubstr(crlf({"", "   SE HA INTRODUCIDO UN TOTAL DE*** LAMINAS:", "",
                                       "  LAM NO     MAT  NO       ESPESOR      ANGULO FIBRAS", "",
                                       "   ESPESOR TOTAL DEL LAMINADO =  0.000000"}) +
                                 CONFIRM));
    EXPECT_EQ(dir.get("LAMINATE"), crlf({"Y", " -2147483648"}));
}

// A no at the loads confirmation keeps the values held: code 2 asks no
// temperature, so those read from the file are stored again.
TEST(LoadsConfirmation, NoKeepsTheValuesHeld) {
    ScratchDir dir;
    dir.put("PLOADS", crlf({"1", "0", "0 0 0 0 0 1.5", "22 150 -40"}));
    const auto r =
        run_session(dir, UP_TO_LOADS + keys({"S", "N", "2", "3", "100 -200", "S"}) + PRINT_ANSWERS);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.get("PLOADS"),
              crlf({"           2", "           0",
                    "   100.0000      -200.0000      0.0000000E+00  0.0000000E+00  0.0000000E+00",
                    "   3.000000    ", "   22.00000       150.0000      -40.00000    "}));
}

} // namespace
