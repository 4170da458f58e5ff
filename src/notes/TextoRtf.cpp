#include "notes/TextoRtf.h"

#include "shell/Fuentes.h"
#include "shell/Numeros.h"
#include "shell/TextoAnsi.h"

#include <QColor>
#include <QGuiApplication>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace {

// Bounds that keep hostile input harmless: deeper groups share their parent's state, longer
// words are unknown, larger numbers are clamped.
constexpr int kProfundidadMaxima = 200;
constexpr int kLargoPalabra = 32;
constexpr int kSaltoUnicodeMaximo = 8;
constexpr int kMediosPuntosMaximo = 3276;
constexpr int kCodigoSimbolo = -2;

// Nota: a footnote's text, shown inline in brackets where its mark stands, so it keeps its place
// in a note that has no pages to put it at the foot of. Forma: a drawing whose only text of the
// note is its text box.
enum class Destino : unsigned char { Texto, Nota, Fuentes, Colores, Forma, Ignorar };

struct Caracter {
    int fuente = -1; // -1: the document's default face
    int medios = 0;  // size in half points; 0: not given
    int color = 0;   // 0: automatic
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    // Hidden text and text deleted under change tracking are not shown. The editor's document
    // cannot hold text it does not show, so saving the note leaves them out: the author's
    // deletions stay deleted.
    bool oculto = false;
    bool borrado = false;
    bool operator==(const Caracter&) const = default;
};

// What the end of a group closes besides its state.
enum class Cierre : unsigned char { Nada, Nota, Cuadro };

struct Estado {
    Caracter car;
    Qt::Alignment alineacion = Qt::AlignLeft;
    Destino destino = Destino::Texto;
    int saltoUnicode = 1;
    Cierre cierre = Cierre::Nada;
};

struct Marca {
    Caracter car;
    Qt::Alignment alineacion;
};

struct FuenteRtf {
    QString nombre;
    int codigoPagina = 0; // 0: the document's
};

bool Admitido(int cp) {
    const QList<int>& lista = CodigosPaginaRtf();
    return std::find(lista.begin(), lista.end(), cp) != lista.end();
}

bool EsDbcs(int cp) {
    return cp == 932 || cp == 936 || cp == 949 || cp == 950 || cp == 1361;
}

// The bytes that begin a character of two bytes in a double-byte page.
bool EsPrimerByte(int cp, unsigned char b) {
    switch (cp) {
    case 932:
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 1361:
        return (b >= 0x84 && b <= 0xD3) || (b >= 0xD8 && b <= 0xDE) || (b >= 0xE0 && b <= 0xF9);
    default:
        return b >= 0x81 && b <= 0xFE;
    }
}

int CodigoDeCharset(int charset) {
    switch (charset) {
    case 2:
        return kCodigoSimbolo;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
    case 255:
        return 437;
    default:
        return 0;
    }
}

// Destinations whose content is never text of the note (a drawing's result is a copy of it for
// readers that do not know drawings).
bool DestinoIgnorado(QStringView palabra) {
    static const QStringList ignorados = {QStringLiteral("stylesheet"),
                                          QStringLiteral("info"),
                                          QStringLiteral("pict"),
                                          QStringLiteral("object"),
                                          QStringLiteral("header"),
                                          QStringLiteral("headerl"),
                                          QStringLiteral("headerr"),
                                          QStringLiteral("headerf"),
                                          QStringLiteral("footer"),
                                          QStringLiteral("footerl"),
                                          QStringLiteral("footerr"),
                                          QStringLiteral("footerf"),
                                          QStringLiteral("annotation"),
                                          QStringLiteral("fldinst"),
                                          QStringLiteral("xe"),
                                          QStringLiteral("tc"),
                                          QStringLiteral("txe"),
                                          QStringLiteral("listtable"),
                                          QStringLiteral("listoverridetable"),
                                          QStringLiteral("revtbl"),
                                          QStringLiteral("rsidtbl"),
                                          QStringLiteral("generator"),
                                          QStringLiteral("themedata"),
                                          QStringLiteral("colorschememapping"),
                                          QStringLiteral("latentstyles"),
                                          QStringLiteral("datastore"),
                                          QStringLiteral("xmlnstbl"),
                                          QStringLiteral("filetbl"),
                                          QStringLiteral("nonshppict"),
                                          QStringLiteral("shprslt"),
                                          QStringLiteral("falt"),
                                          QStringLiteral("panose"),
                                          QStringLiteral("template"),
                                          QStringLiteral("objdata"),
                                          QStringLiteral("bkmkstart"),
                                          QStringLiteral("bkmkend")};
    for (const QString& d : ignorados)
        if (palabra == d)
            return true;
    return false;
}

