#include "shell/TextoAnsi.h"

#include <QHash>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <mutex>
#include <optional>

namespace {

// Converts a single-byte or double-byte code page with iconv; a byte it cannot convert is replaced
// and skipped.
QByteArray Convertir(const char* desde, const char* hacia, const QByteArray& entrada,
                     const QByteArray& reemplazo) {
    iconv_t cd = iconv_open(hacia, desde);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray salida(entrada.size() * 4 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(entrada.constData());
    size_t inLeft = size_t(entrada.size());
    char* out = salida.data();
    size_t outLeft = size_t(salida.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        ++in;
        --inLeft;
        for (char r : reemplazo) {
            *out++ = r;
            --outLeft;
        }
    }
    // Some decoders (Hebrew, Vietnamese) hold a letter back in case a combining mark follows.
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    iconv_close(cd);
    salida.truncate(salida.size() - qsizetype(outLeft));
    return salida;
}

QByteArray NombreIconv(int codigoPagina) {
    return codigoPagina == 10000 ? QByteArray("MACINTOSH") : "CP" + QByteArray::number(codigoPagina);
}

// Each byte on its own, so that a combining mark is never merged into the letter before it.
std::optional<std::array<char16_t, 256>> LeerTabla(int codigoPagina) {
    iconv_t cd = iconv_open("UTF-8", NombreIconv(codigoPagina).constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::array<char16_t, 256> tabla;
    for (int b = 0; b < 256; ++b) {
        char byte = char(b);
        char* in = &byte;
        size_t inLeft = 1;
        char salida[16];
        char* out = salida;
        size_t outLeft = sizeof salida;
        bool convertido = iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1) && inLeft == 0;
        // Flushes what the decoder held back, and returns it to its initial state.
        convertido = iconv(cd, nullptr, nullptr, &out, &outLeft) != size_t(-1) && convertido;
        const QString c = QString::fromUtf8(salida, out - salida);
        tabla[b] = convertido && c.size() == 1 ? c[0].unicode() : u'\xFFFD';
    }
    iconv_close(cd);
    return tabla;
}

// Taken once per code page from the system's converter: a call per line of a file would open a
// converter each time.
const std::array<char16_t, 256>& TablaAnsi() {
    static const std::array<char16_t, 256> tabla = [] {
        if (const auto* t = TablaCodigoPagina(1252))
            return *t;
        std::array<char16_t, 256> latin1; // a system without code pages
        for (int b = 0; b < 256; ++b)
            latin1[b] = char16_t(b);
        return latin1;
    }();
    return tabla;
}

// The byte of a character beyond ASCII, 0 when the code page has none.
char ByteAnsi(char16_t c) {
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> h;
        for (int b = 0x80; b < 256; ++b)
            if (TablaAnsi()[b] != u'\xFFFD')
                h.insert(TablaAnsi()[b], char(b));
        return h;
    }();
    return bytes.value(c, 0);
}

} // namespace

QString DesdeAnsi(const QByteArray& bytes) {
    const auto& tabla = TablaAnsi();
    QString texto(bytes.size(), Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(texto.data());
    for (const char b : bytes)
        *destino++ = tabla[static_cast<unsigned char>(b)];
    return texto;
}

QString DesdeCodigoPagina(const QByteArray& bytes, int codigoPagina) {
    return QString::fromUtf8(
        Convertir(NombreIconv(codigoPagina).constData(), "UTF-8", bytes, "\xEF\xBF\xBD"));
}

const std::array<char16_t, 256>* TablaCodigoPagina(int codigoPagina) {
    static std::mutex cerrojo;
    static std::map<int, std::optional<std::array<char16_t, 256>>> tablas;
    const std::lock_guard<std::mutex> guarda(cerrojo);
    auto it = tablas.find(codigoPagina);
    if (it == tablas.end())
        it = tablas.emplace(codigoPagina, LeerTabla(codigoPagina)).first;
    return it->second ? &*it->second : nullptr;
}

QByteArray HaciaAnsi(const QString& texto) {
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.unicode() < 0x80) {
            bytes += char(c.unicode());
            continue;
        }
        // A character beyond the code page is one "?", even when it takes two UTF-16 units.
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        const char b = c.isSurrogate() ? 0 : ByteAnsi(c.unicode());
        bytes += b != 0 ? b : '?';
    }
    return bytes;
}

bool CabeEnAnsi(const QString& texto) {
    return DesdeAnsi(HaciaAnsi(texto)) == texto;
}

QList<QByteArray> PartirLineas(const QByteArray& contenido) {
    QList<QByteArray> lineas;
    qsizetype inicio = 0;
    const qsizetype n = contenido.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = contenido[i];
        if (c == '\r' || c == '\n') {
            lineas.append(contenido.mid(inicio, i - inicio));
            if (c == '\r' && i + 1 < n && contenido[i + 1] == '\n')
                ++i;
            inicio = i + 1;
        }
    }
    if (inicio < n)
        lineas.append(contenido.mid(inicio));
    return lineas;
}
