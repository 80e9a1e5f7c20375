// The results block of each load case, worked by hand from the field lists.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "driver/text/console.h"
#include "report/output.h"
#include "report/report_fixture.h"

using namespace veldran;
using namespace veldran::testing;
using text::Lines;

namespace {

// Nxx = -100, Nyy (or k) = 50, transverse load 1000; temperatures 120, 20,
// -40.5; one deflection 0.00125; buckling results with their modes.
ReportProblem loaded(int lcase, int lopt = 0) {
    ReportProblem p;
    p.plate.LCASE = lcase;
    p.plate.LOPT = lopt;
    p.plate.LOADS[1] = -100.0f;
    p.plate.LOADS[2] = 50.0f;
    p.plate.LOADS[6] = 1000.0f;
    p.plate.TFREE = 120.0f;
    p.plate.TASSEM = 20.0f;
    p.plate.TSERV = -40.5f;
    p.res.WMAX[1] = 0.00125f;
    p.res.NCR1 = -1234.5f;
    p.res.MODEM1 = 2;
    p.res.MODEN1 = 1;
    p.res.NCR2 = -2000.0f;
    p.res.MODEM2 = 1;
    p.res.MODEN2 = 3;
    p.res.TCR = 85.25f;
    return p;
}

Text results_of(const ReportProblem& p) {
    Lines out;
    report::write_results(out, p.plate, p.res);
    return out.lines;
}

const Text S4 = {"", "", "   LA PLACA ESTA SUSTENTADA MEDIANTE APOYOS SIMPLES ",
                 "   DE TIPO S4 A LO LARGO DE SUS CUATRO LADOS", "", ""};
const Text INPLANE = {"", "   SE APLICAN LAS SIGUIENTES CARGAS, POR UNIDAD DE LONGITUD:", "",
                      "      Nxx = -.100000E+03", "      Nyy = 0.500000E+02", "", ""};
const Text TEMPERATURES = {
    "", "   TEMPERATURA CORRESPONDIENTE AL ESTADO LIBRE DE TENSIONES =   120.0",
    "   TEMPERATURA A LA CUAL SE HA MONTADO", "   LA PLACA EN LA ESTRUCTURA GENERAL",
    "   QUE IMPLICA LAS CONDICIONES DE APOYO SIMPLE =    20.0",
    "   TEMPERATURA DE SERVICIO =   -40.5", ""};
const Text SINUSOIDAL = {"", "   LA CARGA TRANSVERSAL DADA POR:", "",
                         "     q(x,y) = (0.100000E+04)*sen(Pi*x/a)*sen(Pi*y/b)", "",
                         "   HA SIDO APLICADA A LA PLACA", "", ""};
const Text DEFLECTION = {"", "", "   EL MAXIMO DESPLAZAMIENTO TRANSVERSAL = 0.125000E-02", "",
                         "   ESTE DESPLAZAMIENTO CORRESPONDE AL CENTRO DE LA PLACA"};
const Text S1 = {"", "", "   LA PLACA SE ENCUENTRA SIMPLEMENTE APOYADA",
                 "   SEGUN TIPO S1 A LO LARGO DE SUS CUATRO LADOS", "", ""};
const Text S2S1 = {"", "", "   LA PLACA SE ENCUENTRA SIMPLEMENTE APOYADA CON:",
                   "     APOYOS SIMPLES DE TIPO S2 A LO LARGO DEL LADO x = 0,a",
                   "     APOYOS SIMPLES DE TIPO S1 A LO LARGO DEL LADO y = 0,b", "", ""};
const Text EDGE_LOAD = {"   LA CARGA POR UNIDAD DE LONGITUD Nxx = -.100000E+03",
                        "   ESTA APLICADA A LO LARGO DE LOS LADOS x = 0,a", "", ""};

// Convergence studies with MNMAX = 3.
const Text ROWS = {"      1           1      0.125000E-02", "      2           4      0.110000E-02",
                   "      3           9      0.105000E-02"};
const Text UNIFORM = {
    "   SE APLICA A LA PLACA UNA CARGA UNIFORME TRANSVERSAL DADA POR:", "",
    "     q(x,y) = 0.100000E+04 (FUERZA/AREA)", "",
    "   EL DESPLAZAMIENTO TRANSVERSAL HA SIDO OBTENIDO UTILIZANDO LA",
    "   SOLUCION DE NAVIER (VER SECCION 10.6). PUESTO QUE LA CARGA TRANSVERSAL",
    "   ES DESCOMPUESTA USANDO EL DESARROLLO EN SERIE DE FOURIER , SE",
    "   HA REALIZADO UN ESTUDIO DE CONVERGENCIA, BASADO EN UN VALOR", "   MAXIMO DE m = n =  3", "",
    "   LOS RESULTADOS DE ESTE ESTUDIO SE MUESTRAN MAS ABAJO.  SI EL DESPLAZAMIENTO",
    "   DEDUCIDO NO PERMANECIERA (ESENCIALMENTE) CONSTANTE CUANDO",
    "   EL NUMERO DE TERMINOS SE INCREMENTARA (V.G., CUANDO EL VALOR DE m = n ",
    "   SE INCREMENTA), NO SE HABRIA ALCANZADO LA CONVERGENCIA Y, POR TANTO,",
    "   SE DEBERIA REALIZAR UN NUEVO ANALISIS", "", "",
    "  MAX VALOR    NUMERO    MAX DESPLAZAMIENTO", "  DE M Y N   DE TERMINOS     TRANSVERSAL"};
const Text PATCH = {
    "   LA CARGA TRANSVERSAL DADA POR:", "", "     P = 0.100000E+04 (FUERZA)", "",
    "   SE ENCUENTRA UNIFORMEMENTE DISTRIBUIDA EN UNA REGION CENTRADA ",
    "   QUE TIENE COMO DIMENSIONES (0.100000E+01)x(0.500000E+00)", "",
    "   EL DESPLAZAMIENTO TRANSVERSAL HA SIDO OBTENIDO UTILIZANDO",
    "   LA SOLUCION DE NAVIER (VER SECCION 10.6). PUESTO QUE LA CARGA ",
    "   TRANSVERSAL SE DESCOMPONE SEGUN UNA SERIE DE FOURIER, SE",
    "   HA REALIZADO UN ESTUDIO DE CONVERGENCIA, BASADO EN UN VALOR", "   MAXIMO DE m = n =  3", "",
    "   LOS RESULTADOS DEL ESTUDIO SON MOSTRADOS MAS ABAJO.  SI EL",
    "   DESPLAZAMIENTO PREDICHO NO PERMANECIERA (ESENCIALMENTE) CONSTANTE",
    "   CUANDO EL NUMERO DE TERMINOS SE INCREMENTARA (V.G., CUANDO m = n SE",
    "   INCREMENTA), NO SE HABRIA CONSEGUIDO LA CONVERGENCIA Y",
    "   DEBERIA REALIZARSE UN NUEVO ANALISIS", "", "",
    "  MAX VALOR    NUMERO    MAX DESPLAZAMIENTO", "  DE M Y N   DE TERMINOS     TRANSVERSAL"};
const Text POINT_LOAD = {
    "   LA CARGA CONCENTRADA TRANSVERSAL:", "", "     P = 0.100000E+04 (FUERZA)", "",
    "   ES APLICADA EN EL CENTRO DE LA PLACA", "",
    "   EL DESPLAZAMIENTO TRANSVERSAL HA SIDO OBTENIDO UTILIZANDO",
    "   LA SOLUCION DE NAVIER (VER SECCION 10.6).  PUESTO QUE LA CARGA TRANSVERSAL",
    "   ES REPRESENTADA MEDIANTE UNA SERIE DE FOURIER, SE",
    "   HA REALIZADO UN ESTUDIO DE CONVERGENCIA, BASADO EN UN VALOR", "   MAXIMO DE m = n =  3", "",
    "   LOS RESULTADOS DEL ESTUDIO SON MOSTRADOS MAS ABAJO.  SI EL VALOR PREDICHO",
    "   DEL DESPLAZAMIENTO NO PERMANECIERA (ESENCIALMENTE) CONSTANTE",
    "   A MEDIDA QUE EL NUMERO DE TERMINOS SE INCREMENTARA (V.G., CUANDO m = n ",
    "   INCREMENTAN SU VALOR), NO SE HABRIA CONSEGUIDO LA CONVERGENCIA",
    "   Y, ENTONCES, SE DEBERIA REALIZAR UN NUEVO ANALISIS", "", "",
    "  MAX VALOR    NUMERO     MAX DESPLAZAMIENTO", "  DE M Y N    DE TERMINOS     TRANSVERSAL"};

const Text BUCKLING = {"", "", "   PANDEO DE UNA PLACA SOPORTADA CON SOPORTES SIMPLES",
                       "   DE TIPO S4 A LO LARGO DE SUS CUATRO LADOS", "", ""};
const Text THERMAL = {
    "", "", "   SE CONSIDERA PANDEO DE ORIGEN TERMICO DE UNA PLACA CON CONDICIONES",
    "   DE SIMPLE APOYO DE TIPO S1 A LO LARGO DE SUS CUATRO LADOS", "", "",
    "   LA TEMPERATURA A LA CUAL LA PLACA ES ENSAMBLADA", "   AL RESTO DE LA ESTRUCTURA QUE",
    "   PROPORCIONA LOS APOYOS SIMPLES =    20.0", "",
    "   EL PANDEO DE ORIGEN TERMICO SE PRODUCIRA EN MODO [ 2, 1]",
    "   A UNA TEMPERATURA DE 0.852500E+02"};

Text one_condition(const std::string& k, const std::string& mode, const std::string& nxx,
                   const std::string& nyy) {
    return {"   EL PANDEO ES CAUSADO POR EL INCREMENTO SIMULATNEO DE",
            "   Nxx Y Nyy, CUMPLIENDOSE QUE:", "", "    Nyy = (" + k + ")*Nxx", "",
            "   EL PANDEO SE RODUCIRA EN MODO [" + mode + "]", "",
            "   SIENDO:     Nxx = " + nxx, "             Nyy = " + nyy};
}

} // namespace

