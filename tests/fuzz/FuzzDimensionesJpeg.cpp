// Picture headers are outside input: any bytes must end in a size or nothing, never a crash or a hang.
#include "maintenance/DimensionesJpeg.h"

#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(datos), qsizetype(largo));
    QBuffer origen(&bytes);
    if (!origen.open(QIODevice::ReadOnly))
        return 0;
    if (const auto tamano = DimensionesJpeg(origen))
        (void)tamano->width();
    return 0;
}
