// The program as a whole, run as a user would run it.

#include <gtest/gtest.h>

#include <csignal>

#include "input/dialogue_texts.h"
#include "support/session.h"

using namespace veldran::testing;

namespace {

const std::string BANNER = crlf({
    "                 ***PROGRAMA VELDRAN*****",
    "",
    "            ESCRITO POR EL PROF. ORLAVIN",
    "            DEPARTAMENTO DE INGENIERIA MECANICA",
    "                UNIVERSIDAD DE TREMALDA",
    "",
    "   ESTE PROGRAMA IMPLEMENTA SOLUCIONES PARA LAMINADOS SIMETRICOS",
    "   ESPECIALMENTE ORTOTROPOS Y SIMPLEMENTE APOYADOS EN SU CONTORNO",
    "   TAL COMO SE DECRIBE EN EL CAPITULO 10",
    "",
    "",
});

const std::string PROMPT = crlf({"PULSE INTRO PARA CONTINUAR, O ESCRIBA UNA ORDEN SEGUIDA DE INTRO"});

} // namespace

TEST(Driver, BannerFirstInterruptHandledAndExitStatus130) {
    ScratchDir dir;
    const auto r = run_interrupted(dir, "", "CAPITULO 10", SIGINT);
    EXPECT_EQ(r.out.substr(0, BANNER.size()), BANNER);
    EXPECT_EQ(r.err, "veldran: severe (200): program aborting due to control-C event\r\n");
    EXPECT_EQ(r.status, 130);
}

TEST(Driver, QuitAndHangupHaveTheirOwnEvents) {
    const struct {
        int sig;
        const char* event;
    } cases[] = {{SIGQUIT, "control-BREAK"}, {SIGHUP, "window-CLOSE"}};
    for (const auto& c : cases) {
        ScratchDir dir;
        const auto r = run_interrupted(dir, "", "CAPITULO 10", c.sig);
        EXPECT_EQ(r.err, std::string("veldran: severe (200): program aborting due to ") + c.event +
                             " event\r\n");
        EXPECT_EQ(r.status, 128 + c.sig);
    }
}

TEST(Driver, CommandTypedAtThePauseRunsAndThePromptReturns) {
    ScratchDir dir;
    const std::string dialogue = UP_TO_LOADS + keys({"N", "6", "177", "22", "S"}) + PRINT_ANSWERS;
    const auto r = run_session(dir, dialogue + "echo hola; pwd >where\n\n");
    const std::string tail = PROMPT + "hola\n" + PROMPT;
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(dir.exists("where")); // the command ran in the working directory
}
