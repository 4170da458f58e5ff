#include "shell/Csv.h"

#include "shell/Archivos.h"
#include "shell/BaseDatos.h"

#include <QFileInfo>
#include <QStringDecoder>

ValorCsv TablaCsv::Valor(const FilaCsv& fila, const QString& nombre) const {
    const int i = Columna(nombre);
    return i < 0 ? ValorCsv() : fila.campos[size_t(i)];
}

QString UbicarError(const QString& archivo, int linea, const QString& motivo) {
    return archivo + u", línea " + QString::number(linea) + u": " + motivo;
}

namespace {
// The line of the first byte that is not UTF-8, for the message.
int LineaNoUtf8(QByteArrayView texto) {
    int linea = 1;
    for (QByteArrayView resto(texto); !resto.isEmpty(); ++linea) {
        const qsizetype fin = resto.indexOf('\n');
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString tramo = utf8(fin < 0 ? resto : resto.first(fin));
        if (utf8.hasError() || fin < 0)
            break;
        resto = resto.sliced(fin + 1);
    }
    return linea;
}

bool FinCampo(char c) {
    return c == ',' || c == '\n' || c == '\r';
}
} // namespace

LectorCsv::LectorCsv(QByteArrayView texto, const QString& archivo, bool conservarFines,
                     const LimitesCsv& limites)
    : t_(texto), archivo_(archivo), conservarFines_(conservarFines), limites_(limites) {
    if (t_.startsWith("\xEF\xBB\xBF"))
        p_ = 3;
    FilaCsv fila;
    if (!Registro(fila, limites_.campos))
        throw ErrorBD(archivo + u": falta la fila de cabecera");
    for (const ValorCsv& v : fila.campos) {
        const QString nombre = v.value_or(QString()).trimmed();
        if (nombre.isEmpty())
            throw ErrorBD(
                UbicarError(archivo, fila.linea, QStringLiteral("columna sin nombre en la cabecera")));
        if (cabecera_.contains(nombre))
            throw ErrorBD(UbicarError(archivo, fila.linea, QStringLiteral("columna repetida: ") + nombre));
        cabecera_ << nombre;
    }
}

bool LectorCsv::Siguiente(FilaCsv& fila) {
    if (!Registro(fila, int(cabecera_.size())))
        return false;
    if (fila.campos.size() != size_t(cabecera_.size()))
        throw ErrorBD(UbicarError(
            archivo_, fila.linea,
            QStringLiteral("%1 campos, la cabecera tiene %2").arg(fila.campos.size()).arg(cabecera_.size())));
    if (++filas_ > limites_.filas)
        throw ErrorBD(UbicarError(archivo_, fila.linea,
                                  QStringLiteral("el archivo tiene más de %1 filas").arg(limites_.filas)));
    return true;
}

// One record; a row with more than maximo fields is refused at the first field too many.
bool LectorCsv::Registro(FilaCsv& fila, int maximo) {
    while (p_ < t_.size() && (t_[p_] == '\n' || t_[p_] == '\r'))
        SaltarFinLinea();
    if (p_ >= t_.size())
        return false;
    fila.linea = linea_;
    fila.campos.clear();
    for (;;) {
        if (fila.campos.size() >= size_t(maximo))
            throw ErrorBD(UbicarError(
                archivo_, fila.linea,
                cabecera_.isEmpty() ? QStringLiteral("la cabecera tiene más de %1 columnas").arg(maximo)
                                    : QStringLiteral("más de %1 campos, la cabecera tiene %1").arg(maximo)));
        fila.campos.push_back(Campo(fila.linea));
        if (p_ >= t_.size())
            return true;
        if (t_[p_] == ',') {
            ++p_;
            continue;
        }
        SaltarFinLinea();
        return true;
    }
}