bool EsSubrayado(QStringView p) {
    static const QStringList formas = {
        QStringLiteral("ul"),         QStringLiteral("uld"),       QStringLiteral("uldash"),
        QStringLiteral("uldashd"),    QStringLiteral("uldashdd"),  QStringLiteral("uldb"),
        QStringLiteral("ulhwave"),    QStringLiteral("ulldash"),   QStringLiteral("ulth"),
        QStringLiteral("ulthd"),      QStringLiteral("ulthdash"),  QStringLiteral("ulthdashd"),
        QStringLiteral("ulthdashdd"), QStringLiteral("ulthldash"), QStringLiteral("ululdbwave"),
        QStringLiteral("ulw"),        QStringLiteral("ulwave")};
    for (const QString& f : formas)
        if (p == f)
            return true;
    return false;
}

// Control words that stand for one character.
char16_t CaracterDePalabra(QStringView p) {
    struct Par {
        const char16_t* palabra;
        char16_t caracter;
    };
    static constexpr Par pares[] = {
        {u"tab", u'\t'},           {u"cell", u'\t'},         {u"nestcell", u'\t'},   {u"line", u'\x2028'},
        {u"bullet", u'\x2022'},    {u"emdash", u'\x2014'},   {u"endash", u'\x2013'}, {u"emspace", u'\x2003'},
        {u"enspace", u'\x2002'},   {u"qmspace", u'\x2005'},  {u"lquote", u'\x2018'}, {u"rquote", u'\x2019'},
        {u"ldblquote", u'\x201C'}, {u"rdblquote", u'\x201D'}};
    for (const Par& par : pares)
        if (p == QStringView(par.palabra))
            return par.caracter;
    return 0;
}

class LectorRtf {
public:
    LectorRtf(QStringView rtf, QTextDocument& documento) : s_(rtf), cursor_(&documento) {
        pila_.reserve(64);
        pila_.push_back(Estado{});
    }

    void Leer() {
        const qsizetype n = s_.size();
        while (pos_ < n) {
            const QChar c = s_[pos_];
            if (c == u'{') {
                ++pos_;
                AbrirGrupo();
            } else if (c == u'}') {
                ++pos_;
                CerrarGrupo();
            } else if (c == u'\\') {
                ++pos_;
                Control();
            } else if (c == u'\r' || c == u'\n' || c.unicode() == 0) {
                ++pos_;
            } else {
                Texto();
            }
        }
        Terminar();
    }

private:
    Estado& Actual() { return pila_.back(); }

    void AbrirGrupo() {
        VaciarBytes();
        saltar_ = 0;
        inicioGrupo_ = true;
        asterisco_ = false;
        if (pila_.size() < kProfundidadMaxima && desborde_ == 0) {
            pila_.push_back(pila_.back());
            pila_.back().cierre = Cierre::Nada;
        } else
            ++desborde_;
    }

    void CerrarGrupo() {
        VaciarBytes();
        saltar_ = 0;
        inicioGrupo_ = false;
        asterisco_ = false;
        if (desborde_ > 0) {
            --desborde_;
            return;
        }
        // The outermost level is never closed: text after a stray brace is still read.
        if (pila_.size() <= 1)
            return;
        if (Actual().destino == Destino::Fuentes)
            CerrarFuente();
        const Cierre cierre = Actual().cierre;
        if (cierre == Cierre::Cuadro)
            ApartarParrafo();
        pila_.pop_back();
        if (cierre == Cierre::Nota)
            Agregar(u"]");
    }

