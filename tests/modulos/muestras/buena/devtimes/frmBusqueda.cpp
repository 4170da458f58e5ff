#include "devtimes/frmBusqueda.h"
#include "filmsheet/FichaTecnica.h"
#include "shell/VentanaModulo.h"
#include <QWidget>