ValorCsv LectorCsv::Campo(int inicio) {
    const auto largo = [&](qsizetype n) {
        if (n > limites_.largoCampo)
            throw ErrorBD(UbicarError(
                archivo_, inicio, QStringLiteral("un campo ocupa más de %1 bytes").arg(limites_.largoCampo)));
    };
    bool ascii = true;
    if (p_ >= t_.size() || t_[p_] != '"') {
        const qsizetype desde = p_;
        while (p_ < t_.size() && !FinCampo(t_[p_])) {
            const char c = t_[p_];
            if (c == '"')
                throw ErrorBD(
                    UbicarError(archivo_, linea_, QStringLiteral("comilla dentro de un campo sin comillas")));
            ascii = ascii && uchar(c) < 0x80;
            ++p_;
            largo(p_ - desde);
        }
        if (p_ == desde)
            return std::nullopt;
        return Decodificar(t_.sliced(desde, p_ - desde), ascii, inicio);
    }
    QByteArray v;
    ++p_;
    for (;;) {
        if (p_ >= t_.size())
            throw ErrorBD(UbicarError(archivo_, inicio, QStringLiteral("comillas sin cerrar")));
        const char c = t_[p_++];
        if (c == '"') {
            if (p_ < t_.size() && t_[p_] == '"') {
                v += '"';
                ++p_;
            } else {
                if (p_ < t_.size() && !FinCampo(t_[p_]))
                    throw ErrorBD(
                        UbicarError(archivo_, linea_, QStringLiteral("texto tras las comillas de cierre")));
                return Decodificar(v, ascii, inicio).value_or(QStringLiteral(""));
            }
        } else if (c == '\n') {
            ++linea_;
            v += c;
        } else if (c == '\r') {
            const bool crlf = p_ < t_.size() && t_[p_] == '\n';
            if (crlf)
                ++p_;
            ++linea_;
            if (!conservarFines_)
                v += '\n';
            else
                v += crlf ? "\r\n" : "\r";
        } else {
            ascii = ascii && uchar(c) < 0x80;
            v += c;
        }
        largo(v.size());
    }
}

ValorCsv LectorCsv::Decodificar(QByteArrayView bytes, bool ascii, int inicio) const {
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(bytes);
    if (utf8.hasError())
        throw ErrorBD(UbicarError(archivo_, inicio + LineaNoUtf8(bytes) - 1,
                                  QStringLiteral("el texto no está en UTF-8")));
    return texto;
}

void LectorCsv::SaltarFinLinea() {
    if (t_[p_] == '\r' && p_ + 1 < t_.size() && t_[p_ + 1] == '\n')
        ++p_;
    ++p_;
    ++linea_;
}

TablaCsv AnalizarCsv(const QByteArray& texto, const QString& archivo, bool conservarFines,
                     const LimitesCsv& limites) {
    LectorCsv lector(texto, archivo, conservarFines, limites);
    TablaCsv tabla;
    tabla.archivo = archivo;
    tabla.cabecera = lector.Cabecera();
    FilaCsv fila;
    while (lector.Siguiente(fila))
        tabla.filas.push_back(fila);
    return tabla;
}

TablaCsv LeerCsv(const QString& ruta) {
    QByteArray contenido;
    if (const ResultadoArchivo r = LeerArchivo(ruta, contenido); !r)
        throw ErrorBD(u"No se puede leer " + ruta + u": " + r.motivo);
    return AnalizarCsv(contenido, QFileInfo(ruta).fileName());
}

namespace {
void AnadirCampo(QString& salida, const ValorCsv& valor) {
    if (!valor)
        return;
    const QString& v = *valor;
    const bool comillas = v.isEmpty() || v.contains(u',') || v.contains(u'"') || v.contains(u'\n') ||
                          v.contains(u'\r') || v.front().isSpace() || v.back().isSpace();
    if (!comillas) {
        salida += v;
        return;
    }
    salida += u'"';
    for (const QChar c : v) {
        if (c == u'"')
            salida += u'"';
        salida += c;
    }
    salida += u'"';
}

void AnadirFila(QString& salida, const std::vector<ValorCsv>& campos) {
    for (size_t i = 0; i < campos.size(); ++i) {
        if (i > 0)
            salida += u',';
        AnadirCampo(salida, campos[i]);
    }
    salida += QStringLiteral("\r\n");
}
} // namespace

QByteArray EscribirCsv(const QStringList& cabecera, const std::vector<std::vector<ValorCsv>>& filas) {
    QString salida;
    std::vector<ValorCsv> nombres(cabecera.begin(), cabecera.end());
    AnadirFila(salida, nombres);
    for (const auto& fila : filas)
        AnadirFila(salida, fila);
    return salida.toUtf8();
}