    // A run of plain characters.
    void Texto() {
        const qsizetype n = s_.size();
        qsizetype fin = pos_;
        while (fin < n) {
            const char16_t c = s_[fin].unicode();
            if (c == u'\\' || c == u'{' || c == u'}' || c == u'\r' || c == u'\n' || c == 0)
                break;
            ++fin;
        }
        QStringView trozo = s_.mid(pos_, fin - pos_);
        pos_ = fin;
        if (saltar_ > 0) {
            const qsizetype saltados = std::min<qsizetype>(saltar_, trozo.size());
            saltar_ -= int(saltados);
            trozo = trozo.mid(saltados);
        }
        inicioGrupo_ = false;
        // A double-byte character's second byte may be written as the ASCII letter it equals.
        if (!bytes_.isEmpty() && !trozo.isEmpty() && trozo[0].unicode() < 0x80) {
            Byte(static_cast<unsigned char>(trozo[0].unicode()));
            trozo = trozo.mid(1);
        }
        if (!trozo.isEmpty())
            Agregar(trozo);
    }

    void Control() {
        const qsizetype n = s_.size();
        if (pos_ >= n)
            return;
        const QChar c = s_[pos_];
        if (c.isLetter() && c.unicode() < 128) {
            Palabra();
            return;
        }
        ++pos_;
        if (c == u'*') {
            asterisco_ = true;
            return;
        }
        if (c == u'\'') {
            Hexadecimal();
            return;
        }
        const bool contado = saltar_ > 0;
        if (contado)
            --saltar_;
        inicioGrupo_ = false;
        if (contado)
            return;
        switch (c.unicode()) {
        case u'\\':
        case u'{':
        case u'}':
            if (!bytes_.isEmpty())
                Byte(static_cast<unsigned char>(c.unicode())); // a second byte such as 0x5C
            else
                Agregar(QStringView(&c, 1));
            break;
        case u'~':
            Agregar(u"\u00A0");
            break;
        case u'_':
            Agregar(u"\u2011");
            break;
        case u'-':
            Agregar(u"\u00AD");
            break;
        case u'\r':
        case u'\n':
            Parrafo();
            break;
        default:
            // \: \| and other unknown symbols mean nothing; a letter beyond ASCII is kept as text.
            if (c.unicode() >= 128)
                Agregar(QStringView(&c, 1));
            break;
        }
    }

    void Hexadecimal() {
        auto valor = [](QChar h) {
            const char16_t c = h.unicode();
            if (c >= u'0' && c <= u'9')
                return c - u'0';
            if (c >= u'a' && c <= u'f')
                return c - u'a' + 10;
            if (c >= u'A' && c <= u'F')
                return c - u'A' + 10;
            return -1;
        };
        if (pos_ + 1 >= s_.size() || valor(s_[pos_]) < 0 || valor(s_[pos_ + 1]) < 0)
            return; // a broken escape: what follows is read as text
        const int byte = valor(s_[pos_]) * 16 + valor(s_[pos_ + 1]);
        pos_ += 2;
        inicioGrupo_ = false;
        if (saltar_ > 0) {
            --saltar_;
            return;
        }
        Byte(static_cast<unsigned char>(byte));
    }

