#include "datos/ConstructorDatos.h"
#include "shell/BaseDatos.h"

#include <QGuiApplication>
#include <cstdio>

// garvola-datos DESTINO [CARPETA_CSV]: builds what the program folder lacks.
int main(int argc, char* argv[]) {
    // Pictures and documents are painted without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "Uso: garvola-datos DESTINO [CARPETA_CSV]\n");
        return 2;
    }
    try {
        const QStringList creado =
            args.size() == 3 ? ConstruirCarpetaPrograma(args[1], args[2]) : ConstruirCarpetaPrograma(args[1]);
        for (const QString& c : creado)
            std::printf("Creado: %s\n", qPrintable(c));
        if (creado.isEmpty())
            std::printf("Nada que crear en %s\n", qPrintable(args[1]));
    } catch (const ErrorBD& e) {
        std::fprintf(stderr, "garvola-datos: %s\n", qPrintable(e.Descripcion()));
        return 1;
    }
    return 0;
}
