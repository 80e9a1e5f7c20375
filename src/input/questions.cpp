#include "driver/text/diagnostics.h"
#include "input/dialogue.h"

namespace veldran {

using namespace text;

namespace {

enum class Answer { Yes, No, Other };

Answer ask(const Format& question) {
    write(screen(), question);
    const char c = read_char(keyboard());
    if (c == 'S' || c == 's') return Answer::Yes;
    if (c == 'N' || c == 'n') return Answer::No;
    write(screen(), {SL, SL, "   ***ERROR!***", SL, SL,
                     "  POR FAVOR, INTRODUZCA UNA DE LAS DOS SIGUIENTES RESPUESTAS:", SL,
                     "     \"S\" OR \"s\" (LO CUAL SIGNIFICA \"SI\"), O", SL,
                     "     \"N\" OR \"n\" (LO CUAL SIGNIFICA \"NO\")", SL});
    return Answer::Other;
}

Answer confirm() { return ask({SL, "    ES CORRECTO LO ANTERIOR? (S/N)", SL}); }

} // namespace

bool yes_no(const Format& question) {
    for (;;) {
        const Answer a = ask(question);
        if (a != Answer::Other) return a == Answer::Yes;
    }
}

void confirmed(const std::function<void()>& show, const std::function<void()>& enter) {
    for (;;) {
        show();
        const Answer a = confirm();
        if (a == Answer::Yes) return;
        if (a == Answer::No) enter();
    }
}

bool read_or_refuse(std::initializer_list<Var> vars) {
    Source& kb = keyboard();
    const ReadStatus status = try_list_read(kb, vars);
    if (status == ReadStatus::End) fatal(Diag::EndOfFile, kb.unit(), kb.name());
    return status == ReadStatus::Ok;
}

} // namespace veldran
