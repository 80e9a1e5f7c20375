#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "driver/text/diagnostics.h"
#include "driver/text/files.h"
#include "input/data_files.h"
#include "input/dialogue.h"

namespace veldran {

using namespace text;

namespace {

/// The half of a symmetric laminate, mirrored into the full stack.
void type_laminate(const MaterialTable& m, PlyStack& s) {
    s.SYMFLAG = 'Y';
    for (;;) {
        write(screen(), {SL, "   SE SUPONE QUE EL LAMINADO ES SIMETRICO", SL, SL,
                         "   INTRODUZCA EL NUMERO DE LAMINAS SIMETRICAS"});
        list_read(keyboard(), {&s.NPLY});
        if (s.NPLY <= MAXHALF) break;
        write(screen(), {SL, SL, "                  ***LO SIENTO!!***", SL, SL,
                         "   EL PROGRAMA SOLO ACEPTA UN MAXIMO DE 60 LAMINAS.", SL,
                         "   POR TANTO, EL NUMERO MAXIMO DE LAMINAS SIMETRICAS ES DE 30.", SL,
                         "   POR FAVOR, INTRODUZCA UN NUMERO MAS BAJO DE LAMINAS SIMETRICAS.", SL});
    }
    const std::int32_t N = s.NPLY;
    for (int i = 1; i <= N; ++i) {
        for (;;) {
            write(screen(),
                  {SL, "   INTRODUZCA EL NUMERO DE MATERIAL Y EL ANGULO (EN GRADOS) DE LAS FIBRAS",
                   SL, " PARA LA LAMINA ", I(3)},
                  {i});
            list_read(keyboard(), {&s.PLYMAT[i], &s.PLYANG[i]});
            if (s.PLYMAT[i] >= 1 && s.PLYMAT[i] <= m.NMAT) break;
            write(screen(),
                  {SL, SL, "     ****LO SIENTO!!*****", SL, SL,
                   " HA INTRODUCIDO EL NUMERO DE MATERIAL:", I(2), ",", SL,
                   " CUANDO SOLAMENTE SE HAN DEFINIDO", I(1), " MATERIALES ", SL, SL},
                  {s.PLYMAT[i], m.NMAT});
        }
        s.PLYRAD[i] = radians(s.PLYANG[i]);
    }
    for (int i = 1; i <= N; ++i) {
        s.PLYMAT[N + i] = s.PLYMAT[N + 1 - i];
        s.PLYANG[N + i] = s.PLYANG[N + 1 - i];
        s.PLYRAD[N + i] = s.PLYRAD[N + 1 - i];
    }
    // A count below 1 is accepted; doubling a huge negative one must not
    // overflow, and the stack stays empty either way.
    s.NPLY = static_cast<std::int32_t>(
        std::max<std::int64_t>(2 * std::int64_t{N}, std::numeric_limits<std::int32_t>::min()));
}

/// Each ply has the thickness of its material; the sum is rounded after each ply.
void sum_thickness(const MaterialTable& m, PlyStack& s) {
    s.TTOTAL = 0.0f;
    for (int i = 1; i <= s.NPLY; ++i)
        s.TTOTAL = static_cast<float>(double(s.TTOTAL) + double(m.ESPESOR[s.PLYMAT[i]]));
}

/// The solutions hold for specially orthotropic plates: plies at 0 or 90
/// degrees.  A NaN angle passes neither test.
bool at_0_or_90(float angle) {
    return std::fabs(double(angle)) < 1.0 || std::fabs(90.0 - double(angle)) < 1.0;
}

void show_laminate(const MaterialTable& m, const PlyStack& s) {
    write(screen(),
          {SL, "   SE HA INTRODUCIDO UN TOTAL DE", I(3), " LAMINAS:", SL, SL,
           "  LAM NO     MAT  NO       ESPESOR      ANGULO FIBRAS"},
          {s.NPLY});
    for (int i = 1; i <= s.NPLY; ++i)
        write(screen(), {I(5), X(6), I(5), X(10), F(8, 6), X(10), F(7, 2)},
              {i, s.PLYMAT[i], m.ESPESOR[s.PLYMAT[i]], s.PLYANG[i]});
    write(screen(), {SL, "   ESPESOR TOTAL DEL LAMINADO = ", F(9, 6)}, {s.TTOTAL});
    for (int i = 1; i <= s.NPLY; ++i) {
        if (at_0_or_90(s.PLYANG[i])) continue;
        write(screen(), {SL, SL, "     ****AVISO!!****", SL,
                         "  ESTE PROGRAMA SE BASA EN SOLUCIONES QUE SON VALIDAS PARA", SL,
                         "  PLACAS ESPECIALMENTE ORTOTROPAS. LA MAYORIA DE LAS MISMAS", SL,
                         "  SOLAMENTE TIENEN LAMINAS A \"0\" O A \"90\" GRADOS.", SL,
                         "  SI INTRODUCE LAMINAS EN LAS QUE EL ANGULO DE LAS FIBRAS", SL,
                         "  NO SEA \"0\" O \"90\" GRADOS, LA PLACA DEFINIDA PUEDE NO SER", SL,
                         "  SPECIALMENTE ORTOTROPA Y, EN ESTE CASO, LOS RESULTADOS", SL,
                         "  PROPORCIONADOS POR ESTE PROGRAMA PUEDEN SER ERRONEOS", SL, SL});
        break;
    }
}

} // namespace

void laminate(const MaterialTable& m, PlyStack& s) {
    bool from_file = yes_no(
        {SL, "   SE LEERA LA DESCRIPCION DEL LAMINADO A PARTIR DE UN ARCHIVO?  (S/N)", SL});
    if (from_file && !read_LAMINATE(*open_for_reading("LAMINATE", DATA_UNIT), m.NMAT, s)) {
        write(screen(), {SL, SL, "           ***LO SIENTO!!***", SL, SL,
                         "   NO EXISTE UN ARCHIVO QUE CONTENGA LA DESCRIPCION DEL LAMINADO", SL,
                         "   DEBE INTRODUCIR LA DESCRICION DEL LAMINADO A TRAVES DEL TECLADO", SL,
                         "   (SE GENERARA UN ARCHIVO PARA SU USO POSTERIOR", SL});
        from_file = false;
    }
    if (!from_file) type_laminate(m, s);
    sum_thickness(m, s);
    confirmed([&] { show_laminate(m, s); }, [&] { type_laminate(m, s); sum_thickness(m, s); });
    TextFile f("LAMINATE", DATA_UNIT);
    write_LAMINATE(f, s);
    f.close();
}

} // namespace veldran
