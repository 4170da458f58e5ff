#include "notes/TextoRtf.h"

#include <QByteArray>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

// Any bytes read as a note body: no crash, no hang, and what was read writes out again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    QTextDocument documento;
    LeerRtf(QByteArray(reinterpret_cast<const char*>(datos), qsizetype(largo)), documento);
    const QString rtf = EscribirRtf(documento);
    QTextDocument vuelta;
    LeerRtf(QStringView(rtf), vuelta);
    if (vuelta.toPlainText() != documento.toPlainText())
        __builtin_trap();
    return 0;
}