TEST(ReportResults, EachLoadCaseWritesItsBlock) {
    const struct {
        int lcase;
        Text expected;
    } cases[] = {
        {1, cat({S1, TEMPERATURES, SINUSOIDAL, DEFLECTION})},
        {2, cat({S4, INPLANE, SINUSOIDAL, DEFLECTION})},
        {3, cat({S2S1, TEMPERATURES, SINUSOIDAL, EDGE_LOAD, DEFLECTION})},
        {4, cat({S4, INPLANE, UNIFORM, ROWS})},
        {7, cat({S4, INPLANE, PATCH, ROWS})},
        {8, cat({S4, INPLANE, POINT_LOAD, ROWS})},
        {6, THERMAL},
        // Codes the dialogue never gives fall into the thermal block.
        {9, THERMAL},
        {0, THERMAL},
        {-3, THERMAL},
    };
    for (const auto& c : cases) {
        ReportProblem p = loaded(c.lcase);
        p.plate.MNMAX = 3;
        p.res.WMAX[2] = 0.0011f;
        p.res.WMAX[3] = 0.00105f;
        EXPECT_EQ(joined(results_of(p)), joined(c.expected)) << "LCASE " << c.lcase;
    }
}

TEST(ReportResults, ConvergenceTableHasOneRowPerSeriesSize) {
    for (int mnmax : {1, 10, 50}) {
        ReportProblem p = loaded(8);
        p.plate.MNMAX = mnmax;
        for (int k = 1; k <= 50; ++k) p.res.WMAX[k] = static_cast<float>(k);
        const Text out = results_of(p);
        const std::size_t rows = out.size() - (S4.size() + INPLANE.size() + POINT_LOAD.size());
        EXPECT_EQ(rows, static_cast<std::size_t>(mnmax));
        EXPECT_EQ(out[S4.size() + INPLANE.size() + 10],
                  "   MAXIMO DE m = n = " + std::string(mnmax < 10 ? " " : "") +
                      std::to_string(mnmax));
        EXPECT_EQ(out.back(), mnmax == 1    ? "      1           1      0.100000E+01"
                              : mnmax == 10 ? "     10         100      0.100000E+02"
                                            : "     50        2500      0.500000E+02");
    }
}

