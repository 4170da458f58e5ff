// garvola.cfg: any bytes read as the settings file; an entry written is the entry read back.
#include "shell/Configuracion.h"
#include "shell/TextoAnsi.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {
// A key and value the file can hold as typed: Windows-1252 without control characters or blanks
// other than the space (reading trims), no "=" in the key.
bool Representable(const QString& clave, const QString& valor) {
    const QString todo = clave + valor;
    for (QChar c : todo)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || (c.isSpace() && c != u' '))
            return false;
    return CabeEnAnsi(todo) && !clave.contains(u'=') && !clave.trimmed().isEmpty();
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
