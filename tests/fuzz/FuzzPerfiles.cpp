// perfiles_temp.txt: any bytes read as the profiles file; writing it back loses no line and a
// second round changes nothing.
#include "calculators/PerfilesTemp.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    ArchivoPerfiles archivo;
    archivo.Analizar(QByteArray(reinterpret_cast<const char*>(datos), qsizetype(largo)));
    for (int i = 0; i < archivo.Cantidad(); ++i)
        (void)PerfilAplicable(archivo.Perfil(i));
    const QByteArray escrito = archivo.Contenido();
    ArchivoPerfiles otra;
    otra.Analizar(escrito);
    if (otra.Cantidad() != archivo.Cantidad() || otra.Contenido() != escrito)
        __builtin_trap();
    return 0;
}