    void Palabra() {
        const qsizetype n = s_.size();
        const qsizetype inicio = pos_;
        while (pos_ < n && s_[pos_].unicode() < 128 && s_[pos_].isLetter())
            ++pos_;
        const QStringView nombre = s_.mid(inicio, std::min<qsizetype>(pos_ - inicio, kLargoPalabra + 1));
        bool hayParametro = false;
        qint64 valor = 0;
        bool negativo = false;
        if (pos_ < n && s_[pos_] == u'-' && pos_ + 1 < n && s_[pos_ + 1].isDigit()) {
            negativo = true;
            ++pos_;
        }
        while (pos_ < n && s_[pos_].unicode() >= u'0' && s_[pos_].unicode() <= u'9') {
            hayParametro = true;
            if (valor < 10'000'000'000LL)
                valor = valor * 10 + (s_[pos_].unicode() - u'0');
            ++pos_;
        }
        if (pos_ < n && s_[pos_] == u' ')
            ++pos_;
        valor = std::clamp<qint64>(negativo ? -valor : valor, INT32_MIN, INT32_MAX);

        const bool enInicio = inicioGrupo_;
        const bool conAsterisco = asterisco_;
        inicioGrupo_ = false;
        asterisco_ = false;
        if (nombre.size() > kLargoPalabra)
            return;
        if (nombre == u"bin") {
            // Binary data is skipped whole, whatever the destination.
            pos_ += std::min<qint64>(std::max<qint64>(valor, 0), n - pos_);
            return;
        }
        if (saltar_ > 0) {
            --saltar_;
            return;
        }
        if (Destinos(nombre, enInicio, conAsterisco))
            return;
        Aplicar(nombre, hayParametro, int(valor));
    }

    // A destination takes effect only as the first word of a group inside the document.
    bool Destinos(QStringView nombre, bool enInicio, bool conAsterisco) {
        if (!enInicio || desborde_ > 0 || pila_.size() < 3)
            return false;
        Estado& e = Actual();
        if (nombre == u"footnote") {
            VaciarBytes();
            if (e.destino == Destino::Texto) {
                Agregar(u"[");
                e.destino = Destino::Nota;
                e.cierre = Cierre::Nota;
                inicioNota_ = true;
                espacioNota_ = false;
            } else if (e.destino != Destino::Nota) {
                e.destino = Destino::Ignorar;
            }
            return true;
        }
        // A drawing, and its text box; older files write them as drawing objects.
        const bool forma = nombre == u"shpinst" || nombre == u"do";
        if (forma || nombre == u"shptxt" || nombre == u"dptxbxtext") {
            VaciarBytes();
            if (!forma && e.destino == Destino::Forma) {
                e.destino = Destino::Texto;
                e.cierre = Cierre::Cuadro;
                ApartarParrafo();
            } else if (forma && (e.destino == Destino::Texto || e.destino == Destino::Nota)) {
                e.destino = Destino::Forma;
            } else if (e.destino != Destino::Texto && e.destino != Destino::Nota) {
                e.destino = Destino::Ignorar;
            }
            return true;
        }
        Destino nuevo;
        if (nombre == u"fonttbl")
            nuevo = Destino::Fuentes;
        else if (nombre == u"colortbl")
            nuevo = Destino::Colores;
        else if (conAsterisco || DestinoIgnorado(nombre))
            nuevo = Destino::Ignorar;
        else
            return false;
        VaciarBytes();
        if (Actual().destino != Destino::Ignorar)
            Actual().destino = nuevo;
        return true;
    }

    void Aplicar(QStringView p, bool hayParametro, int valor) {
        Estado& e = Actual();
        const bool activo = !hayParametro || valor != 0;
        if (e.destino == Destino::Fuentes) {
            if (p == u"f") {
                CerrarFuente();
                fuenteDefinida_ = valor;
                codigoDefinido_ = 0;
                nombreFuente_.clear();
            } else if (p == u"fcharset") {
                codigoDefinido_ = CodigoDeCharset(valor);
            } else if (p == u"cpg") {
                codigoDefinido_ = Admitido(valor) ? valor : 0;
            } else if (p == u"u" && hayParametro) {
                Unicode(valor);
            }
            return;
        }
        if (e.destino == Destino::Colores) {
            const int componente = std::clamp(valor, 0, 255);
            if (p == u"red")
                rojo_ = componente, hayComponente_ = true;
            else if (p == u"green")
                verde_ = componente, hayComponente_ = true;
            else if (p == u"blue")
                azul_ = componente, hayComponente_ = true;
            return;
        }
        if (e.destino == Destino::Ignorar || e.destino == Destino::Forma)
            return;

        if (p == u"par" || p == u"row" || p == u"nestrow" || p == u"page" || p == u"sect") {
            Parrafo();
        } else if (const char16_t car = CaracterDePalabra(p)) {
            Agregar(QStringView(&car, 1));
        } else if (p == u"u" && hayParametro) {
            Unicode(valor);
        } else if (p == u"uc") {
            e.saltoUnicode = std::clamp(valor, 0, kSaltoUnicodeMaximo);
        } else if (p == u"b") {
            e.car.negrita = activo;
        } else if (p == u"i") {
            e.car.cursiva = activo;
        } else if (EsSubrayado(p)) {
            e.car.subrayado = activo;
        } else if (p == u"ulnone") {
            e.car.subrayado = false;
        } else if (p == u"v") {
            e.car.oculto = activo;
        } else if (p == u"deleted") {
            e.car.borrado = activo;
        } else if (p == u"fs") {
            e.car.medios = std::clamp(valor, 0, kMediosPuntosMaximo);
        } else if (p == u"f") {
            VaciarBytes();
            e.car.fuente = std::max(valor, 0);
        } else if (p == u"cf") {
            e.car.color = std::max(valor, 0);
        } else if (p == u"plain") {
            VaciarBytes();
            e.car = Caracter{};
        } else if (p == u"pard") {
            e.alineacion = Qt::AlignLeft;
        } else if (p == u"ql") {
            e.alineacion = Qt::AlignLeft;
        } else if (p == u"qc") {
            e.alineacion = Qt::AlignHCenter;
        } else if (p == u"qr") {
            e.alineacion = Qt::AlignRight;
        } else if (p == u"qj") {
            e.alineacion = Qt::AlignJustify;
        } else if (p == u"deff") {
            fuenteDefecto_ = std::max(valor, 0);
        } else if (p == u"ansicpg") {
            if (Admitido(valor))
                codigoDocumento_ = valor;
        } else if (p == u"mac") {
            codigoDocumento_ = 10000;
        } else if (p == u"pc") {
            codigoDocumento_ = 437;
        } else if (p == u"pca") {
            codigoDocumento_ = 850;
        }
    }

    void Unicode(int valor) {
        if (valor < 0)
            valor += 65536;
        const char16_t c = (valor < 0 || valor > 0xFFFF) ? u'\xFFFD' : char16_t(valor);
        VaciarBytes();
        saltar_ = Actual().saltoUnicode;
        Agregar(QStringView(&c, 1));
        // After adding: a change of format empties the buffer, and with it the flag.
        if (QChar::isSurrogate(c))
            haySustitutos_ = true;
    }

    int CodigoActual() const {
        const Estado& e = pila_.back();
        int cp = 0;
        if (e.destino == Destino::Fuentes) {
            cp = codigoDefinido_;
        } else {
            const int num = e.car.fuente >= 0 ? e.car.fuente : fuenteDefecto_;
            if (auto it = fuentes_.constFind(num); it != fuentes_.constEnd())
                cp = it->codigoPagina;
        }
        return cp != 0 ? cp : codigoDocumento_;
    }

    void Byte(unsigned char b) {
        const int cp = CodigoActual();
        if (EsDbcs(cp)) {
            if (!bytes_.isEmpty() && codigoBytes_ == cp) {
                bytes_.append(char(b));
                VaciarBytes();
            } else {
                VaciarBytes();
                // Below 0x80 every Windows double-byte page is ASCII.
                if (b < 0x80) {
                    Agregar(QString(QChar(b)));
                } else {
                    bytes_.append(char(b));
                    codigoBytes_ = cp;
                    if (!EsPrimerByte(cp, b))
                        VaciarBytes(); // a character of one byte, such as half-width katakana
                }
            }
            return;
        }
        VaciarBytes();
        if (cp != codigoTabla_) {
            tabla_ = &Tabla(cp);
            codigoTabla_ = cp;
        }
        const char16_t c = (*tabla_)[b];
        Agregar(QStringView(&c, 1));
    }

    // A lead byte of a double-byte code page waits for its second byte.
    void VaciarBytes() {
        if (bytes_.isEmpty())
            return;
        QString texto = DesdeCodigoPagina(bytes_, codigoBytes_);
        bytes_.clear();
        if (texto.isEmpty())
            texto = QStringLiteral("\uFFFD");
        Agregar(texto);
    }

    static const std::array<char16_t, 256>& Tabla(int cp) {
        // A symbol face's bytes are its glyphs' codes.
        static const std::array<char16_t, 256> simbolo = [] {
            std::array<char16_t, 256> t;
            for (int i = 0; i < 256; ++i)
                t[i] = char16_t(i);
            return t;
        }();
        if (cp == kCodigoSimbolo)
            return simbolo;
        if (const auto* tabla = TablaCodigoPagina(cp))
            return *tabla;
        const auto* ansi = TablaCodigoPagina(1252);
        return ansi ? *ansi : simbolo;
    }

    void Agregar(QStringView texto) {
        Estado& e = Actual();
        switch (e.destino) {
        case Destino::Fuentes:
            for (QChar c : texto) {
                if (c == u';')
                    CerrarFuente();
                else
                    nombreFuente_ += c;
            }
            return;
        case Destino::Colores:
            for (QChar c : texto) {
                if (c == u';') {
                    colores_.push_back(hayComponente_ ? QColor(rojo_, verde_, azul_) : QColor());
                    rojo_ = verde_ = azul_ = 0;
                    hayComponente_ = false;
                }
            }
            return;
        case Destino::Ignorar:
        case Destino::Forma:
            return;
        case Destino::Nota:
            if (!AjustarNota(texto))
                return;
            break;
        case Destino::Texto:
            break;
        }
        if (e.car.oculto || e.car.borrado)
            return;
        if (!marcas_.empty()) {
            Vaciar();
            // Each new paragraph takes the properties of the mark that ends it.
            for (size_t i = 1; i <= marcas_.size(); ++i)
                NuevoBloque(i < marcas_.size() ? marcas_[i] : Marca{e.car, e.alineacion});
            marcas_.clear();
        }
        if (!buffer_.isEmpty() && !(carBuffer_ == e.car))
            Vaciar();
        carBuffer_ = e.car;
        alineacionBuffer_ = e.alineacion;
        buffer_.append(texto);
    }

    void CerrarFuente() {
        if (fuenteDefinida_ >= 0) {
            VaciarBytes();
            fuentes_.insert(fuenteDefinida_, FuenteRtf{nombreFuente_.trimmed(), codigoDefinido_});
        }
        fuenteDefinida_ = -1;
        codigoDefinido_ = 0;
        nombreFuente_.clear();
    }

    // A footnote is one line: no leading blanks, its paragraphs joined by one blank.
    bool AjustarNota(QStringView& texto) {
        if (inicioNota_) {
            while (!texto.isEmpty() && texto[0] == u' ')
                texto = texto.mid(1);
            if (texto.isEmpty())
                return false;
            inicioNota_ = false;
        }
        if (espacioNota_) {
            espacioNota_ = false;
            if (texto[0] != u' ')
                Agregar(u" ");
        }
        return true;
    }

    // A text box's paragraphs stand apart from the text around its anchor.
    void ApartarParrafo() {
        if (marcas_.empty() && (!buffer_.isEmpty() || cursor_.block().length() > 1))
            Parrafo();
    }

    // Paragraph marks wait for the text that follows, so the last one adds no empty paragraph.
    void Parrafo() {
        VaciarBytes();
        const Estado& e = Actual();
        if (e.car.oculto || e.car.borrado)
            return;
        if (e.destino == Destino::Nota)
            espacioNota_ = !inicioNota_;
        if (e.destino != Destino::Texto)
            return;
        Vaciar();
        if (marcas_.empty())
            Alinear(Actual().alineacion);
        marcas_.push_back({Actual().car, Actual().alineacion});
    }

    void NuevoBloque(const Marca& marca) {
        QTextBlockFormat bloque;
        bloque.setAlignment(marca.alineacion);
        cursor_.insertBlock(bloque, Formato(marca.car));
    }

    void Alinear(Qt::Alignment alineacion) {
        if (cursor_.blockFormat().alignment() == alineacion)
            return;
        QTextBlockFormat bloque;
        bloque.setAlignment(alineacion);
        cursor_.mergeBlockFormat(bloque);
    }

    QTextCharFormat Formato(const Caracter& car) const {
        QTextCharFormat f;
        const int num = car.fuente >= 0 ? car.fuente : fuenteDefecto_;
        if (auto it = fuentes_.constFind(num); it != fuentes_.constEnd() && !it->nombre.isEmpty())
            f.setFontFamilies({it->nombre});
        if (car.medios > 0)
            f.setFontPointSize(car.medios / 2.0);
        if (car.negrita)
            f.setFontWeight(QFont::Bold);
        if (car.cursiva)
            f.setFontItalic(true);
        if (car.subrayado)
            f.setFontUnderline(true);
        if (car.color > 0 && size_t(car.color) < colores_.size() && colores_[car.color].isValid())
            f.setForeground(colores_[car.color]);
        return f;
    }

    void Vaciar() {
        if (buffer_.isEmpty())
            return;
        // An object mark without its object holds no text; control characters typed or pasted do.
        buffer_.removeIf([](QChar c) { return c.unicode() == 0xFFFC; });
        if (buffer_.isEmpty())
            return;
        if (haySustitutos_) {
            // A lone half of a surrogate pair stands for a character that is not there.
            for (qsizetype i = 0; i < buffer_.size(); ++i) {
                const QChar c = buffer_[i];
                if (c.isHighSurrogate() && i + 1 < buffer_.size() && buffer_[i + 1].isLowSurrogate())
                    ++i;
                else if (c.isSurrogate())
                    buffer_[i] = QChar(0xFFFD);
            }
            haySustitutos_ = false;
        }
        cursor_.insertText(buffer_, Formato(carBuffer_));
        buffer_.clear();
    }

    void Terminar() {
        VaciarBytes();
        if (Actual().destino == Destino::Fuentes)
            CerrarFuente();
        Vaciar();
        // The last paragraph mark closes the last paragraph; more marks are empty paragraphs.
        if (marcas_.empty())
            Alinear(alineacionBuffer_);
        for (size_t i = 1; i < marcas_.size(); ++i)
            NuevoBloque(marcas_[i]);
        marcas_.clear();
    }

    QStringView s_;
    QTextCursor cursor_;
    qsizetype pos_ = 0;
    std::vector<Estado> pila_;
    int desborde_ = 0;
    int saltar_ = 0;
    bool inicioGrupo_ = false;
    bool asterisco_ = false;

    QHash<int, FuenteRtf> fuentes_;
    int fuenteDefecto_ = 0;
    int codigoDocumento_ = 1252;
    int fuenteDefinida_ = -1;
    int codigoDefinido_ = 0;
    QString nombreFuente_;

    std::vector<QColor> colores_;
    int rojo_ = 0, verde_ = 0, azul_ = 0;
    bool hayComponente_ = false;

    QByteArray bytes_;
    int codigoBytes_ = 0;
    const std::array<char16_t, 256>* tabla_ = nullptr; // the last page's, without asking for it per byte
    int codigoTabla_ = INT32_MIN;

    QString buffer_;
    Caracter carBuffer_;
    Qt::Alignment alineacionBuffer_ = Qt::AlignLeft;
    bool haySustitutos_ = false;
    std::vector<Marca> marcas_;
    bool inicioNota_ = false;
    bool espacioNota_ = false;
};

// ---- Writing ----

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
    r.medios = puntos > 0 ? std::clamp(RedondearEntero(puntos * 2), 1, kMediosPuntosMaximo) : 24;
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

const QList<int>& CodigosPaginaRtf() {
    static const QList<int> lista = {437,  737,  775,  850,  852,  855,  857,  860,  861,  862,  863,
                                     864,  865,  866,  869,  874,  932,  936,  949,  950,  1250, 1251,
                                     1252, 1253, 1254, 1255, 1256, 1257, 1258, 1361, 10000};
    return lista;
}

void LeerRtf(QStringView rtf, QTextDocument& documento) {
    const bool deshacer = documento.isUndoRedoEnabled();
    documento.setUndoRedoEnabled(false);
    documento.clear();
    // One edit block: outside one every insertion lays out its whole paragraph again, which made
    // a paragraph of many formatting runs quadratic to read.
    QTextCursor lote(&documento);
    lote.beginEditBlock();
    LectorRtf(rtf, documento).Leer();
    lote.endEditBlock();
    documento.setUndoRedoEnabled(deshacer);
}

void LeerRtf(const QByteArray& rtf, QTextDocument& documento) {
    const QString texto = DesdeAnsi(rtf);
    LeerRtf(QStringView(texto), documento);
}

QString EscribirRtf(const QTextDocument& documento) {
    return EscritorRtf(documento).Escribir();
}
