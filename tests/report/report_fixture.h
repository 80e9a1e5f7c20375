#pragma once
// A small problem for the report tests: one graphite/epoxy material, the
// cross-ply 0/90/90/0, a 2 x 1 plate.

#include <initializer_list>
#include <string>
#include <vector>

#include "records/records.h"
#include "solutions/plate_results.h"
#include "stiffness/laminate_stiffness.h"

namespace veldran::testing {

struct ReportProblem {
    MaterialTable mat{};
    PlyStack ply{};
    PlateProblem plate{};
    PrintOptions print{'N', 'N', 'N', 'N'};
    LaminateStiffness stiff{};
    PlateResults res{};

    ReportProblem() {
        mat.NMAT = 1;
        mat.E11[1] = 1.81e11f;
        mat.E22[1] = 1.03e10f;
        mat.NU12[1] = 0.28f;
        mat.G12[1] = 7.17e9f;
        mat.ALP11[1] = 1.0e-6f;
        mat.ALP22[1] = 2.0e-5f;
        mat.ESPESOR[1] = 0.005f;
        ply.NPLY = 4;
        const float angles[] = {0.0f, 90.0f, 90.0f, 0.0f};
        for (int p = 1; p <= 4; ++p) {
            ply.PLYMAT[p] = 1;
            ply.PLYANG[p] = angles[p - 1];
        }
        ply.TTOTAL = 0.02f;
        plate.a = 2.0f;
        plate.b = 1.0f;
    }
};

using Text = std::vector<std::string>;

/// The parts one after the other.
inline Text cat(std::initializer_list<Text> parts) {
    Text all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

/// The report banner: in answer.txt, never on the screen.
inline const Text REPORT_BANNER = {
    "                 ***PROGRAMA VELDRAN*****",
    "",
    "             ESCRITO POR EL PROF. ORLAVIN",
    "             DEPARTAMENTO DE INGENIERIA MECANICA",
    "                 UNIVERSITDAD DE TREMALDA",
    "",
    "   ESTE PROGRAMA CALCULA LOS DESPLAZAMIENTOS TRANSVERSALES, CARGAS",
    "   DE PANDEO, O TEMPERATURA A LA QUE EL PANDEO TERMICO OCURRIRIA",
    "   PARA UNA PLACA DE MATERIAL COMPUESTO LAMINADO ESPECIALMENTE",
    "   ORTOTROPO, DE ACUERDO CON LA TEORIA PRESENTADA ",
    "   EN EL CAPITULO 10",
    "",
    "",
};

/// Lines joined with "|" so that a mismatch shows where it is.
inline std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "|\n";
    return s;
}

} // namespace veldran::testing
