#include "input/dialogue.h"

namespace veldran {

using namespace text;

namespace {

/// The answer is kept as typed: only S or s will mean print.
char answer(const Format& question) {
    write(screen(), question);
    return read_char(keyboard());
}

} // namespace

void print_options(PrintOptions& o) {
    o.PRINT_Q = answer({SL, "   DESEA QUE SE ESCRIBAN TODAS LAS MATRICES [Q]? (S/N)"});
    o.PRINT_QBAR = answer({SL, "   DESEA QUE SE ESCRIBAN TODAS LAS MATRICES [QBAR]? (S/N)"});
    o.PRINT_ABD = answer({SL, "   DESEA QUE SE ESCRIBA LA MATRIZ [ABD]? (S/N)"});
    o.PRINT_abd = answer({SL, "   DESEA QUE SE ESCRIBA LA MATRIZ [abd]? (S/N)"});
}

} // namespace veldran