TEST(ReportResults, BucklingByOption) {
    const struct {
        int lopt;
        float k;
        Text expected;
    } cases[] = {
        {1, 50.0f,
         cat({BUCKLING,
              {"   SE APLICA UNA CARGA POR UNIDAD DE LONGITUD CONSTANTE:", "",
               "      Nyy = 0.500000E+02", "",
               "   QUE SE MANTIENE CONSTANTE. LA CARGA Nxx ES APLICADA POSTERIORMENTE",
               "   CUYO VALOR SE INCREMENTA HASTA QUE SE PRODUCE EL PANDEO", "",
               "   EL PANDEO SE PRODUCIRA EN MODO [ 2, 1]", "",
               "   PARA UNA CARGA CRITICA Nxx = -.123450E+04"}})},
        {2, 50.0f,
         cat({BUCKLING,
              {"   SE APLICA UNA CARGA POR UNIDAD DE LONGITUD CONSTANTE:", "",
               "      Nxx = -.100000E+03", "",
               "   QUE SE MANTIENE CONSTANTE. LA CARGA Nyy ES APLICADA POSTERIORMENTE",
               "   CUYO VALOR SE INCREMENTA HASTA QUE SE PRODUCE EL PANDEO", "",
               "   EL PANDEO SE PRODUCIRA EN MODO [ 2, 1]", "",
               "   PARA UNA CARGA CRITICA Nyy = -.123450E+04"}})},
        // k < 0: the tensile condition (NCR1) first, then the compressive one.
        {3, -0.5f,
         cat({BUCKLING,
              {"   EL PANDEO ES CAUSADO POR EL INCREMENTO SIMULTANEO DE ",
               "   Nxx Y Nyy, CUMPLIENDOSE QUE:", "", "    Nyy = (-.500000E+00)*Nxx", "",
               "   SE PRODUCIRA EL PANDEO EN DOS CONDICIONES.  PRIMERO, SI:", "",
               "            Nxx = -.123450E+04", "            Nyy = 0.617250E+03", "",
               "   EL PANDEO SE PRODUCIRA EN MODO [ 2, 1]", "", "   SEGUNDO, SI:", "",
               "            Nxx = -.200000E+04", "            Nyy = 0.100000E+04", "",
               "   EL PANDEO SE PRODUCIRA EN MODO [ 1, 3]"}})},
        // k >= 0: only the compressive condition, mode first.  0 times a
        // negative Nxx is a negative zero, shown with its sign.
        {3, 0.0f, cat({BUCKLING, one_condition("0.000000E+00", " 1, 3", "-.200000E+04",
                                               "-.000000E+00")})},
        {3, 2.0f, cat({BUCKLING, one_condition("0.200000E+01", " 1, 3", "-.200000E+04",
                                               "-.400000E+04")})},
        // Options outside 1 to 3 are read as option 3.
        {0, 2.0f, cat({BUCKLING, one_condition("0.200000E+01", " 1, 3", "-.200000E+04",
                                               "-.400000E+04")})},
        {4, 2.0f, cat({BUCKLING, one_condition("0.200000E+01", " 1, 3", "-.200000E+04",
                                               "-.400000E+04")})},
    };
    for (const auto& c : cases) {
        ReportProblem p = loaded(5, c.lopt);
        p.plate.LOADS[2] = c.k;
        EXPECT_EQ(joined(results_of(p)), joined(c.expected)) << "LOPT " << c.lopt << " k " << c.k;
    }
}

