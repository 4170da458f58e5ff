#include "app/LineaOrdenes.h"

#include "exchange/ExportacionMisDatos.h"
#include "exchange/ImportacionMisDatos.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

namespace {
const QString kExportar = QStringLiteral("exportar");
const QString kImportar = QStringLiteral("importar");
const QString kReemplazar = QStringLiteral("reemplazar");

// Options QGuiApplication takes for itself; the first ones are followed by a value.
const QStringList kQtConValor{QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
                              QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
                              QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
                              QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
                              QStringLiteral("style"),           QStringLiteral("stylesheet"),
                              QStringLiteral("display"),         QStringLiteral("geometry")};
const QStringList kQtSinValor{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                              QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};

QStringList SinOpcionesDeQt(const QStringList& argumentos) {
    QStringList propios;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        QString nombre = argumentos[i];
        if (nombre.startsWith(u"--"))
            nombre.remove(0, 1);
        if (!nombre.startsWith(u'-') || nombre.size() < 2) {
            propios << argumentos[i];
            continue;
        }
        nombre.remove(0, 1);
        if (kQtConValor.contains(nombre))
            ++i;
        else if (!kQtSinValor.contains(nombre))
            propios << argumentos[i];
    }
    return propios;
}

Orden Error(const QString& texto) {
    return {TipoOrden::Error, {}, false, texto};
}
} // namespace

Orden AnalizarLineaOrdenes(const QStringList& argumentos) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption exportar(kExportar, {}, QStringLiteral("FICHERO"));
    const QCommandLineOption importar(kImportar, {}, QStringLiteral("FICHERO"));
    const QCommandLineOption reemplazar(kReemplazar, {});
    p.addOptions({ayuda, version, exportar, importar, reemplazar});
    const QStringList propios = SinOpcionesDeQt(argumentos);
    if (!p.parse(QStringList{QStringLiteral("garvola")} + propios)) {
        if (!p.unknownOptionNames().isEmpty()) {
            const QString nombre = p.unknownOptionNames().constFirst();
            return Error(u"opción desconocida: " +
                         (nombre.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nombre);
        }
        // The only options with a value: one of them ended the line.
        return Error(u"falta el FICHERO después de " + propios.value(propios.size() - 1));
    }
    if (p.isSet(ayuda))
        return {TipoOrden::Ayuda, {}, false, {}};
    if (p.isSet(version))
        return {TipoOrden::Version, {}, false, {}};
    if (!p.positionalArguments().isEmpty())
        return Error(u"argumento no esperado: " + p.positionalArguments().constFirst());
    const QStringList exportados = p.values(exportar), importados = p.values(importar);
    if (exportados.size() + importados.size() > 1)
        return Error(QStringLiteral("se puede dar una sola orden: --exportar o --importar, una vez"));
    if (p.isSet(reemplazar) && importados.isEmpty())
        return Error(QStringLiteral("--reemplazar solo vale con --importar"));
    if (exportados.isEmpty() && importados.isEmpty())
        return {};
    const bool esExportar = !exportados.isEmpty();
    const QString fichero = esExportar ? exportados[0] : importados[0];
    const QString opcion = esExportar ? u"--" + kExportar : u"--" + kImportar;
    // "--exportar --reemplazar" names no file; a file whose name begins with "-" is written "./-x".
    if (fichero.isEmpty() || fichero.startsWith(u'-'))
        return Error(u"falta el FICHERO después de " + opcion);
    return {esExportar ? TipoOrden::Exportar : TipoOrden::Importar, fichero, p.isSet(reemplazar), {}};
}

QString TextoUso() {
    return QStringLiteral(
        "Uso: garvola [OPCIÓN]\n"
        "     garvola --exportar FICHERO\n"
        "     garvola --importar FICHERO [--reemplazar]\n"
        "Tiempos de revelado, fórmulas y calculadoras para el laboratorio. Sin opciones abre la\n"
        "ventana del programa (si ya está abierta en la misma carpeta, la trae al frente).\n"
        "\n"
        "Opciones:\n"
        "  -h, --help           muestra esta ayuda y termina\n"
        "  -v, --version        muestra la versión del programa y termina\n"
        "  --exportar FICHERO   guarda mis datos (tiempos propios, películas y reveladores propios,\n"
        "                       notas) en FICHERO, sin abrir la ventana\n"
        "  --importar FICHERO   añade los datos de FICHERO y conserva los que ya existen, sin abrir\n"
        "                       la ventana\n"
        "  --reemplazar         con --importar: los datos de FICHERO sustituyen a los que ya existen\n"
        "\n"
        "FICHERO: un archivo .zip o una carpeta. Exportar e importar no se hacen mientras la ventana\n"
        "del programa está abierta en la misma carpeta.\n"
        "\n"
        "Estado de salida: 0 hecho; 1 la exportación o la importación no se pudo hacer;\n"
        "2 opciones no entendidas.\n");
}

QString TextoVersion() {
    return QStringLiteral("garvola " GARVOLA_VERSION "\n");
}

int ResponderSinEjecutar(const Orden& orden, QTextStream& salida, QTextStream& errores) {
    if (orden.tipo == TipoOrden::Error) {
        errores << "garvola: " << orden.error << "\n\n" << TextoUso();
        errores.flush();
        return 2;
    }
    salida << (orden.tipo == TipoOrden::Version ? TextoVersion() : TextoUso());
    salida.flush();
    return 0;
}

int EjecutarLineaOrdenes(const Orden& orden, QTextStream& salida, QTextStream& errores) {
    const bool exportar = orden.tipo == TipoOrden::Exportar;
    try {
        AbrirBasesDatos();
        CrearTablaNotasMias();
        CompletarNotesDb();
        if (exportar) {
            salida << TextoExportado(ExportarMisDatos(orden.fichero), QDir::toNativeSeparators(orden.fichero))
                   << '\n';
            salida.flush();
            return 0;
        }
        const PaqueteMisDatos paquete = LeerMisDatos(orden.fichero);
        salida << TextoImportado(ImportarMisDatos(paquete, orden.reemplazar), orden.reemplazar) << '\n';
        salida.flush();
        return 0;
    } catch (const ErrorBD& e) {
        errores << (exportar ? "No se pudieron exportar mis datos: " : "No se pudieron importar mis datos: ")
                << e.Descripcion() << (exportar ? "\n" : "\nNo se ha escrito nada.\n");
        errores.flush();
        return 1;
    }
}
