#include "soporte/Preparacion.h"

#include "shell/Fuentes.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstalarSustitutos();
    return CorrerPruebas(argc, argv);
}
