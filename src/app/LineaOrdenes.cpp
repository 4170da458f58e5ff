#include "app/LineaOrdenes.h"

#include "intercambio/MisDatos.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QDir>
#include <QTextStream>

namespace {
const QString kExportar = QStringLiteral("--exportar");
const QString kImportar = QStringLiteral("--importar");
const QString kReemplazar = QStringLiteral("--reemplazar");

int Uso(QTextStream& errores) {
    errores << "Uso: garvola --exportar FICHERO\n"
               "     garvola --importar FICHERO [--reemplazar]\n"
               "FICHERO: un archivo .zip o una carpeta. Al importar se añaden los datos nuevos y se "
               "conservan los que ya existen, salvo con --reemplazar.\n";
    errores.flush();
    return 2;
}
} // namespace

bool EsLineaOrdenes(const QStringList& argumentos) {
    return argumentos.contains(kExportar) || argumentos.contains(kImportar);
}

int EjecutarLineaOrdenes(const QStringList& argumentos, QTextStream& salida, QTextStream& errores) {
    const bool exportar = argumentos.value(0) == kExportar;
    const bool reemplazar = argumentos.size() == 3 && argumentos[2] == kReemplazar;
    if (!exportar && argumentos.value(0) != kImportar)
        return Uso(errores);
    if (argumentos.size() < 2 || argumentos[1].startsWith(u"--") ||
        (argumentos.size() > 2 && (exportar || !reemplazar)))
        return Uso(errores);
    const QString ruta = argumentos[1];
    try {
        AbrirBasesDatos();
        CrearTablaNotasMias();
        CompletarNotesDb();
        if (exportar) {
            salida << TextoExportado(ExportarMisDatos(ruta), QDir::toNativeSeparators(ruta)) << '\n';
            salida.flush();
            return 0;
        }
        const PaqueteMisDatos paquete = LeerMisDatos(ruta);
        salida << TextoImportado(ImportarMisDatos(paquete, reemplazar), reemplazar) << '\n';
        salida.flush();
        return 0;
    } catch (const ErrorBD& e) {
        errores << (exportar ? "No se pudieron exportar mis datos: " : "No se pudieron importar mis datos: ")
                << e.Descripcion() << (exportar ? "\n" : "\nNo se ha escrito nada.\n");
        errores.flush();
        return 1;
    }
}
