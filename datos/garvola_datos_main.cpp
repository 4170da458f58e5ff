#include "datos/CargaDatos.h"
#include "datos/ConstructorDatos.h"
#include "shell/BaseDatos.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

const char* const kUso =
    "Uso:\n"
    "  garvola-datos DESTINO [CARPETA_CSV]               crea lo que le falta a la carpeta\n"
    "  garvola-datos --actualizar DESTINO [CARPETA_CSV]  además pone al día los datos de "
    "referencia\n"
    "  garvola-datos --registrar-ids [CARPETA_CSV]       anota los ids de esta edición\n";

QString Csv(const QStringList& args, qsizetype i) {
    return args.size() > i ? args[i] : QStringLiteral(GARVOLA_DATOS_CSV);
}

} // namespace

int main(int argc, char* argv[]) {
    // Pictures and documents are painted without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString orden = args.value(1);
    const bool actualizar = orden == u"--actualizar";
    const bool registrar = orden == u"--registrar-ids";
    const qsizetype maximo = actualizar ? 4 : 3;
    const qsizetype minimo = actualizar ? 3 : 2;
    if (args.size() < minimo || args.size() > maximo ||
        (!actualizar && !registrar && orden.startsWith(u"--"))) {
        std::fprintf(stderr, "%s", kUso);
        return 2;
    }
    try {
        if (registrar) {
            RegistrarIds(Csv(args, 2));
            std::printf("Escrito: %s\n", qPrintable(QDir(Csv(args, 2)).filePath(kArchivoIdsAnteriores)));
        } else if (actualizar) {
            for (const QString& linea : ActualizarCarpetaPrograma(args[2], Csv(args, 3)))
                std::printf("%s\n", qPrintable(linea));
        } else {
            const QStringList creado = ConstruirCarpetaPrograma(args[1], Csv(args, 2));
            for (const QString& c : creado)
                std::printf("Creado: %s\n", qPrintable(c));
            if (creado.isEmpty())
                std::printf("Nada que crear en %s\n", qPrintable(args[1]));
        }
    } catch (const ErrorBD& e) {
        std::fprintf(stderr, "garvola-datos: %s\n", qPrintable(e.Descripcion()));
        return 1;
    }
    return 0;
}
