#include "notes/EscritorRtf.h"
#include "notes/LectorRtf.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

// Faces and image plugins want an application; its arguments are not libFuzzer's.
extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int n = 1;
    static char* argumentos[] = {(*argv)[0], nullptr};
    static QGuiApplication app(n, argumentos);
    return 0;
}

// Any bytes read as a note body: no crash, no hang, and what was read writes out again with every
// character (raw text: control characters and no-break spaces included).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    QTextDocument documento;
    LeerRtf(QByteArray(reinterpret_cast<const char*>(datos), qsizetype(largo)), documento);
    const QString rtf = EscribirRtf(documento);
    QTextDocument vuelta;
    LeerRtf(QStringView(rtf), vuelta);
    if (vuelta.toRawText() != documento.toRawText())
        __builtin_trap();
    return 0;
}
