#include "timer/frmTemporizador.h"
void G(Anfitrion& a) {
    a.Abierto<frmTemporizador>();
}
