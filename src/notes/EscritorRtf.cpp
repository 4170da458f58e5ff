#include "notes/EscritorRtf.h"

#include "notes/LectorRtf.h"
#include "shell/Fuentes.h"
#include "shell/Numeros.h"

#include <QColor>
#include <QGuiApplication>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {

struct Rasgos {
    QString fuente;
    int medios = 22;
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    QColor color; // invalid: automatic
};

Rasgos Resolver(const QTextCharFormat& f, const QFont& base) {
    Rasgos r;
    const QStringList familias = f.fontFamilies().toStringList();
    if (!familias.isEmpty() && !familias.first().isEmpty())
        r.fuente = familias.first();
    else if (!f.stringProperty(QTextFormat::FontFamily).isEmpty())
        r.fuente = f.stringProperty(QTextFormat::FontFamily);
    else
        r.fuente = base.family();
    const double puntos = f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF();
    r.medios = puntos > 0 ? std::clamp(RedondearEntero(puntos * 2), 1, kMediosPuntosMaximoRtf) : 24;
    r.negrita = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold : base.bold();
    r.cursiva = f.fontItalic();
    r.subrayado = f.fontUnderline();
    if (f.foreground().style() != Qt::NoBrush)
        r.color = f.foreground().color();
    return r;
}

bool EsCaraSimbolo(const QString& fuente) {
    static const QStringList conocidas = {QStringLiteral("Symbol"),      QStringLiteral("Wingdings"),
                                          QStringLiteral("Wingdings 2"), QStringLiteral("Wingdings 3"),
                                          QStringLiteral("Webdings"),    QStringLiteral("Marlett")};
    if (conocidas.contains(fuente, Qt::CaseInsensitive))
        return true;
    // Asking the installed faces needs the application's font database.
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && CharsetFuente(fuente) == 2;
}

class EscritorRtf {
public:
    explicit EscritorRtf(const QTextDocument& documento) : doc_(documento), base_(documento.defaultFont()) {}

    QString Escribir() {
        // First pass: the faces and colours used, for the tables.
        for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
            bool vacio = true;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment fr = it.fragment();
                if (fr.isValid()) {
                    Registrar(Resolver(fr.charFormat(), base_));
                    vacio = false;
                }
            }
            if (vacio)
                Registrar(Resolver(b.charFormat(), base_));
        }
        if (fuentes_.isEmpty())
            fuentes_ << base_.family();

        salida_.reserve(doc_.characterCount() * 2 + 256);
        salida_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
        for (int i = 0; i < fuentes_.size(); ++i) {
            salida_ += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" +
                       QByteArray(EsCaraSimbolo(fuentes_[i]) ? "2" : "0") + ' ';
            EscribirTexto(fuentes_[i]);
            salida_ += ";}";
        }
        salida_ += "}\r\n";
        if (!colores_.isEmpty()) {
            salida_ += "{\\colortbl ;";
            for (const QColor& c : colores_)
                salida_ += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
                           "\\blue" + QByteArray::number(c.blue()) + ';';
            salida_ += "}\r\n";
        }
        salida_ += "\\viewkind4\\uc1";

        for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
            salida_ += "\\pard";
            const Qt::Alignment al = b.blockFormat().alignment();
            if (al & Qt::AlignHCenter)
                salida_ += "\\qc";
            else if (al & Qt::AlignRight)
                salida_ += "\\qr";
            else if (al & Qt::AlignJustify)
                salida_ += "\\qj";
            espacio_ = true;
            bool vacio = true;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment fr = it.fragment();
                if (!fr.isValid())
                    continue;
                Cambiar(Resolver(fr.charFormat(), base_));
                EscribirTexto(fr.text());
                vacio = false;
            }
            if (vacio)
                Cambiar(Resolver(b.charFormat(), base_));
            salida_ += "\\par\r\n";
            espacio_ = false;
        }
        salida_ += "}\r\n";
        return QString::fromLatin1(salida_);
    }

private:
    void Registrar(const Rasgos& r) {
        if (!indiceFuente_.contains(r.fuente)) {
            indiceFuente_.insert(r.fuente, int(fuentes_.size()));
            fuentes_ << r.fuente;
        }
        if (r.color.isValid() && !colores_.contains(r.color))
            colores_ << r.color;
    }

    void Palabra(const char* palabra, int valor = INT32_MIN) {
        salida_ += '\\';
        salida_ += palabra;
        if (valor != INT32_MIN)
            salida_ += QByteArray::number(valor);
        espacio_ = true;
    }

    void Cambiar(const Rasgos& r) {
        const bool todo = !hayActual_;
        if (todo || r.fuente != actual_.fuente)
            Palabra("f", indiceFuente_.value(r.fuente));
        if (todo || r.medios != actual_.medios)
            Palabra("fs", r.medios);
        if (todo || r.negrita != actual_.negrita)
            Palabra(r.negrita ? "b" : "b0");
        if (todo || r.cursiva != actual_.cursiva)
            Palabra(r.cursiva ? "i" : "i0");
        if (todo || r.subrayado != actual_.subrayado)
            Palabra(r.subrayado ? "ul" : "ulnone");
        if (todo || r.color != actual_.color)
            Palabra("cf", r.color.isValid() ? int(colores_.indexOf(r.color)) + 1 : 0);
        actual_ = r;
        hayActual_ = true;
    }

    void EscribirTexto(const QString& texto) {
        for (const QChar qc : texto) {
            const char16_t c = qc.unicode();
            if (c == u'\\' || c == u'{' || c == u'}') {
                Separar();
                salida_ += '\\';
                salida_ += char(c);
            } else if (c == u'\t') {
                Palabra("tab");
            } else if (c == u'\x2028' || c == u'\n' || c == u'\x2029') {
                Palabra("line");
            } else if (c == u'\xA0') {
                Separar();
                salida_ += "\\~";
            } else if (c == u'\xFFFC') {
                // An embedded object's mark: the object itself is not written.
            } else if (c >= 0x20 && c < 0x80) {
                Separar();
                salida_ += char(c);
            } else {
                Palabra("u", c > 0x7FFF ? int(c) - 65536 : int(c));
                salida_ += '?';
                espacio_ = false;
            }
        }
    }

    // The blank that ends a control word before text.
    void Separar() {
        if (espacio_) {
            salida_ += ' ';
            espacio_ = false;
        }
    }

    const QTextDocument& doc_;
    QFont base_;
    QStringList fuentes_;
    QHash<QString, int> indiceFuente_;
    QList<QColor> colores_;
    QByteArray salida_;
    Rasgos actual_;
    bool hayActual_ = false;
    bool espacio_ = false;
};

} // namespace

QString EscribirRtf(const QTextDocument& documento) {
    return EscritorRtf(documento).Escribir();
}
