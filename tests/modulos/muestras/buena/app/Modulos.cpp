#include "devtimes/frmBusqueda.h"
#include "filmsheet/frmImagenCompleta.h"
// app opens any window
void F(Anfitrion& a) {
    a.Abrir<frmImagenCompleta>();
}
