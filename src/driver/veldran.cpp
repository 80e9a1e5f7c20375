#include "driver/veldran.h"

#include "driver/text/console.h"
#include "driver/text/diagnostics.h"
#include "input/input.h"
#include "records/records.h"

namespace veldran {

using namespace text;

void VELDRAN() {
    Routine routine("VELDRAN");
    install_interrupt_handlers();

    static MaterialTable materials{};
    static PlyStack stack{};
    static PlateProblem problem{};
    static PrintOptions print{};

    write(screen(), {"                 ***PROGRAMA VELDRAN*****", SL, SL,
                     "            ESCRITO POR EL PROF. ORLAVIN", SL,
                     "            DEPARTAMENTO DE INGENIERIA MECANICA", SL,
                     "                UNIVERSIDAD DE TREMALDA", SL, SL,
                     "   ESTE PROGRAMA IMPLEMENTA SOLUCIONES PARA LAMINADOS SIMETRICOS", SL,
                     "   ESPECIALMENTE ORTOTROPOS Y SIMPLEMENTE APOYADOS EN SU CONTORNO", SL,
                     "   TAL COMO SE DECRIBE EN EL CAPITULO 10", SL, SL});

    INPUT(materials, stack, problem, print);

    list_write(screen(), {"  "});
    list_write(screen(), {"  "});
    list_write(screen(), {"EL TRABAJO TERMINO CON NORMALIDAD"});
    list_write(screen(), {"LOS RESULTADOS SE HAN ALMACENADO EN EL ARCHIVO \"Answer.txt\""});
    pause();
    stop();
}

} // namespace veldran
