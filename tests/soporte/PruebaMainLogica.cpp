#include "soporte/Preparacion.h"

#include <QCoreApplication>

// The logic runs without a display or any widget.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return CorrerPruebas(argc, argv);
}
