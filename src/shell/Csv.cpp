#include "shell/Csv.h"

#include "shell/BaseDatos.h"

#include <QFile>
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

// Splits the text into records; a quoted field may span lines.
class Analizador {
public:
    Analizador(const QString& texto, const QString& archivo, bool conservarFines)
        : t_(texto), archivo_(archivo), conservarFines_(conservarFines) {}

    // False at the end of the text. Blank lines are skipped.
    bool Siguiente(FilaCsv& fila) {
        while (p_ < t_.size() && (t_[p_] == u'\n' || t_[p_] == u'\r'))
            SaltarFinLinea();
        if (p_ >= t_.size())
            return false;
        fila.linea = linea_;
        fila.campos.clear();
        for (;;) {
            fila.campos.push_back(Campo(fila.linea));
            if (p_ >= t_.size())
                return true;
            if (t_[p_] == u',') {
                ++p_;
                continue;
            }
            SaltarFinLinea();
            return true;
        }
    }

private:
    ValorCsv Campo(int inicio) {
        if (p_ < t_.size() && t_[p_] == u'"')
            return Entrecomillado(inicio);
        const qsizetype desde = p_;
        while (p_ < t_.size() && t_[p_] != u',' && t_[p_] != u'\n' && t_[p_] != u'\r') {
            if (t_[p_] == u'"')
                throw ErrorBD(
                    UbicarError(archivo_, linea_, QStringLiteral("comilla dentro de un campo sin comillas")));
            ++p_;
        }
        if (p_ == desde)
            return std::nullopt;
        return t_.mid(desde, p_ - desde);
    }

    QString Entrecomillado(int inicio) {
        QString v;
        ++p_;
        for (;;) {
            if (p_ >= t_.size())
                throw ErrorBD(UbicarError(archivo_, inicio, QStringLiteral("comillas sin cerrar")));
            const QChar c = t_[p_++];
            if (c == u'"') {
                if (p_ < t_.size() && t_[p_] == u'"') {
                    v += u'"';
                    ++p_;
                    continue;
                }
                if (p_ < t_.size() && t_[p_] != u',' && t_[p_] != u'\n' && t_[p_] != u'\r')
                    throw ErrorBD(
                        UbicarError(archivo_, linea_, QStringLiteral("texto tras las comillas de cierre")));
                return v;
            }
            if (c == u'\n')
                ++linea_;
            if (c == u'\r') {
                const bool crlf = p_ < t_.size() && t_[p_] == u'\n';
                if (crlf)
                    ++p_;
                ++linea_;
                if (!conservarFines_)
                    v += u'\n';
                else
                    v += crlf ? QStringLiteral("\r\n") : QStringLiteral("\r");
                continue;
            }
            v += c;
        }
    }

    void SaltarFinLinea() {
        if (t_[p_] == u'\r' && p_ + 1 < t_.size() && t_[p_ + 1] == u'\n')
            ++p_;
        ++p_;
        ++linea_;
    }

    const QString& t_;
    const QString& archivo_;
    bool conservarFines_;
    qsizetype p_ = 0;
    int linea_ = 1;
};

} // namespace

namespace {
// The line of the first byte that is not UTF-8, for the message.
int LineaNoUtf8(const QByteArray& texto) {
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
} // namespace

TablaCsv AnalizarCsv(const QByteArray& texto, const QString& archivo, bool conservarFines) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decodificado = utf8(texto);
    if (utf8.hasError())
        throw ErrorBD(UbicarError(archivo, LineaNoUtf8(texto), QStringLiteral("el texto no está en UTF-8")));
    const QString limpio = decodificado.startsWith(QChar(0xFEFF)) ? decodificado.mid(1) : decodificado;

    TablaCsv tabla;
    tabla.archivo = archivo;
    Analizador a(limpio, archivo, conservarFines);
    FilaCsv fila;
    if (!a.Siguiente(fila))
        throw ErrorBD(archivo + u": falta la fila de cabecera");
    for (const ValorCsv& v : fila.campos) {
        const QString nombre = v.value_or(QString()).trimmed();
        if (nombre.isEmpty())
            throw ErrorBD(
                UbicarError(archivo, fila.linea, QStringLiteral("columna sin nombre en la cabecera")));
        if (tabla.cabecera.contains(nombre))
            throw ErrorBD(UbicarError(archivo, fila.linea, QStringLiteral("columna repetida: ") + nombre));
        tabla.cabecera << nombre;
    }
    while (a.Siguiente(fila)) {
        if (fila.campos.size() != size_t(tabla.cabecera.size()))
            throw ErrorBD(UbicarError(archivo, fila.linea,
                                      QStringLiteral("%1 campos, la cabecera tiene %2")
                                          .arg(fila.campos.size())
                                          .arg(tabla.cabecera.size())));
        tabla.filas.push_back(fila);
    }
    return tabla;
}

TablaCsv LeerCsv(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorBD(u"No se puede leer " + ruta + u": " + f.errorString());
    return AnalizarCsv(f.readAll(), QFileInfo(ruta).fileName());
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
