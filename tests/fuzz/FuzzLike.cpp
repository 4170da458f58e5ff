// Stored-query LIKE patterns: any pattern compiles or is refused, and matches any text without a
// crash or a hang; the UTF-8 and the UTF-16 matcher agree.
#include "shell/DialectoJet.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    FuzzedDataProvider entrada(datos, largo);
    const std::string patron = entrada.ConsumeRandomLengthString(256);
    const std::string texto = entrada.ConsumeRemainingBytesAsString();
    QString error;
    const auto compilado = PatronJet::Compilar(patron, &error);
    if (!compilado)
        return 0;
    const bool enUtf8 = compilado->Coincide(texto);
    const QString utf16 = QString::fromStdString(texto);
    // Invalid UTF-8 decodes differently in the two paths; only valid text must agree.
    if (utf16.toStdString() == texto && compilado->Coincide(QStringView(utf16)) != enUtf8)
        __builtin_trap();
    return 0;
}
