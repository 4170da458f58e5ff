#include "shell/TextoAnsi.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv; an unconvertible input unit is replaced and skipped.
QByteArray Convertir(const char* desde, const char* hacia, const QByteArray& entrada, int anchoSalto,
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
        // Skip one character of the input: a whole UTF-8 sequence or one byte.
        size_t salto = 1;
        if (anchoSalto == 0) {
            const unsigned char c = static_cast<unsigned char>(*in);
            salto = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        }
        salto = std::min(salto, inLeft);
        in += salto;
        inLeft -= salto;
        for (char r : reemplazo) {
            *out++ = r;
            --outLeft;
        }
    }
    iconv_close(cd);
    salida.truncate(salida.size() - qsizetype(outLeft));
    return salida;
}

} // namespace

QString DesdeAnsi(const QByteArray& bytes) {
    return QString::fromUtf8(Convertir("WINDOWS-1252", "UTF-8", bytes, 1, "\xEF\xBF\xBD"));
}

QString DesdeCodigoPagina(const QByteArray& bytes, int codigoPagina) {
    const QByteArray nombre =
        codigoPagina == 10000 ? QByteArray("MACINTOSH") : "CP" + QByteArray::number(codigoPagina);
    return QString::fromUtf8(Convertir(nombre.constData(), "UTF-8", bytes, 1, "\xEF\xBF\xBD"));
}

QByteArray HaciaAnsi(const QString& texto) {
    return Convertir("UTF-8", "WINDOWS-1252", texto.toUtf8(), 0, "?");
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

bool LeerArchivo(const QString& ruta, QByteArray& contenido, QString* error) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    contenido = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

bool EscribirArchivoSeguro(const QString& ruta, const QByteArray& contenido, QString* error) {
    QSaveFile f(ruta);
    const bool escrito = f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size();
    if (escrito && f.commit())
        return true;
    if (error)
        *error = f.errorString();
    f.cancelWriting();
    return false;
}
