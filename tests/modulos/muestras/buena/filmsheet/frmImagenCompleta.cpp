#include "filmsheet/frmImagenCompleta.h"
