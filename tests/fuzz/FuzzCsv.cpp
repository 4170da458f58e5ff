// The data set's CSV files: any bytes end in a table or in the one form of error, never a crash.
#include "shell/BaseDatos.h"
#include "shell/Csv.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    try {
        const TablaCsv tabla = AnalizarCsv(QByteArray(reinterpret_cast<const char*>(datos), qsizetype(largo)),
                                           QStringLiteral("f.csv"));
        for (const FilaCsv& fila : tabla.filas)
            for (const QString& columna : tabla.cabecera)
                (void)tabla.Valor(fila, columna);
    } catch (const ErrorBD&) {
    }
    // Tight bounds, so that every bound is met on short inputs.
    try {
        (void)AnalizarCsv(QByteArray(reinterpret_cast<const char*>(datos), qsizetype(largo)),
                          QStringLiteral("f.csv"), true, {8, 6, 64});
    } catch (const ErrorBD&) {
    }
    return 0;
}
