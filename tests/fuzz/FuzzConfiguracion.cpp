// garvola.cfg: any bytes read as the settings file; an entry written is the entry read back.
#include "shell/Configuracion.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {
// A key and value the file can hold as typed: Windows-1252 printable, no "=" in the key.
bool Representable(const QString& clave, const QString& valor) {
    for (QChar c : QString(clave + valor))
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return !clave.contains(u'=') && !clave.trimmed().isEmpty();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    FuzzedDataProvider entrada(datos, largo);
    const QString clave = QString::fromStdString(entrada.ConsumeRandomLengthString(40));
    const QString valor = QString::fromStdString(entrada.ConsumeRandomLengthString(80));
    const std::string resto = entrada.ConsumeRemainingBytesAsString();
    const QByteArray contenido(resto.data(), qsizetype(resto.size()));
    (void)ValorCfg(contenido, clave);
    const QByteArray nuevo = CfgConEntrada(contenido, clave, valor);
    if (Representable(clave, valor) && ValorCfg(nuevo, clave) != valor.trimmed())
        __builtin_trap();
    return 0;
}
