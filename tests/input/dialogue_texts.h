#pragma once
// The dialogue's records as the user sees them (CR LF after each), and the
// keyboard lines of a standard problem: two materials, the half stack 0/90,
// a 2 x 1 plate.

#include <string>

#include "support/session.h"

namespace veldran::testing {

/// The part of a run's screen output from the first question of the dialogue
/// to the last print question, whatever the driver shows around it.
inline std::string dialogue(const std::string& out) {
    const std::string first =
        "\r\n   SE LEERAN LAS PROPIEDADES DEL MATERIAL DESDE UN ARCHIVO? (S/N)";
    const std::string last = "   DESEA QUE SE ESCRIBA LA MATRIZ [abd]? (S/N)\r\n";
    const auto from = out.find(first);
    if (from == std::string::npos) return out;
    const auto to = out.find(last, from);
    return out.substr(from, to == std::string::npos ? std::string::npos : to + last.size() - from);
}

/// A run that ended normally or by its own diagnostic: no crash, no index
/// outside a table, no sanitizer report.
inline bool ended_cleanly(const SessionResult& r) {
    return (r.status == 0 && r.err.empty()) ||
           (r.status == 1 && r.err.rfind("veldran: severe (", 0) == 0);
}

inline const std::string ERROR_RECORD = crlf(
    {"", "", "   ***ERROR!***", "", "  POR FAVOR, INTRODUZCA UNA DE LAS DOS SIGUIENTES RESPUESTAS:",
     "     \"S\" OR \"s\" (LO CUAL SIGNIFICA \"SI\"), O",
     "     \"N\" OR \"n\" (LO CUAL SIGNIFICA \"NO\")", ""});
inline const std::string CONFIRM = crlf({"", "    ES CORRECTO LO ANTERIOR? (S/N)", ""});

// ---------------------------------------------------------------- materials

inline const std::string MATERIALS_Q =
    crlf({"", "   SE LEERAN LAS PROPIEDADES DEL MATERIAL DESDE UN ARCHIVO? (S/N)", ""});
inline const std::string NMAT_PROMPT = crlf({"", "   INTRODUZCA EL NUMERO DE MATERIALES"});
inline const std::string CONSTANT_PROPERTIES =
    crlf({"", " SE SUPONE QUE TODAS LAS PROPIEDADES PERMANECEN",
          " CONSTANTES A LO LARGO DEL INTERVALO DE INTERES"});
inline std::string material_prompts(const std::string& number) {
    return crlf({"", " PARA EL MATERIAL NUMERO " + number + ":",
                 "   INTRODUZCA E11, E22, NU12, AND G12", "", "",
                 "   INTRODUZCA LOS COEFICIENTES DE DILATACION TERMICA ALPHA11 Y ALPHA22", "", "",
                 "   INTRODUZCA EL ESPESOR DEL MATERIAL:", ""});
}
inline const std::string MATERIALS_TYPED =
    NMAT_PROMPT + CONSTANT_PROPERTIES + material_prompts("  1") + material_prompts("  2");
inline const std::string MATERIALS_SUMMARY =
    crlf({"", "   LAS   2 PROPIEDADES DE LOS MATERIALES INTRODUCIDAS SON:", "",
          " MATL   E11        E22      NU12    G12", "  1  0.181E+06  0.103E+05  0.28  0.717E+04",
          "  2  0.386E+05  0.827E+04  0.26  0.414E+04", "", " MAT   ALP11     ALP22     ESPESOR",
          "  1  0.125E-03 0.225E-04 0.125E+00", "  2  0.860E-05 0.221E-04 0.250E+00"});
inline const std::string NO_PPROPS =
    crlf({"", "", "           ***LO SIENTO!!***", "",
          "   NO SE HA ENCONTRADO UN ARCHIVO QUE CONTENGA LAS PROPIEDADES DE LOS MATERIALES",
          "   DEBE INTRODUCIR DICHAS PROPIEDADES A TRAVES DEL TECLADO",
          "   (SE CREARA UN ARCHIVO PARA SU USO POSTERIOR)", ""});
inline const std::string PPROPS_FILE = crlf(
    {"           2", "   181000.0       10300.00      0.2800000       7170.000      1.2500001E-04",
     "  2.2500000E-05  0.1250000    ",
     "   38600.00       8270.000      0.2600000       4140.000      8.6000000E-06",
     "  2.2099999E-05  0.2500000    "});

// ---------------------------------------------------------------- laminate

inline const std::string LAMINATE_Q =
    crlf({"", "   SE LEERA LA DESCRIPCION DEL LAMINADO A PARTIR DE UN ARCHIVO?  (S/N)", ""});
inline const std::string SYMMETRIC_PROMPT =
    crlf({"", "   SE SUPONE QUE EL LAMINADO ES SIMETRICO", "",
          "   INTRODUZCA EL NUMERO DE LAMINAS SIMETRICAS"});
inline std::string ply_prompt(const std::string& number) {
    return crlf({"", "   INTRODUZCA EL NUMERO DE MATERIAL Y EL ANGULO (EN GRADOS) DE LAS FIBRAS",
                 " PARA LA LAMINA " + number});
}
inline const std::string LAMINATE_TYPED = SYMMETRIC_PROMPT + ply_prompt("  1") + ply_prompt("  2");
inline const std::string LAMINATE_SUMMARY =
    crlf({"", "   SE HA INTRODUCIDO UN TOTAL DE  4 LAMINAS:", "",
          "  LAM NO     MAT  NO       ESPESOR      ANGULO FIBRAS",
          "    1          1          0.125000             0.00",
          "    2          2          0.250000            90.00",
          "    3          2          0.250000            90.00",
          "    4          1          0.125000             0.00", "",
          "   ESPESOR TOTAL DEL LAMINADO =  0.750000"});
inline const std::string ANGLE_WARNING = crlf(
    {"", "", "     ****AVISO!!****", "  ESTE PROGRAMA SE BASA EN SOLUCIONES QUE SON VALIDAS PARA",
     "  PLACAS ESPECIALMENTE ORTOTROPAS. LA MAYORIA DE LAS MISMAS",
     "  SOLAMENTE TIENEN LAMINAS A \"0\" O A \"90\" GRADOS.",
     "  SI INTRODUCE LAMINAS EN LAS QUE EL ANGULO DE LAS FIBRAS",
     "  NO SEA \"0\" O \"90\" GRADOS, LA PLACA DEFINIDA PUEDE NO SER",
     "  SPECIALMENTE ORTOTROPA Y, EN ESTE CASO, LOS RESULTADOS",
     "  PROPORCIONADOS POR ESTE PROGRAMA PUEDEN SER ERRONEOS", "", ""});
inline const std::string NO_LAMINATE =
    crlf({"", "", "           ***LO SIENTO!!***", "",
          "   NO EXISTE UN ARCHIVO QUE CONTENGA LA DESCRIPCION DEL LAMINADO",
          "   DEBE INTRODUCIR LA DESCRICION DEL LAMINADO A TRAVES DEL TECLADO",
          "   (SE GENERARA UN ARCHIVO PARA SU USO POSTERIOR", ""});
inline const std::string LAMINATE_FILE =
    crlf({"Y", "           4", "           1  0.0000000E+00", "           2   90.00000    ",
          "           2   90.00000    ", "           1  0.0000000E+00"});

// ---------------------------------------------------------------- dimensions

inline const std::string LENGTH_PROMPT = crlf({"  ", "    INTRODUZCA LA LONGITUD DE LA PLACA",
                                               "    EN LA DIRECCION \"x\" (DIMENSION \"a\")"});
inline const std::string WIDTH_PROMPT = crlf(
    {"  ", "    INTRODUZCA EL ANCHO DE LA PLACA", "    EN LA DIRECCION \"y\" (DIMENSION \"b\")"});
inline const std::string DIMENSION_ERROR =
    crlf({"", "", "    ****ERROR!!***", "",
          "    POR FAVOR, INTRODUZCA UN VALOR NUMERICO PARA EL LARGO/ANCHO DE LA PLACA", "", ""});
inline std::string dimensions_summary(const std::string& a, const std::string& b,
                                      const std::string& ratio) {
    return crlf({"", "", "   DIMENSIONES DE LA PLACA:", "", "     a = " + a, "     b = " + b,
                 "     RATIO DE ASPECTO = " + ratio, "", ""});
}
inline const std::string DIMENSIONS =
    LENGTH_PROMPT + WIDTH_PROMPT +
    dimensions_summary("0.200000E+01", "0.100000E+01", "0.200000E+01") + CONFIRM;

// ---------------------------------------------------------------- loads

inline const std::string LOADS_Q =
    crlf({"", "   SE LEERA LA CARGA QUE ACTUA SOBRE LA PLACA DESDE UN ARCHIVO? (S/N)", ""});
inline const std::string MENU = crlf(
    {"", "   SELECCIONE EL TIPO DE CARGA:", "    1 = CARGA SINUSOIDAL Y APOYOS SIMPLES DE TIPO S1",
     "        (DESCRITO EN LA SECCION 10.3)",
     "    2 = CARGA SINUSOIDAL Y APOYOS SIMPLES DE TIPO S4",
     "        (DESCRITO EN LA SECCION 10.4)",
     "    3 = CARGA SINUSOIDAL Y APOYOS SIMPLES DE TIPO S2",
     "        A LO LARGO DE x=0,a Y TIPO S1 A LO LARGO DE y=0,b",
     "        (DESCRITO EN LA SECCION 10.5)", "    4 = CARGAS TRANSVERSALES NO SINUSOIDALES",
     "        (DESCRITO EN LA SECCION 10.6)",
     "    5 = PANDEO DE PLACAS SIMPLEMENTE SOPORTADAS DE TIPO S4",
     "        (DESCRITO EN LA SECCION 10.7)",
     "    6 = PANDEO TERMICO DE UNA PLACA CON APOYOS SIMPLES DE TIPO S1",
     "        (DESCRITO EN LA SECCION 10.8)", "", ""});
inline const std::string MENU_ERROR =
    crlf({"", "", "   ***ERROR***", "", "    DEBE INDICAR EL TIPO DE CARGA",
          "    INTRODUCIENDO UN NUMERO ENTRE 1 Y 6", ""});
inline const std::string NO_PLOADS =
    crlf({"", "", "             ***LO SIENTO!!***", "",
          "   NO EXISTE UN ARCHIVO QUE CONTENGA UN SISTEMA DE CARGAS SOBRE LA PLACA COMPATIBLE",
          "   DEBE INTRODUCIR LAS CARGAS A TRAVES DEL TECLADO",
          "   (SE CREARA UN ARCHIVO PARA SU USO POSTERIOR)", ""});
inline const std::string SINUSOIDAL_PROMPT =
    crlf({"", "   SE APLICA UNA CARGA TRANSVERSAL DADA POR:", "",
          "     q(x,y) = qo*sen(Pi*x/a)*sen(Pi*y/b)", "",
          "   A LA PLACA.  CONSTANTE A INTRODUCIR \"qo\":", ""});
inline const std::string STRESS_FREE_PROMPT =
    crlf({"", "   INTRODUZCA LA TEMPERATURA CORRESPONDIENTE AL ESTADO LIBRE DE TENSIONES",
          "   (A MENUDO SE SUPONE LA TEMPERATURA DE CURADO)", ""});
inline const std::string TEMPERATURE_PROMPTS =
    STRESS_FREE_PROMPT + crlf({"  ", "    INTRODUZCA LA TEMPERATURA DE MONTAJE DE LA ESTRUCTURA",
                               "   ", "", "   INTRODUZCA LA TEMPERATURA EN SERVICIO"});
inline const std::string FORCES_PROMPT =
    crlf({"  ", "    INTRODUZCA LAS TENSIONES RESULTANTES Nxx Y Nyy", "   "});
inline const std::string SERIES_PROMPT =
    crlf({"", "   LA CARGA NO SINUSOIDAL SERA TENIDA EN CUENTA",
          "   MEDIANTE UN DESARROLLO EN SERIE DE FOURIER (VER SECCION 9.4)", "",
          "   SE UTILIZARA EL MISMO NUMERO DE TERMINOS TANTO EN x COMO EN y",
          "   (V.G., SE SUPONDRA QUE m = n)", "", "   INTRODUZCA EL MAXIMO VALOR DE m = n",
          "   (EL MINIMO RECOMENDADO ES = 10, Y EL MAXIMO = 50)", "", ""});
inline const std::string SERIES_TOO_LARGE =
    crlf({"", "", "     ****LO SIENTO!!*****", "",
          "  EL MAXIMO VALOR PERMITIDO PARA \"m\" Y \"n\" ES DE 50", "", ""});
inline const std::string SERIES_RANGE =
    crlf({"", "", "   ****ERROR!!****", "",
          "  EL VALOR DE \"m\" Y \"n\" DEBE SER UN NUMERO ENTERO POSITIVO MAYOR",
          "  O IGUAL A 1 Y MENOR QUE 51", "", ""});
inline const std::string NAVIER_MENU =
    crlf({"", "   LAS SOLUCIONES SON OBTENIDAS UTILIZANDO LA APROXIMACION DE NAVIER", "",
          "    SELECCIONE UNA DE LAS SIGUIENTES OPCIONES:", "",
          "      1 = PRESION UNIFORME SOBRE LA PLACA ENTERA (VER EQ 9.18)",
          "      2 = CARGA \"P\", UNIFORMEMENTE DISTRIBUIDA SOBRE UNA REGION",
          "          CENTRAL INTERIOR DE DIMENSIONES (a/2)x(b/2)", "          (VER EQ 9.20)",
          "      3 = CARGA CONCENTRADA \"P\", APLICADA EN EL CENTRO DE LA PLACA",
          "          (SEE EQ 9.22)", ""});
inline const std::string NAVIER_ERROR =
    crlf({"", "", "   ***ERROR***", "", "    DEBE SELECCIONAR EL TIPO DE CARGA TRANSVERSAL",
          "    INTRODUCIENDO UN NUMERO ENTERO ENTRE 1 Y 3", ""});
inline const std::string UNIFORM_PROMPT =
    crlf({"", "", "  INTRODUZCA LA CARGA UNIFORME TRANSVERSAL (UNIDADES = FUERZA/AREA)", ""});
inline const std::string P_PROMPT =
    crlf({"", "", "  INTRODUZCA LA CARGA \"P\" (UNIDADES = FUERZA)", ""});
inline const std::string BUCKLING_OPTIONS =
    crlf({"", "", "   SELECCIONE UNA DE LAS SIGUIENTES OPCIONES:", "",
          "      1 = PANDEO CAUSADO POR Nxx, CON Nyy = CONSTANTE",
          "      2 = PANDEO CAUSADO POR Nyy, CON Nxx = CONSTANTE",
          "      3 = PANDEO CAUSADO POR EL INCREMENTO SIMULATNEO DE Nxx Y Ny,",
          "          DONDE Nyy = kNxx", "", ""});
inline const std::string BUCKLING_ERROR =
    crlf({"", "", "   ***ERROR***", "", "    DEBE INDICAR LA(S) CARGA(S) QUE CAUSAN EL PANDEO",
          "    INTRODUCIENDO UN NUMERO ENTRE 1 Y 3", ""});
inline const std::string LOADS_HEADING =
    crlf({"", "", "  SE HAN DEFINIDO LAS SIGUIENTES CONDICIONES DE CARGA:"});

inline const std::string PRINT_QUESTIONS =
    crlf({"", "   DESEA QUE SE ESCRIBAN TODAS LAS MATRICES [Q]? (S/N)", "",
          "   DESEA QUE SE ESCRIBAN TODAS LAS MATRICES [QBAR]? (S/N)", "",
          "   DESEA QUE SE ESCRIBA LA MATRIZ [ABD]? (S/N)", "",
          "   DESEA QUE SE ESCRIBA LA MATRIZ [abd]? (S/N)"});

// ---------------------------------------------------------------- keyboard

/// Lines typed at the keyboard, each ended by CR LF as a console sends them.
inline std::string keys(std::initializer_list<std::string> lines) {
    return crlf(lines);
}

inline const std::string TYPE_MATERIALS =
    keys({"N", "2", "181000 10300 0.28 7170", "0.000125 2.25e-5", "0.125", "38600 8270 0.26 4140",
          "8.6e-6 22.1e-6", "0.25"});
inline const std::string TYPE_LAMINATE = keys({"N", "2", "1 0", "2 90"});
inline const std::string TYPE_DIMENSIONS = keys({"2", "1", "S"});
/// Materials, laminate and dimensions typed and confirmed, up to the loads question.
inline const std::string UP_TO_LOADS =
    TYPE_MATERIALS + keys({"S"}) + TYPE_LAMINATE + keys({"S"}) + TYPE_DIMENSIONS;
/// The same three sections read from their files and confirmed.
inline const std::string FILES_UP_TO_LOADS = keys({"S", "S", "S", "S"}) + TYPE_DIMENSIONS;
inline const std::string PRINT_ANSWERS = keys({"S", "n", "", "X"});

} // namespace veldran::testing
