#include "datos/ConstructorDatos.h"
#include "shell/BaseDatos.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Uso: garvola-datos DESTINO\n");
        return 2;
    }
    try {
        const QStringList creado = ConstruirCarpetaPrograma(args[1]);
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
