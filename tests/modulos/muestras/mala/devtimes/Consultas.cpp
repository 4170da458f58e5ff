#include "devtimes/Consultas.h"
#include "filmsheet/frmImagenCompleta.h"
