// An exchange package of the user's data: any bytes, read as the ZIP file or as one of the CSV
// files of an otherwise sound package (the first byte says which), end in an import or in a
// refusal that leaves both databases as they were; never a crash or a hang.
#include "exchange/ImportacionMisDatos.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <cstddef>
#include <cstdint>

namespace {

// What a refusal must leave as it was.
QString Huella() {
    QStringList cuentas;
    for (const char* t : {"TiemposPropios", "PeliculasPropias", "ReveladoresPropios", "NotasPersonales",
                          "TanquesPropios", "BotellasRevelador", "SesionesRevelado"})
        cuentas
            << NotesDb()->Consultar(u"SELECT COUNT(*) FROM " + QString::fromLatin1(t)).Campo(0).toString();
    for (const char* t : {"NotasMiasPelicula", "NotasMiasRevelador"})
        cuentas << ReferenceDb()
                       ->Consultar(u"SELECT COUNT(*) FROM " + QString::fromLatin1(t))
                       .Campo(0)
                       .toString();
    cuentas << ReferenceDb()
                   ->Consultar(
                       QStringLiteral("SELECT COUNT(*) FROM Formulas WHERE MisNotasFormulas IS NOT NULL"))
                   .Campo(0)
                   .toString();
    return cuentas.join(u',');
}

void Vaciar() {
    for (const char* t : {"TiemposPropios", "PeliculasPropias", "ReveladoresPropios", "NotasPersonales",
                          "TanquesPropios", "BotellasRevelador", "SesionesRevelado"})
        NotesDb()->Ejecutar(u"DELETE FROM " + QString::fromLatin1(t));
    for (const char* t : {"NotasMiasPelicula", "NotasMiasRevelador"})
        ReferenceDb()->Ejecutar(u"DELETE FROM " + QString::fromLatin1(t));
    ReferenceDb()->Ejecutar(QStringLiteral("UPDATE Formulas SET MisNotasFormulas = NULL"));
}

// A program folder of its own, made once, with a few reference names for the notes to find.
void Preparar() {
    const QString carpeta = QDir::tempPath() + QStringLiteral("/fuzz_misdatos_") +
                            QString::number(QCoreApplication::applicationPid());
    QDir(carpeta).removeRecursively();
    QDir().mkpath(carpeta);
    FijarCarpetaPrograma(carpeta);
    CrearBaseReferencia(RutaBDReferencia());
    CrearBaseNotas(RutaBDNotas());
    AbrirBasesDatos();
    // Durability is not what is fuzzed: without a journal file per transaction, an input runs
    // faster. Rollback still works, from memory. The files stay unlocked between transactions:
    // the import writes the notes file through the reference file's connection.
    for (BaseDatos* bd : {ReferenceDb(), NotesDb()}) {
        bd->Ejecutar(QStringLiteral("PRAGMA synchronous = OFF"));
        bd->Ejecutar(QStringLiteral("PRAGMA journal_mode = MEMORY"));
    }
    ReferenceDb()->Insertar(QStringLiteral("Peliculas"), {{QStringLiteral("Nombre"), QStringLiteral("HP5")}});
    ReferenceDb()->Insertar(QStringLiteral("Reveladores"),
                            {{QStringLiteral("Nombre"), QStringLiteral("Rodinal")}});
    ReferenceDb()->Insertar(QStringLiteral("Formulas"), {{QStringLiteral("Nombre"), QStringLiteral("D-76")}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    static const bool preparado = (Preparar(), true);
    (void)preparado;
    if (largo == 0)
        return 0;
    const QStringList nombres = ArchivosMisDatos();
    const int modo = datos[0] % (nombres.size() + 1);
    const QByteArray bytes(reinterpret_cast<const char*>(datos) + 1, qsizetype(largo - 1));
    const QString antes = Huella();
    try {
        PaqueteMisDatos paquete;
        if (modo == 0) {
            // The program's own bound: a small ZIP that inflates into millions of fields or rows (see
            // the seeds zip_*) must be stopped by the reader's bounds.
            paquete = AnalizarMisDatos(LeerZip(bytes, nombres));
        } else {
            ArchivosPaquete archivos{{kArchivoManifiesto, "Formato,Version\r\nGarvola mis datos," +
                                                              QByteArray::number(kVersionMisDatos) + "\r\n"}};
            archivos[nombres[modo - 1]] = bytes;
            paquete = AnalizarMisDatos(archivos);
        }
        (void)PlanificarImportacion(paquete);
        ImportarMisDatos(paquete, largo % 2 == 0);
        Vaciar();
    } catch (const ErrorBD&) {
        if (Huella() != antes)
            __builtin_trap();
    }
    return 0;
}
