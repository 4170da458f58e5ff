#include "calculators/ControlesCalc.h"
#include "shell/Tema.h"

QFont FuenteVentanaCalc() {
    return Fuente(Tema::FaceInterfaz, 8);
}
