#include "driver/veldran.h"

#include "driver/text/console.h"
#include "driver/text/diagnostics.h"
#include "input/input.h"
#include "records/records.h"
#include "report/output.h"
#include "solutions/plate_results.h"
#include "solutions/solve.h"
#include "stiffness/chain.h"
#include "stiffness/laminate_stiffness.h"

namespace veldran {

using namespace text;

namespace {

// One instance of each shared record for the whole run, zero-filled from the
// start and never reallocated.
MaterialTable materials{};
PlyStack stack{};
PlateProblem problem{};
PrintOptions print{};
LaminateStiffness stiffness{};
PlateResults results{};

} // namespace

void VELDRAN() {
    Routine routine("VELDRAN");
    install_interrupt_handlers();

    write(screen(), {"                 ***PROGRAMA VELDRAN*****", SL, SL,
                     "            ESCRITO POR EL PROF. ORLAVIN", SL,
                     "            DEPARTAMENTO DE INGENIERIA MECANICA", SL,
                     "                UNIVERSIDAD DE TREMALDA", SL, SL,
                     "   ESTE PROGRAMA IMPLEMENTA SOLUCIONES PARA LAMINADOS SIMETRICOS", SL,
                     "   ESPECIALMENTE ORTOTROPOS Y SIMPLEMENTE APOYADOS EN SU CONTORNO", SL,
                     "   TAL COMO SE DECRIBE EN EL CAPITULO 10", SL, SL});

    INPUT(materials, stack, problem, print);
    STIFFNESS(materials, stack, stiffness);
    SOLVE(problem, stiffness, results);
    OUTPUT(materials, stack, problem, print, stiffness, results);

    list_write(screen(), {"  "});
    list_write(screen(), {"  "});
    list_write(screen(), {"EL TRABAJO TERMINO CON NORMALIDAD"});
    list_write(screen(), {"LOS RESULTADOS SE HAN ALMACENADO EN EL ARCHIVO \"Answer.txt\""});
    pause();
    stop();
}

} // namespace veldran
