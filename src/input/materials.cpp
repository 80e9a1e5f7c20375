#include "driver/text/diagnostics.h"
#include "driver/text/files.h"
#include "input/data_files.h"
#include "input/dialogue.h"

namespace veldran {

using namespace text;

namespace {

void type_materials(MaterialTable& m) {
    for (;;) {
        write(screen(), {SL, "   INTRODUZCA EL NUMERO DE MATERIALES"});
        list_read(keyboard(), {&m.NMAT});
        if (m.NMAT <= MAXMAT) break;
        write(screen(), {SL, "   ***LO SIENTO!***", SL, SL,
                         " EL NUMERO DE MATERIALES SE ENCUENTRA LIMITADO A 5", SL});
    }
    write(screen(), {SL, " SE SUPONE QUE TODAS LAS PROPIEDADES PERMANECEN", SL,
                     " CONSTANTES A LO LARGO DEL INTERVALO DE INTERES"});
    for (int i = 1; i <= m.NMAT; ++i) {
        write(screen(),
              {SL, " PARA EL MATERIAL NUMERO ", I(3), ":", SL,
               "   INTRODUZCA E11, E22, NU12, AND G12", SL},
              {i});
        list_read(keyboard(), {&m.E11[i], &m.E22[i], &m.NU12[i], &m.G12[i]});
        write(screen(),
              {SL, "   INTRODUZCA LOS COEFICIENTES DE DILATACION TERMICA ALPHA11 Y ALPHA22", SL});
        list_read(keyboard(), {&m.ALP11[i], &m.ALP22[i]});
        write(screen(), {SL, "   INTRODUZCA EL ESPESOR DEL MATERIAL:", SL});
        list_read(keyboard(), {&m.ESPESOR[i]});
    }
}

void show_materials(const MaterialTable& m) {
    write(screen(),
          {SL, "   LAS ", I(3), " PROPIEDADES DE LOS MATERIALES INTRODUCIDAS SON:", SL, SL,
           " MATL   E11        E22      NU12    G12"},
          {m.NMAT});
    for (int i = 1; i <= m.NMAT; ++i)
        write(screen(), {I(3), X(1), G(2, {E(10, 3), X(1)}), F(5, 2), X(1), E(10, 3)},
              {i, m.E11[i], m.E22[i], m.NU12[i], m.G12[i]});
    write(screen(), {SL, " MAT   ALP11     ALP22     ESPESOR"});
    // Four items for five data fields: the record ends after the third E10.3,
    // so ESPESOR shows in exponent form and F9.6 is never reached.
    for (int i = 1; i <= m.NMAT; ++i)
        write(screen(), {I(3), X(1), G(4, {E(10, 3)}), X(1), F(9, 6)},
              {i, m.ALP11[i], m.ALP22[i], m.ESPESOR[i]});
}

} // namespace

void materials(MaterialTable& m) {
    bool from_file =
        yes_no({SL, "   SE LEERAN LAS PROPIEDADES DEL MATERIAL DESDE UN ARCHIVO? (S/N)", SL});
    if (from_file && !read_PPROPS(*open_for_reading("PPROPS", DATA_UNIT), m)) {
        write(screen(),
              {SL, SL, "           ***LO SIENTO!!***", SL, SL,
               "   NO SE HA ENCONTRADO UN ARCHIVO QUE CONTENGA LAS PROPIEDADES DE LOS MATERIALES",
               SL, "   DEBE INTRODUCIR DICHAS PROPIEDADES A TRAVES DEL TECLADO", SL,
               "   (SE CREARA UN ARCHIVO PARA SU USO POSTERIOR)", SL});
        from_file = false;
    }
    if (!from_file) type_materials(m);
    confirmed([&] { show_materials(m); }, [&] { type_materials(m); });
    TextFile f("PPROPS", DATA_UNIT);
    write_PPROPS(f, m);
    f.close();
}

} // namespace veldran
