#include "driver/text/diagnostics.h"
#include "driver/text/files.h"
#include "input/data_files.h"
#include "input/dialogue.h"

namespace veldran {

using namespace text;

namespace {

void free_records(std::initializer_list<const char*> texts) {
    for (const char* t : texts) list_write(screen(), {t});
}

void ask_stress_free_temperature(PlateProblem& p) {
    write(screen(),
          {SL, "   INTRODUZCA LA TEMPERATURA CORRESPONDIENTE AL ESTADO LIBRE DE TENSIONES", SL,
           "   (A MENUDO SE SUPONE LA TEMPERATURA DE CURADO)", SL});
    list_read(keyboard(), {&p.TFREE});
}

/// The load-case menu, until a code from 1 to 6.
void menu(PlateProblem& p) {
    for (;;) {
        write(screen(), {SL, "   SELECCIONE EL TIPO DE CARGA:", SL,
                         "    1 = CARGA SINUSOIDAL Y APOYOS SIMPLES DE TIPO S1", SL,
                         "        (DESCRITO EN LA SECCION 10.3)", SL,
                         "    2 = CARGA SINUSOIDAL Y APOYOS SIMPLES DE TIPO S4", SL,
                         "        (DESCRITO EN LA SECCION 10.4)", SL,
                         "    3 = CARGA SINUSOIDAL Y APOYOS SIMPLES DE TIPO S2", SL,
                         "        A LO LARGO DE x=0,a Y TIPO S1 A LO LARGO DE y=0,b", SL,
                         "        (DESCRITO EN LA SECCION 10.5)", SL,
                         "    4 = CARGAS TRANSVERSALES NO SINUSOIDALES", SL,
                         "        (DESCRITO EN LA SECCION 10.6)", SL,
                         "    5 = PANDEO DE PLACAS SIMPLEMENTE SOPORTADAS DE TIPO S4", SL,
                         "        (DESCRITO EN LA SECCION 10.7)", SL,
                         "    6 = PANDEO TERMICO DE UNA PLACA CON APOYOS SIMPLES DE TIPO S1", SL,
                         "        (DESCRITO EN LA SECCION 10.8)", SL, SL});
        p.LOPT = 0;
        if (read_or_refuse({&p.LCASE}) && p.LCASE >= 1 && p.LCASE <= 6) return;
        write(screen(), {SL, SL, "   ***ERROR***", SL, SL, "    DEBE INDICAR EL TIPO DE CARGA", SL,
                         "    INTRODUCIENDO UN NUMERO ENTRE 1 Y 6", SL});
    }
}

/// Codes 1 to 3: the amplitude of the sinusoidal load, and the temperatures
/// for the S1 and S2 supports.
void sinusoidal(PlateProblem& p) {
    write(screen(), {SL, "   SE APLICA UNA CARGA TRANSVERSAL DADA POR:", SL, SL,
                     "     q(x,y) = qo*sen(Pi*x/a)*sen(Pi*y/b)", SL, SL,
                     "   A LA PLACA.  CONSTANTE A INTRODUCIR \"qo\":", SL});
    list_read(keyboard(), {&p.LOADS[6]});
    if (p.LCASE == 2) return;
    ask_stress_free_temperature(p);
    free_records({" ", "   INTRODUZCA LA TEMPERATURA DE MONTAJE DE LA ESTRUCTURA"});
    list_read(keyboard(), {&p.TASSEM});
    free_records({"  "});
    write(screen(), {SL, "   INTRODUZCA LA TEMPERATURA EN SERVICIO"});
    list_read(keyboard(), {&p.TSERV});
}

void range_message() {
    write(screen(), {SL, SL, "   ****ERROR!!****", SL, SL,
                     "  EL VALOR DE \"m\" Y \"n\" DEBE SER UN NUMERO ENTERO POSITIVO MAYOR", SL,
                     "  O IGUAL A 1 Y MENOR QUE 51", SL, SL});
}

/// Menu answer 4: the series size and the Navier option, which folds into
/// the code (1 gives 4, 2 gives 7, 3 gives 8), then the transverse load.
void navier(PlateProblem& p) {
    for (;;) {
        write(screen(), {SL, "   LA CARGA NO SINUSOIDAL SERA TENIDA EN CUENTA", SL,
                         "   MEDIANTE UN DESARROLLO EN SERIE DE FOURIER (VER SECCION 9.4)", SL, SL,
                         "   SE UTILIZARA EL MISMO NUMERO DE TERMINOS TANTO EN x COMO EN y", SL,
                         "   (V.G., SE SUPONDRA QUE m = n)", SL, SL,
                         "   INTRODUZCA EL MAXIMO VALOR DE m = n", SL,
                         "   (EL MINIMO RECOMENDADO ES = 10, Y EL MAXIMO = 50)", SL, SL});
        if (!read_or_refuse({&p.MNMAX})) {
            range_message();
            continue;
        }
        if (p.MNMAX > MAXROWS) {
            write(screen(), {SL, SL, "     ****LO SIENTO!!*****", SL, SL,
                             "  EL MAXIMO VALOR PERMITIDO PARA \"m\" Y \"n\" ES DE 50", SL, SL});
            continue;
        }
        if (p.MNMAX < 1) {
            range_message();
            continue;
        }
        write(screen(), {SL, "   LAS SOLUCIONES SON OBTENIDAS UTILIZANDO LA APROXIMACION DE NAVIER",
                         SL, SL, "    SELECCIONE UNA DE LAS SIGUIENTES OPCIONES:", SL, SL,
                         "      1 = PRESION UNIFORME SOBRE LA PLACA ENTERA (VER EQ 9.18)", SL,
                         "      2 = CARGA \"P\", UNIFORMEMENTE DISTRIBUIDA SOBRE UNA REGION", SL,
                         "          CENTRAL INTERIOR DE DIMENSIONES (a/2)x(b/2)", SL,
                         "          (VER EQ 9.20)", SL,
                         "      3 = CARGA CONCENTRADA \"P\", APLICADA EN EL CENTRO DE LA PLACA", SL,
                         "          (SEE EQ 9.22)", SL});
        list_read(keyboard(), {&p.LOPT});
        if (p.LOPT == 1) {
            p.LCASE = 4;
            write(screen(), {SL, SL,
                             "  INTRODUZCA LA CARGA UNIFORME TRANSVERSAL (UNIDADES = FUERZA/AREA)",
                             SL});
            list_read(keyboard(), {&p.LOADS[6]});
            return;
        }
        if (p.LOPT == 2 || p.LOPT == 3) {
            p.LCASE = p.LOPT == 2 ? 7 : 8;
            write(screen(), {SL, SL, "  INTRODUZCA LA CARGA \"P\" (UNIDADES = FUERZA)", SL});
            list_read(keyboard(), {&p.LOADS[6]});
            return;
        }
        write(screen(), {SL, SL, "   ***ERROR***", SL, SL,
                         "    DEBE SELECCIONAR EL TIPO DE CARGA TRANSVERSAL", SL,
                         "    INTRODUCIENDO UN NUMERO ENTERO ENTRE 1 Y 3", SL});
    }
}

/// Code 5: which in-plane load grows until the plate buckles.
void buckling(PlateProblem& p) {
    for (;;) {
        write(screen(), {SL, SL, "   SELECCIONE UNA DE LAS SIGUIENTES OPCIONES:", SL, SL,
                         "      1 = PANDEO CAUSADO POR Nxx, CON Nyy = CONSTANTE", SL,
                         "      2 = PANDEO CAUSADO POR Nyy, CON Nxx = CONSTANTE", SL,
                         "      3 = PANDEO CAUSADO POR EL INCREMENTO SIMULATNEO DE Nxx Y Ny,", SL,
                         "          DONDE Nyy = kNxx", SL, SL});
        list_read(keyboard(), {&p.LOPT});
        if (p.LOPT == 1) {
            free_records({"  ", "   INTRODUZCA EL VALOR CONSTANTE DE Nyy", " "});
            list_read(keyboard(), {&p.LOADS[2]});
            return;
        }
        if (p.LOPT == 2) {
            free_records({"  ", "   INTRODUZCA EL VALOR CONSTANTE DE Nxx", " "});
            list_read(keyboard(), {&p.LOADS[1]});
            return;
        }
        if (p.LOPT == 3) {
            free_records({"  "});
            write(screen(), {SL, "  INTRODUZCA LA CONSTANTE \"k\" (NOTA: SI k ES ALGEBRAICAMENTE", SL,
                             "                      NEGATIVO, Nxx Y Nyy SON", SL,
                             "                      DE SIGNO ALGEBRAICO OPUESTO", SL});
            list_read(keyboard(), {&p.LOADS[2]});
            return;
        }
        write(screen(), {SL, SL, "   ***ERROR***", SL, SL,
                         "    DEBE INDICAR LA(S) CARGA(S) QUE CAUSAN EL PANDEO", SL,
                         "    INTRODUCIENDO UN NUMERO ENTRE 1 Y 3", SL});
    }
}

/// The values each code asks beyond the menu; the others keep what they held.
void type_loads(PlateProblem& p) {
    menu(p);
    if (p.LCASE <= 3) sinusoidal(p);
    else if (p.LCASE == 4) navier(p);

    if (p.LCASE == 1) return;
    if (p.LCASE == 3) {
        free_records({" ", "   INTRODUZCA LA TENSION RESULTANTE Nxx", " "});
        list_read(keyboard(), {&p.LOADS[1]});
    } else if (p.LCASE == 5) {
        buckling(p);
    } else if (p.LCASE == 6) {
        ask_stress_free_temperature(p);
        free_records({" ", "   INTRODUZCA LA TEMPERATURA A LA QUE SE MONTA LA ESTRUCTURA"});
        list_read(keyboard(), {&p.TASSEM});
    } else {
        free_records({" ", "   INTRODUZCA LAS TENSIONES RESULTANTES Nxx Y Nyy", "  "});
        list_read(keyboard(), {&p.LOADS[1], &p.LOADS[2]});
    }
}

void series_record(const PlateProblem& p) {
    write(screen(), {SL, SL, "    SE UTILIZARA UN MAXIMO VALOR DE m = n = ", I(2), SL,
                     "    EN EL DESARROLLO EN SERIE DE FOURIER DE ESTA CARGA TRANSVERSAL", SL, SL},
          {p.MNMAX});
}

void show_loads(const PlateProblem& p) {
    write(screen(), {SL, SL, "  SE HAN DEFINIDO LAS SIGUIENTES CONDICIONES DE CARGA:"});
    const std::int32_t c = p.LCASE;
    if (c == 3 || c == 1 || c == 2) {
        write(screen(),
              {SL, SL, "    LA PLACA SE ENCUENTRA SOMETIDA A LA CARGA TRANSVERSAL SINUSOIDAL:", SL,
               "     q(x,y) = (", E(12, 6), ")*sen(Pi*x/a)*sen(Pi*y/b)", SL, SL},
              {p.LOADS[6]});
    } else if (c == 4) {
        write(screen(),
              {SL, SL, "    LA PLACA SE ENCUENTRA SOMETIDA A LA CARGA TRANSVERSAL CONSTANTE:", SL,
               "        q = ", E(12, 6), SL, "    APLICADA SOBRE TODA LA SUPERFICIE DE LA PLACA",
               SL, SL},
              {p.LOADS[6]});
        series_record(p);
    } else if (c == 5 && p.LOPT == 1) {
        write(screen(),
              {SL, SL, "   PANDEO CAUSADO POR Nxx, CON CARGA TRANSVERSAL CONSTANTE", SL, SL,
               "      Nyy = ", E(12, 6), SL, SL},
              {p.LOADS[2]});
    } else if (c == 5 && p.LOPT == 2) {
        write(screen(),
              {SL, SL, "   PANDEO CAUSADO POR Nyy, CON CARGA AXIAL CONSTANTE", SL, SL,
               "      Nxx = ", E(12, 6), SL, SL},
              {p.LOADS[1]});
    } else if (c == 5) {
        write(screen(),
              {SL, SL, "   PANDEO CAUSADO POR UN INCREMENTO SIMULTANEO", SL,
               "   DE Nxx Y Nyy, SIENDO:", SL, SL, "       Nyy = (", E(12, 6), ")*Nxx", SL, SL},
              {p.LOADS[2]});
    } else if (c == 6) {
        write(screen(),
              {SL, SL, "    VA A DETERMINARSE LA TEMPERATURA A LA CUAL EL PANDEO TERMICO OCURRE",
               SL, SL});
    } else if (c == 7) {
        const float half_a = static_cast<float>(double(p.a) / 2.0);
        const float half_b = static_cast<float>(double(p.b) / 2.0);
        write(screen(),
              {SL, SL, "    LA CARGA P = ", E(12, 6), " SE ENCUENTRA UNIFORMEMENTE DISTRIBUIDA", SL,
               "            SOBRE UN AREA INTERNA CENTRADA DE LA PLACA CON DIMENSIONES", SL,
               "           (", E(12, 6), ") X (", E(12, 6), ")", SL, SL},
              {p.LOADS[6], half_a, half_b});
        series_record(p);
    } else {
        write(screen(),
              {SL, SL, "   LA CARGA P = ", E(12, 6),
               " SE ENCUENTRA APLICADA EN EL CENTRO DE LA PLACA", SL},
              {p.LOADS[6]});
        series_record(p);
    }

    if (c == 8 || c == 7 || c == 2 || c == 4)
        write(screen(),
              {"   SE APLICAN LAS SIGUIENTES FUERZAS POR UNIDAD DE LONGITUD:", SL, SL,
               "       Nxx = ", E(12, 6), SL, "       Nyy = ", E(12, 6), SL, SL},
              {p.LOADS[1], p.LOADS[2]});
    if (c == 3)
        write(screen(),
              {"   SE APLICA LA FURZA POR UNIDAD DE LONGITUD SIGUIENTE:", SL, SL,
               "       Nxx = ", E(12, 6), SL, SL},
              {p.LOADS[1]});
    if (c == 1 || c == 3)
        write(screen(),
              {SL, "  TEMPERATURA (ESTADO LIBRE DE TENSIONES) = ", F(7, 1), SL,
               "  TEMPERATURA DE MONTAJE DE LA ESTRUCTURA = ", F(7, 1), SL,
               "  TEMPERATURA DE SERVICIO = ", F(7, 1)},
              {p.TFREE, p.TASSEM, p.TSERV});
    if (c == 6)
        write(screen(),
              {SL, "  TEMPERATURA (ESTADO LIBRE DE TENSIONES) = ", F(7, 1), SL,
               "  TEMPERATURA DE MONTAJE DE LA ESTRUCTURA = ", F(7, 1), SL},
              {p.TFREE, p.TASSEM});
}

} // namespace

void loads(PlateProblem& p) {
    bool from_file =
        yes_no({SL, "   SE LEERA LA CARGA QUE ACTUA SOBRE LA PLACA DESDE UN ARCHIVO? (S/N)", SL});
    if (from_file && !read_PLOADS(*open_for_reading("PLOADS", DATA_UNIT), p)) {
        write(screen(),
              {SL, SL, "             ***LO SIENTO!!***", SL, SL,
               "   NO EXISTE UN ARCHIVO QUE CONTENGA UN SISTEMA DE CARGAS SOBRE LA PLACA COMPATIBLE",
               SL, "   DEBE INTRODUCIR LAS CARGAS A TRAVES DEL TECLADO", SL,
               "   (SE CREARA UN ARCHIVO PARA SU USO POSTERIOR)", SL});
        from_file = false;
    }
    if (!from_file) type_loads(p);
    confirmed([&] { show_loads(p); }, [&] { type_loads(p); });
    TextFile f("PLOADS", DATA_UNIT);
    write_PLOADS(f, p);
    f.close();
}

} // namespace veldran
