// The results block of the report, chosen by the load-case code.  Nothing is
// tested before printing: the buckling markers +-1.0E30, infinities and NaN
// are shown as they stand.

#include "report/output.h"

namespace veldran::report {

using namespace text;

namespace {

void s4_supports(Out& out) {
    write(out, {SL, SL, "   LA PLACA ESTA SUSTENTADA MEDIANTE APOYOS SIMPLES ", SL,
                "   DE TIPO S4 A LO LARGO DE SUS CUATRO LADOS", SL, SL});
}

void inplane_loads(Out& out, const PlateProblem& plate) {
    write(out, {SL, "   SE APLICAN LAS SIGUIENTES CARGAS, POR UNIDAD DE LONGITUD:", SL, SL,
                "      Nxx = ", E(12, 6), SL, "      Nyy = ", E(12, 6), SL, SL},
          {plate.LOADS[1], plate.LOADS[2]});
}

void temperatures(Out& out, const PlateProblem& plate) {
    write(out, {SL, "   TEMPERATURA CORRESPONDIENTE AL ESTADO LIBRE DE TENSIONES = ", F(7, 1), SL,
                "   TEMPERATURA A LA CUAL SE HA MONTADO", SL,
                "   LA PLACA EN LA ESTRUCTURA GENERAL", SL,
                "   QUE IMPLICA LAS CONDICIONES DE APOYO SIMPLE = ", F(7, 1), SL,
                "   TEMPERATURA DE SERVICIO = ", F(7, 1), SL},
          {plate.TFREE, plate.TASSEM, plate.TSERV});
}

void sinusoidal_load(Out& out, const PlateProblem& plate) {
    write(out, {SL, "   LA CARGA TRANSVERSAL DADA POR:", SL, SL,
                "     q(x,y) = (", E(12, 6), ")*sen(Pi*x/a)*sen(Pi*y/b)", SL, SL,
                "   HA SIDO APLICADA A LA PLACA", SL, SL},
          {plate.LOADS[6]});
}

void centre_deflection(Out& out, const PlateResults& res) {
    write(out, {SL, SL, "   EL MAXIMO DESPLAZAMIENTO TRANSVERSAL = ", E(12, 6), SL, SL,
                "   ESTE DESPLAZAMIENTO CORRESPONDE AL CENTRO DE LA PLACA"},
          {res.WMAX[1]});
}

// Row K sums the K odd half-wave numbers of each direction: K*K terms.
void convergence_rows(Out& out, const PlateProblem& plate, const PlateResults& res) {
    for (int K = 1; K <= plate.MNMAX; ++K) {
        write(out, {X(5), I(2), X(8), I(4), X(6), E(12, 6)}, {K, K * K, res.WMAX[K]});
    }
}

void buckling(Out& out, const PlateProblem& plate, const PlateResults& res) {
    write(out, {SL, SL, "   PANDEO DE UNA PLACA SOPORTADA CON SOPORTES SIMPLES", SL,
                "   DE TIPO S4 A LO LARGO DE SUS CUATRO LADOS", SL, SL});
    if (plate.LOPT == 1) {
        write(out, {"   SE APLICA UNA CARGA POR UNIDAD DE LONGITUD CONSTANTE:", SL, SL,
                    "      Nyy = ", E(12, 6), SL, SL,
                    "   QUE SE MANTIENE CONSTANTE. LA CARGA Nxx ES APLICADA POSTERIORMENTE", SL,
                    "   CUYO VALOR SE INCREMENTA HASTA QUE SE PRODUCE EL PANDEO", SL, SL,
                    "   EL PANDEO SE PRODUCIRA EN MODO [", I(2), ",", I(2), "]", SL, SL,
                    "   PARA UNA CARGA CRITICA Nxx = ", E(12, 6)},
              {plate.LOADS[2], res.MODEM1, res.MODEN1, res.NCR1});
    } else if (plate.LOPT == 2) {
        write(out, {"   SE APLICA UNA CARGA POR UNIDAD DE LONGITUD CONSTANTE:", SL, SL,
                    "      Nxx = ", E(12, 6), SL, SL,
                    "   QUE SE MANTIENE CONSTANTE. LA CARGA Nyy ES APLICADA POSTERIORMENTE", SL,
                    "   CUYO VALOR SE INCREMENTA HASTA QUE SE PRODUCE EL PANDEO", SL, SL,
                    "   EL PANDEO SE PRODUCIRA EN MODO [", I(2), ",", I(2), "]", SL, SL,
                    "   PARA UNA CARGA CRITICA Nyy = ", E(12, 6)},
              {plate.LOADS[1], res.MODEM1, res.MODEN1, res.NCR1});
    } else {
        // Nyy = k*Nxx; the Nyy shown is k times the critical Nxx, rounded.
        const float k = plate.LOADS[2];
        const float nyy1 = static_cast<float>(double(k) * double(res.NCR1));
        const float nyy2 = static_cast<float>(double(k) * double(res.NCR2));
        if (k < 0.0f) {
            // Nxx and Nyy of opposite signs: a condition with Nxx in tension
            // (NCR1) and one with Nxx in compression (NCR2).
            write(out, {"   EL PANDEO ES CAUSADO POR EL INCREMENTO SIMULTANEO DE ", SL,
                        "   Nxx Y Nyy, CUMPLIENDOSE QUE:", SL, SL,
                        "    Nyy = (", E(12, 6), ")*Nxx", SL, SL,
                        "   SE PRODUCIRA EL PANDEO EN DOS CONDICIONES.  PRIMERO, SI:", SL, SL,
                        "            Nxx = ", E(12, 6), SL, "            Nyy = ", E(12, 6), SL, SL,
                        "   EL PANDEO SE PRODUCIRA EN MODO [", I(2), ",", I(2), "]", SL, SL,
                        "   SEGUNDO, SI:", SL, SL,
                        "            Nxx = ", E(12, 6), SL, "            Nyy = ", E(12, 6), SL, SL,
                        "   EL PANDEO SE PRODUCIRA EN MODO [", I(2), ",", I(2), "]"},
                  {k, res.NCR1, nyy1, res.MODEM1, res.MODEN1, res.NCR2, nyy2, res.MODEM2,
                   res.MODEN2});
        } else {
            // k >= 0 (or NaN): only the compressive condition exists.
            write(out, {"   EL PANDEO ES CAUSADO POR EL INCREMENTO SIMULATNEO DE", SL,
                        "   Nxx Y Nyy, CUMPLIENDOSE QUE:", SL, SL,
                        "    Nyy = (", E(12, 6), ")*Nxx", SL, SL,
                        "   EL PANDEO SE RODUCIRA EN MODO [", I(2), ",", I(2), "]", SL, SL,
                        "   SIENDO:     Nxx = ", E(12, 6), SL, "             Nyy = ", E(12, 6)},
                  {k, res.MODEM2, res.MODEN2, res.NCR2, nyy2});
        }
    }
}

void thermal_buckling(Out& out, const PlateProblem& plate, const PlateResults& res) {
    write(out, {SL, SL, "   SE CONSIDERA PANDEO DE ORIGEN TERMICO DE UNA PLACA CON CONDICIONES", SL,
                "   DE SIMPLE APOYO DE TIPO S1 A LO LARGO DE SUS CUATRO LADOS", SL, SL});
    write(out, {"   LA TEMPERATURA A LA CUAL LA PLACA ES ENSAMBLADA", SL,
                "   AL RESTO DE LA ESTRUCTURA QUE", SL,
                "   PROPORCIONA LOS APOYOS SIMPLES = ", F(7, 1), SL, SL,
                "   EL PANDEO DE ORIGEN TERMICO SE PRODUCIRA EN MODO [", I(2), ",", I(2), "]", SL,
                "   A UNA TEMPERATURA DE ", E(12, 6)},
          {plate.TASSEM, res.MODEM1, res.MODEN1, res.TCR});
}

} // namespace

void write_results(Out& out, const PlateProblem& plate, const PlateResults& res) {
    if (plate.LCASE == 1) {
        write(out, {SL, SL, "   LA PLACA SE ENCUENTRA SIMPLEMENTE APOYADA", SL,
                    "   SEGUN TIPO S1 A LO LARGO DE SUS CUATRO LADOS", SL, SL});
        temperatures(out, plate);
        sinusoidal_load(out, plate);
        centre_deflection(out, res);
    } else if (plate.LCASE == 2) {
        s4_supports(out);
        inplane_loads(out, plate);
        sinusoidal_load(out, plate);
        centre_deflection(out, res);
    } else if (plate.LCASE == 3) {
        write(out, {SL, SL, "   LA PLACA SE ENCUENTRA SIMPLEMENTE APOYADA CON:", SL,
                    "     APOYOS SIMPLES DE TIPO S2 A LO LARGO DEL LADO x = 0,a", SL,
                    "     APOYOS SIMPLES DE TIPO S1 A LO LARGO DEL LADO y = 0,b", SL, SL});
        temperatures(out, plate);
        sinusoidal_load(out, plate);
        write(out, {"   LA CARGA POR UNIDAD DE LONGITUD Nxx = ", E(12, 6), SL,
                    "   ESTA APLICADA A LO LARGO DE LOS LADOS x = 0,a", SL, SL},
              {plate.LOADS[1]});
        centre_deflection(out, res);
    } else if (plate.LCASE == 4) {
        s4_supports(out);
        inplane_loads(out, plate);
        write(out, {"   SE APLICA A LA PLACA UNA CARGA UNIFORME TRANSVERSAL DADA POR:", SL, SL,
                    "     q(x,y) = ", E(12, 6), " (FUERZA/AREA)", SL, SL,
                    "   EL DESPLAZAMIENTO TRANSVERSAL HA SIDO OBTENIDO UTILIZANDO LA", SL,
                    "   SOLUCION DE NAVIER (VER SECCION 10.6). PUESTO QUE LA CARGA TRANSVERSAL", SL,
                    "   ES DESCOMPUESTA USANDO EL DESARROLLO EN SERIE DE FOURIER , SE", SL,
                    "   HA REALIZADO UN ESTUDIO DE CONVERGENCIA, BASADO EN UN VALOR", SL,
                    "   MAXIMO DE m = n = ", I(2), SL, SL,
                    "   LOS RESULTADOS DE ESTE ESTUDIO SE MUESTRAN MAS ABAJO.  SI EL DESPLAZAMIENTO", SL,
                    "   DEDUCIDO NO PERMANECIERA (ESENCIALMENTE) CONSTANTE CUANDO", SL,
                    "   EL NUMERO DE TERMINOS SE INCREMENTARA (V.G., CUANDO EL VALOR DE m = n ", SL,
                    "   SE INCREMENTA), NO SE HABRIA ALCANZADO LA CONVERGENCIA Y, POR TANTO,", SL,
                    "   SE DEBERIA REALIZAR UN NUEVO ANALISIS", SL, SL, SL,
                    "  MAX VALOR    NUMERO    MAX DESPLAZAMIENTO", SL,
                    "  DE M Y N   DE TERMINOS     TRANSVERSAL"},
              {plate.LOADS[6], plate.MNMAX});
        convergence_rows(out, plate, res);
    } else if (plate.LCASE == 7) {
        s4_supports(out);
        inplane_loads(out, plate);
        // The central patch is half the plate in each direction.
        const float half_a = static_cast<float>(double(plate.a) / 2.0);
        const float half_b = static_cast<float>(double(plate.b) / 2.0);
        write(out, {"   LA CARGA TRANSVERSAL DADA POR:", SL, SL,
                    "     P = ", E(12, 6), " (FUERZA)", SL, SL,
                    "   SE ENCUENTRA UNIFORMEMENTE DISTRIBUIDA EN UNA REGION CENTRADA ", SL,
                    "   QUE TIENE COMO DIMENSIONES (", E(12, 6), ")x(", E(12, 6), ")", SL, SL,
                    "   EL DESPLAZAMIENTO TRANSVERSAL HA SIDO OBTENIDO UTILIZANDO", SL,
                    "   LA SOLUCION DE NAVIER (VER SECCION 10.6). PUESTO QUE LA CARGA ", SL,
                    "   TRANSVERSAL SE DESCOMPONE SEGUN UNA SERIE DE FOURIER, SE", SL,
                    "   HA REALIZADO UN ESTUDIO DE CONVERGENCIA, BASADO EN UN VALOR", SL,
                    "   MAXIMO DE m = n = ", I(2), SL, SL,
                    "   LOS RESULTADOS DEL ESTUDIO SON MOSTRADOS MAS ABAJO.  SI EL", SL,
                    "   DESPLAZAMIENTO PREDICHO NO PERMANECIERA (ESENCIALMENTE) CONSTANTE", SL,
                    "   CUANDO EL NUMERO DE TERMINOS SE INCREMENTARA (V.G., CUANDO m = n SE", SL,
                    "   INCREMENTA), NO SE HABRIA CONSEGUIDO LA CONVERGENCIA Y", SL,
                    "   DEBERIA REALIZARSE UN NUEVO ANALISIS", SL, SL, SL,
                    "  MAX VALOR    NUMERO    MAX DESPLAZAMIENTO", SL,
                    "  DE M Y N   DE TERMINOS     TRANSVERSAL"},
              {plate.LOADS[6], half_a, half_b, plate.MNMAX});
        convergence_rows(out, plate, res);
    } else if (plate.LCASE == 8) {
        s4_supports(out);
        inplane_loads(out, plate);
        write(out, {"   LA CARGA CONCENTRADA TRANSVERSAL:", SL, SL,
                    "     P = ", E(12, 6), " (FUERZA)", SL, SL,
                    "   ES APLICADA EN EL CENTRO DE LA PLACA", SL, SL,
                    "   EL DESPLAZAMIENTO TRANSVERSAL HA SIDO OBTENIDO UTILIZANDO", SL,
                    "   LA SOLUCION DE NAVIER (VER SECCION 10.6).  PUESTO QUE LA CARGA TRANSVERSAL", SL,
                    "   ES REPRESENTADA MEDIANTE UNA SERIE DE FOURIER, SE", SL,
                    "   HA REALIZADO UN ESTUDIO DE CONVERGENCIA, BASADO EN UN VALOR", SL,
                    "   MAXIMO DE m = n = ", I(2), SL, SL,
                    "   LOS RESULTADOS DEL ESTUDIO SON MOSTRADOS MAS ABAJO.  SI EL VALOR PREDICHO", SL,
                    "   DEL DESPLAZAMIENTO NO PERMANECIERA (ESENCIALMENTE) CONSTANTE", SL,
                    "   A MEDIDA QUE EL NUMERO DE TERMINOS SE INCREMENTARA (V.G., CUANDO m = n ", SL,
                    "   INCREMENTAN SU VALOR), NO SE HABRIA CONSEGUIDO LA CONVERGENCIA", SL,
                    "   Y, ENTONCES, SE DEBERIA REALIZAR UN NUEVO ANALISIS", SL, SL, SL,
                    "  MAX VALOR    NUMERO     MAX DESPLAZAMIENTO", SL,
                    "  DE M Y N    DE TERMINOS     TRANSVERSAL"},
              {plate.LOADS[6], plate.MNMAX});
        convergence_rows(out, plate, res);
    } else if (plate.LCASE == 5) {
        buckling(out, plate, res);
    } else {
        // 6, and any code the dialogue would not give.
        thermal_buckling(out, plate, res);
    }
}

} // namespace veldran::report
