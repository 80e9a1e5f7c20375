// The report: banner (file only), problem echo and stiffness matrices.  The
// results block of the load case is in results.cpp.

#include "report/output.h"

#include "driver/text/diagnostics.h"
#include "driver/text/files.h"

namespace veldran {

using namespace text;

void OUTPUT(const MaterialTable& mat, const PlyStack& ply, const PlateProblem& plate,
            const PrintOptions& print, const LaminateStiffness& stiff, const PlateResults& res) {
    Routine routine("OUTPUT");
    // Refusals (a directory, a read-only file or folder) are found here,
    // before anything reaches the screen.
    TextFile file("answer.txt", REPORT_UNIT);
    Tee both(file, screen());
    report::write_report(file, both, mat, ply, plate, print, stiff, res);
    file.close();
}

namespace report {

namespace {

bool set(char option) { return option == 'S' || option == 's'; }

// One 3x3 matrix per material or ply, each under its numbered heading, rows
// in order; the block ends with an empty `/`, `/` record.
template <int K>
void matrices3(Out& out, const Format& heading, const Mat3<float, 3, 3, K>& m, int count) {
    for (int k = 1; k <= count; ++k) {
        write(out, heading, {k});
        for (int i = 1; i <= 3; ++i) {
            write(out, {G(3, {X(3), E(13, 6)})}, {m(i, 1, k), m(i, 2, k), m(i, 3, k)});
        }
    }
    write(out, {SL, SL});
}

// A 6x6 matrix under its heading, one record per row, nothing after it.
void matrix6(Out& out, const Format& heading, const Mat<float, 6, 6>& m) {
    write(out, heading);
    for (int i = 1; i <= 6; ++i) {
        write(out, {G(6, {E(12, 5), X(1)})},
              {m(i, 1), m(i, 2), m(i, 3), m(i, 4), m(i, 5), m(i, 6)});
    }
}

} // namespace

void write_report(Out& file_only, Out& both, const MaterialTable& mat, const PlyStack& ply,
                  const PlateProblem& plate, const PrintOptions& print,
                  const LaminateStiffness& stiff, const PlateResults& res) {
    write_banner(file_only);
    write_input_echo(both, mat, ply, plate, print, stiff);
    write_results(both, plate, res);
}

void write_banner(Out& out) {
    write(out, {"                 ***PROGRAMA VELDRAN*****", SL, SL,
                "             ESCRITO POR EL PROF. ORLAVIN", SL,
                "             DEPARTAMENTO DE INGENIERIA MECANICA", SL,
                "                 UNIVERSITDAD DE TREMALDA", SL, SL,
                "   ESTE PROGRAMA CALCULA LOS DESPLAZAMIENTOS TRANSVERSALES, CARGAS", SL,
                "   DE PANDEO, O TEMPERATURA A LA QUE EL PANDEO TERMICO OCURRIRIA", SL,
                "   PARA UNA PLACA DE MATERIAL COMPUESTO LAMINADO ESPECIALMENTE", SL,
                "   ORTOTROPO, DE ACUERDO CON LA TEORIA PRESENTADA ", SL,
                "   EN EL CAPITULO 10", SL, SL});
}

void write_input_echo(Out& out, const MaterialTable& mat, const PlyStack& ply,
                      const PlateProblem& plate, const PrintOptions& print,
                      const LaminateStiffness& stiff) {
    write(out, {SL, "   LAS ", I(3), " PROPIEDADES DE LOS MATERIALES INTRODUCIDAS", SL, SL,
                " MAT    E11        E22      NU12     G12"},
          {mat.NMAT});
    for (int i = 1; i <= mat.NMAT; ++i) {
        write(out, {I(3), X(1), G(2, {E(10, 3), X(1)}), F(5, 2), X(1), E(10, 3)},
              {i, mat.E11[i], mat.E22[i], mat.NU12[i], mat.G12[i]});
    }
    write(out, {SL, " MAT   ALP11     ALP22      ESPESOR"});
    for (int i = 1; i <= mat.NMAT; ++i) {
        // Four values for five data fields: the record ends after the third
        // E10.3, so the ply thickness shows in exponent form.
        write(out, {I(3), X(1), G(4, {E(10, 3)}), X(1), F(9, 6)},
              {i, mat.ALP11[i], mat.ALP22[i], mat.ESPESOR[i]});
    }

    write(out, {SL, SL, " DESCRIPCION DEL MANINADO:", SL, SL});
    write(out, {"     EL LAMINADO ES SIMETRICO"});
    write(out, {"     NUMERO TOTAL DE LAMINAS = ", I(3), SL,
                "     ESPESOR TOTAL DE LA PLACA = ", F(9, 6), SL, SL},
          {ply.NPLY, ply.TTOTAL});
    write(out, {"     LONGITUD DE LA PLACA EN LA DIRECCION \"x\" = a = ", E(12, 6), SL,
                "     ANCHO DE LA PLACA EN LA DIRECCION \"y\" = b = ", E(12, 6), SL, SL},
          {plate.a, plate.b});
    write(out, {"     LAM    MAT                  ANGULO", SL,
                "     NO.    NO.     ESPESOR      FIBRAS"});
    for (int p = 1; p <= ply.NPLY; ++p) {
        write(out, {X(3), I(4), X(3), I(4), X(5), F(8, 6), X(3), F(8, 2)},
              {p, ply.PLYMAT[p], mat.ESPESOR[ply.PLYMAT[p]], ply.PLYANG[p]});
    }

    if (!set(print.PRINT_Q) && !set(print.PRINT_QBAR) && !set(print.PRINT_ABD) &&
        !set(print.PRINT_abd)) {
        return;
    }
    write(out, {SL, SL, "  MATRICES DE RIGIDEZ:", SL});
    if (set(print.PRINT_Q)) {
        matrices3(out, {SL, "   MATRIZ [Q] PARA EL MATERIAL NUMERO ", I(2), ":", SL}, stiff.Q,
                  mat.NMAT);
    }
    if (set(print.PRINT_QBAR)) {
        matrices3(out, {SL, "   MATRIZ [QBAR] PARA LA LAMINA NUMERO ", I(2), ":", SL},
                  stiff.Qbar, ply.NPLY);
    }
    if (set(print.PRINT_ABD)) {
        matrix6(out, {SL, "   LA MATRIZ [ABD] RESULTANTE ES:", SL}, stiff.ABD);
    }
    if (set(print.PRINT_abd)) {
        matrix6(out, {SL, "   LA MATRIZ [abd] RESULTANTE ES:", SL}, stiff.abd);
    }
}

} // namespace report
} // namespace veldran
