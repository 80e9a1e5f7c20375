#include "input/dialogue.h"

namespace veldran {

using namespace text;

namespace {

/// Length and width; an unreadable value asks both again from the length.
void type_dimensions(PlateProblem& p) {
    for (;;) {
        list_write(screen(), {" "});
        list_write(screen(), {"   INTRODUZCA LA LONGITUD DE LA PLACA"});
        list_write(screen(), {"   EN LA DIRECCION \"x\" (DIMENSION \"a\")"});
        if (read_or_refuse({&p.a})) {
            list_write(screen(), {" "});
            list_write(screen(), {"   INTRODUZCA EL ANCHO DE LA PLACA"});
            list_write(screen(), {"   EN LA DIRECCION \"y\" (DIMENSION \"b\")"});
            if (read_or_refuse({&p.b})) return;
        }
        write(screen(), {SL, SL, "    ****ERROR!!***", SL, SL,
                         "    POR FAVOR, INTRODUZCA UN VALOR NUMERICO PARA EL LARGO/ANCHO DE LA PLACA",
                         SL, SL});
    }
}

/// A zero width gives an infinite or NaN ratio, shown as such.
void show_dimensions(const PlateProblem& p) {
    const float ratio = static_cast<float>(double(p.a) / double(p.b));
    write(screen(),
          {SL, SL, "   DIMENSIONES DE LA PLACA:", SL, SL, "     a = ", E(12, 6), SL, "     b = ",
           E(12, 6), SL, "     RATIO DE ASPECTO = ", E(12, 6), SL, SL},
          {p.a, p.b, ratio});
}

} // namespace

void dimensions(PlateProblem& p) {
    type_dimensions(p);
    confirmed([&] { show_dimensions(p); }, [&] { type_dimensions(p); });
}

} // namespace veldran
