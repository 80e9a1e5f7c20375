// One whole session in a real terminal: tmux runs the program, and each
// answer is typed only once its question is on the screen, as a person would
// type it.  Every wait is bounded: a question that never comes fails the test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <thread>

#include "support/session.h"

using namespace veldran::testing;

namespace {

// A tmux server of its own (socket and configuration in a scratch folder),
// with one 120 x 50 window running the program in `work`; a wrapper keeps the
// exit status in a file.
class Terminal {
  public:
    Terminal(const ScratchDir& work, const ScratchDir& own) : own_(own) {
        own.put("tmux.conf", "set -g history-limit 10000\n");
        tmux("-f " + own.file("tmux.conf") + " new-session -d -x 120 -y 50 -s veldran 'cd " +
             work.path() + " && " + VELDRAN_EXE + "; echo $? >" + own.file("status") + "'");
    }
    ~Terminal() { // the server ends with the program; this is for a failed test
        if (std::system(command("kill-server 2>/dev/null").c_str()) != 0) {
        }
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    /// The whole screen, history included, one line per row.
    std::string screen() const {
        std::string s;
        FILE* p = popen(command("capture-pane -p -S - -t veldran 2>/dev/null").c_str(), "r");
        if (!p) return s;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) s.append(buf, n);
        pclose(p);
        return s;
    }
    /// Waits until `text` is on the screen `times` times (at most 20 seconds).
    bool shows(const std::string& text, int times = 1) const {
        for (int i = 0; i < 400; ++i) {
            if (count(screen(), text) >= times) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    /// Types a line and presses Enter.
    void type(const std::string& line) const {
        if (!line.empty()) tmux("send-keys -t veldran -l -- '" + line + "'");
        tmux("send-keys -t veldran Enter");
    }
    /// The exit status once the program has ended (at most 20 seconds), or "".
    std::string status() const {
        for (int i = 0; i < 400; ++i) {
            const std::string s = own_.get("status");
            if (!s.empty()) return s;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return "";
    }

    static int count(const std::string& s, const std::string& text) {
        int n = 0;
        for (auto at = s.find(text); at != std::string::npos; at = s.find(text, at + 1)) ++n;
        return n;
    }

  private:
    std::string command(const std::string& args) const {
        return "tmux -S " + own_.file("socket") + " " + args;
    }
    void tmux(const std::string& args) const {
        if (std::system(command(args).c_str()) != 0) ADD_FAILURE() << "tmux " << args;
    }
    const ScratchDir& own_;
};

// One material, the half stack 0/90, a 2 x 1 plate, a sinusoidal load (code 1).
const struct {
    const char* question;
    const char* answer;
} DIALOGUE[] = {
    {"SE LEERAN LAS PROPIEDADES DEL MATERIAL DESDE UN ARCHIVO? (S/N)", "N"},
    {"INTRODUZCA EL NUMERO DE MATERIALES", "1"},
    {"INTRODUZCA E11, E22, NU12, AND G12", "181000 10300 0.28 7170"},
    {"COEFICIENTES DE DILATACION TERMICA ALPHA11 Y ALPHA22", "0.000125 2.25e-5"},
    {"INTRODUZCA EL ESPESOR DEL MATERIAL:", "0.125"},
    {"ES CORRECTO LO ANTERIOR? (S/N)", "S"},
    {"SE LEERA LA DESCRIPCION DEL LAMINADO A PARTIR DE UN ARCHIVO?", "N"},
    {"INTRODUZCA EL NUMERO DE LAMINAS SIMETRICAS", "2"},
    {"PARA LA LAMINA   1", "1 0"},
    {"PARA LA LAMINA   2", "1 90"},
    {"ES CORRECTO LO ANTERIOR? (S/N)", "S"},
    {"(DIMENSION \"a\")", "2"},
    {"(DIMENSION \"b\")", "1"},
    {"ES CORRECTO LO ANTERIOR? (S/N)", "S"},
    {"SE LEERA LA CARGA QUE ACTUA SOBRE LA PLACA DESDE UN ARCHIVO? (S/N)", "N"},
    {"SELECCIONE EL TIPO DE CARGA:", "1"},
    {"CONSTANTE A INTRODUCIR \"qo\":", "1.5"},
    {"INTRODUZCA LA TEMPERATURA CORRESPONDIENTE AL ESTADO LIBRE DE TENSIONES", "22"},
    {"INTRODUZCA LA TEMPERATURA DE MONTAJE DE LA ESTRUCTURA", "150"},
    {"INTRODUZCA LA TEMPERATURA EN SERVICIO", "-40"},
    {"ES CORRECTO LO ANTERIOR? (S/N)", "S"},
    {"DESEA QUE SE ESCRIBAN TODAS LAS MATRICES [Q]? (S/N)", "S"},
    {"DESEA QUE SE ESCRIBAN TODAS LAS MATRICES [QBAR]? (S/N)", "N"},
    {"DESEA QUE SE ESCRIBA LA MATRIZ [ABD]? (S/N)", "S"},
    {"DESEA QUE SE ESCRIBA LA MATRIZ [abd]? (S/N)", "N"},
};

const std::string PAUSE_PROMPT = "PULSE INTRO PARA CONTINUAR, O ESCRIBA UNA ORDEN SEGUIDA DE INTRO";

// The lines of `text` from the one holding `first` to the one holding `last`,
// as a terminal shows them (LF only).
std::string block(const std::string& text, const std::string& first, const std::string& last) {
    const auto from = text.rfind('\n', text.find(first)) + 1;
    const auto to = text.find(last, from) + last.size();
    std::string b;
    for (char c : text.substr(from, to - from))
        if (c != '\r') b += c;
    return b;
}

} // namespace

TEST(RealTerminal, AWholeSessionTypedAsAPersonTypesIt) {
    if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux not installed";
    ScratchDir work, own, piped;
    Terminal term(work, own);
    std::string typed; // the same keyboard, for a run without a terminal
    std::map<std::string, int> asked;
    for (const auto& step : DIALOGUE) {
        ASSERT_TRUE(term.shows(step.question, ++asked[step.question]))
            << "never asked: " << step.question << "\n"
            << term.screen();
        term.type(step.answer);
        typed += std::string(step.answer) + "\r\n";
    }
    ASSERT_TRUE(term.shows(PAUSE_PROMPT)) << term.screen();

    const auto reference = run_session(piped, typed + "\r\n");
    ASSERT_EQ(reference.status, 0) << reference.err;
    const std::string results =
        block(reference.out, "EL MAXIMO DESPLAZAMIENTO TRANSVERSAL", "CENTRO DE LA PLACA");
    const std::string screen = term.screen();
    EXPECT_EQ(screen.find("                 ***PROGRAMA VELDRAN*****\n"), 0u) << screen;
    EXPECT_EQ(Terminal::count(screen, DIALOGUE[0].question), 1);
    EXPECT_NE(screen.find(results), std::string::npos) << results << "\n" << screen;
    EXPECT_NE(screen.find("\n EL TRABAJO TERMINO CON NORMALIDAD\n"), std::string::npos);

    // Still waiting at the prompt, until Enter.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(own.get("status"), "");
    term.type("");
    EXPECT_EQ(term.status(), "0\n");
    EXPECT_NE(work.get("answer.txt").find("CENTRO DE LA PLACA\r\n"), std::string::npos);
    EXPECT_EQ(work.get("answer.txt"), piped.get("answer.txt"));
}