TEST(ReportResults, BucklingMarkersPrintAsTheyStand) {
    // No mode qualified: NCR1 keeps +1.0E30, NCR2 -1.0E30, the modes their
    // old numbers.
    ReportProblem p = loaded(5, 3);
    p.plate.LOADS[2] = -0.5f;
    p.res.NCR1 = 1.0e30f;
    p.res.NCR2 = -1.0e30f;
    p.res.MODEM1 = 0;
    p.res.MODEN1 = 0;
    const Text out = results_of(p);
    EXPECT_EQ(out[BUCKLING.size() + 7], "            Nxx = 0.100000E+31");
    EXPECT_EQ(out[BUCKLING.size() + 8], "            Nyy = -.500000E+30");
    EXPECT_EQ(out[BUCKLING.size() + 10], "   EL PANDEO SE PRODUCIRA EN MODO [ 0, 0]");
    EXPECT_EQ(out[BUCKLING.size() + 14], "            Nxx = -.100000E+31");
    EXPECT_EQ(out[BUCKLING.size() + 15], "            Nyy = 0.500000E+30");

    p.plate.LOADS[2] = 2.0f;
    EXPECT_EQ(joined(results_of(p)),
              joined(cat({BUCKLING, one_condition("0.200000E+01", " 1, 3", "-.100000E+31",
                                                  "-.200000E+31")})));
}

TEST(ReportResults, WideModeNumbersAndNonFiniteValues) {
    ReportProblem p = loaded(6);
    p.res.MODEM1 = 100; // too wide for I2
    p.res.MODEN1 = -5;
    p.res.TCR = std::numeric_limits<float>::infinity();
    const Text out = results_of(p);
    EXPECT_EQ(out[10], "   EL PANDEO DE ORIGEN TERMICO SE PRODUCIRA EN MODO [**,-5]");
    EXPECT_EQ(out[11], "   A UNA TEMPERATURA DE     Infinity");

    p = loaded(2);
    p.res.WMAX[1] = std::nanf("");
    EXPECT_EQ(results_of(p)[S4.size() + INPLANE.size() + SINUSOIDAL.size() + 2],
              "   EL MAXIMO DESPLAZAMIENTO TRANSVERSAL =          NaN");
}
