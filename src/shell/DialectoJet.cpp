#include "shell/DialectoJet.h"

#include "shell/Numeros.h"
#include "shell/OrdenAlfabetico.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <sqlite3.h>

namespace {

constexpr std::array<char32_t, 128> TablaAscii() {
    std::array<char32_t, 128> t{};
    for (char32_t c = 0; c < 128; ++c)
        t[c] = (c >= U'A' && c <= U'Z') ? c + 32 : c;
    return t;
}
constexpr auto kAscii = TablaAscii();

// Next code point of a UTF-8 text; malformed bytes read as themselves.
inline char32_t Leer(const unsigned char*& p, const unsigned char* fin) {
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : (c & 0x1F);
    if (extra == 0)
        return c;
    while (extra-- > 0 && p < fin && (*p & 0xC0) == 0x80)
        cp = (cp << 6) | (*p++ & 0x3F);
    return cp;
}

inline char32_t LeerPlegado(const unsigned char*& p, const unsigned char* fin) {
    if (*p < 0x80)
        return kAscii[*p++];
    return PlegarMayusculas(Leer(p, fin));
}

std::string_view Texto(sqlite3_value* v) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return t ? std::string_view(t, size_t(sqlite3_value_bytes(v))) : std::string_view();
}

void BorrarPatron(void* p) {
    delete static_cast<PatronJet*>(p);
}

void FuncionLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc == 3) {
        sqlite3_result_error(ctx, "ESCAPE no se admite en LIKE", -1);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return; // NULL
    auto* patron = static_cast<PatronJet*>(sqlite3_get_auxdata(ctx, 0));
    if (!patron) {
        QString error;
        auto compilado = PatronJet::Compilar(Texto(argv[0]), &error);
        if (!compilado) {
            const QByteArray e = error.toUtf8();
            sqlite3_result_error(ctx, e.constData(), int(e.size()));
            return;
        }
        patron = new PatronJet(std::move(*compilado));
        sqlite3_set_auxdata(ctx, 0, patron, BorrarPatron);
        // The engine may have dropped it at once; it stays valid for this call either way.
        patron = static_cast<PatronJet*>(sqlite3_get_auxdata(ctx, 0));
        if (!patron) {
            auto local = PatronJet::Compilar(Texto(argv[0]));
            sqlite3_result_int(ctx, local->Coincide(Texto(argv[1])) ? 1 : 0);
            return;
        }
    }
    sqlite3_result_int(ctx, patron->Coincide(Texto(argv[1])) ? 1 : 0);
}

void FuncionVal(sqlite3_context* ctx, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return;
    case SQLITE_FLOAT:
        sqlite3_result_double(ctx, sqlite3_value_double(argv[0]));
        return;
    case SQLITE_NULL:
        // The stored dialect fails on Null; a missing number reads as 0 instead.
        sqlite3_result_int(ctx, 0);
        return;
    default: {
        const std::string_view t = Texto(argv[0]);
        sqlite3_result_double(ctx, LeerNumeroInicial(QString::fromUtf8(t.data(), qsizetype(t.size()))));
    }
    }
}

int ColacionNocase(void*, int na, const void* a, int nb, const void* b) {
    return CompararAlfabetico(std::string_view(static_cast<const char*>(a), size_t(na)),
                              std::string_view(static_cast<const char*>(b), size_t(nb)));
}

} // namespace

QString DoblarComillas(QString texto) {
    return texto.replace(u'\'', QStringLiteral("''"));
}

bool FiltroValido(const QString& filtro) {
    return PatronJet::Compilar((u'*' + filtro.trimmed() + u'*').toUtf8().toStdString()).has_value();
}

char32_t PlegarMayusculas(char32_t c) {
    if (c < 128)
        return kAscii[c];
    return QChar::toCaseFolded(c);
}

void DecodificarPlegado(std::string_view utf8, std::vector<char32_t>& salida) {
    salida.clear();
    auto p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto fin = p + utf8.size();
    while (p < fin)
        salida.push_back(LeerPlegado(p, fin));
}

void RegistrarDialectoJet(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, FuncionLike, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, FuncionLike, nullptr, nullptr);
    sqlite3_create_function(db, "val", 1, flags, nullptr, FuncionVal, nullptr, nullptr);
    sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, ColacionNocase);
}

// ---------------------------------------------------------------------------------------------

bool PatronJet::Elemento::Acepta(char32_t c) const {
    switch (tipo) {
    case Tipo::Literal:
        return c == literal;
    case Tipo::Uno:
        return true;
    case Tipo::Digito:
        return c >= U'0' && c <= U'9';
    case Tipo::Clase: {
        bool dentro = false;
        for (const Rango& r : rangos)
            if (c >= r.desde && c <= r.hasta) {
                dentro = true;
                break;
            }
        return dentro != negada;
    }
    case Tipo::Estrella:
        break;
    }
    return false;
}

std::optional<PatronJet> PatronJet::Compilar(std::string_view utf8, QString* error) {
    PatronJet patron;
    std::vector<char32_t> cps;
    DecodificarPlegado(utf8, cps);
    for (size_t i = 0; i < cps.size(); ++i) {
        const char32_t c = cps[i];
        Elemento e;
        e.tipo = Tipo::Literal;
        if (c == U'*') {
            // Runs of stars are one.
            if (!patron.elementos_.empty() && patron.elementos_.back().tipo == Tipo::Estrella)
                continue;
            e.tipo = Tipo::Estrella;
        } else if (c == U'?') {
            e.tipo = Tipo::Uno;
        } else if (c == U'#') {
            e.tipo = Tipo::Digito;
        } else if (c == U'[') {
            size_t j = i + 1;
            while (j < cps.size() && cps[j] != U']')
                ++j;
            if (j >= cps.size()) {
                if (error)
                    *error = QStringLiteral("Modelo de búsqueda no válido: falta el corchete de cierre ']'");
                return std::nullopt;
            }
            size_t k = i + 1;
            if (k == j) {
                i = j; // "[]" matches the empty text
                continue;
            }
            e.tipo = Tipo::Clase;
            if (cps[k] == U'!' && k + 1 < j) {
                e.negada = true;
                ++k;
            }
            for (; k < j; ++k) {
                if (k + 2 < j && cps[k + 1] == U'-') {
                    e.rangos.push_back({std::min(cps[k], cps[k + 2]), std::max(cps[k], cps[k + 2])});
                    k += 2;
                } else {
                    e.rangos.push_back({cps[k], cps[k]});
                }
            }
            // A class of one plain character is that literal ("[*]" finds a star).
            if (!e.negada && e.rangos.size() == 1 && e.rangos[0].desde == e.rangos[0].hasta) {
                e.tipo = Tipo::Literal;
                e.literal = e.rangos[0].desde;
                e.rangos.clear();
            }
            i = j;
        } else {
            e.literal = c;
        }
        patron.elementos_.push_back(std::move(e));
    }
    const auto& el = patron.elementos_;
    if (el.size() >= 2 && el.front().tipo == Tipo::Estrella && el.back().tipo == Tipo::Estrella &&
        std::all_of(el.begin() + 1, el.end() - 1,
                    [](const Elemento& e) { return e.tipo == Tipo::Literal; })) {
        patron.soloSubcadena_ = true;
        for (auto it = el.begin() + 1; it != el.end() - 1; ++it)
            patron.subcadena_.push_back(it->literal);
        patron.subcadenaAscii_ = std::all_of(patron.subcadena_.begin(), patron.subcadena_.end(),
                                             [](char32_t c) { return c < 128; });
        if (patron.subcadenaAscii_)
            patron.subcadenaBytes_.assign(patron.subcadena_.begin(), patron.subcadena_.end());
    }
    return patron;
}

bool PatronJet::Coincide(QStringView texto) const {
    const QByteArray utf8 = texto.toUtf8();
    return Coincide(std::string_view(utf8.constData(), size_t(utf8.size())));
}

bool PatronJet::Coincide(std::string_view utf8) const {
    if (subcadenaAscii_)
        if (const auto r = ContieneAscii(utf8))
            return *r;
    thread_local std::vector<char32_t> texto;
    DecodificarPlegado(utf8, texto);
    if (soloSubcadena_) {
        if (subcadena_.empty())
            return true;
        return std::search(texto.begin(), texto.end(), subcadena_.begin(), subcadena_.end()) != texto.end();
    }
    return CoincideDesde(texto.data(), texto.size());
}

std::optional<bool> PatronJet::ContieneAscii(std::string_view texto) const {
    const auto* t = reinterpret_cast<const unsigned char*>(texto.data());
    const auto* p = reinterpret_cast<const unsigned char*>(subcadenaBytes_.data());
    const size_t n = texto.size(), m = subcadenaBytes_.size();
    if (m == 0)
        return true;
    // A match found before any byte outside ASCII is a match of the folded text too.
    for (size_t i = 0; i + m <= n; ++i) {
        if (t[i] >= 0x80)
            return std::nullopt;
        if (kAscii[t[i]] != p[0])
            continue;
        size_t j = 1;
        while (j < m && t[i + j] < 0x80 && kAscii[t[i + j]] == p[j])
            ++j;
        if (j == m)
            return true;
    }
    for (size_t i = n >= m ? n - m + 1 : 0; i < n; ++i)
        if (t[i] >= 0x80)
            return std::nullopt;
    return false;
}

bool PatronJet::CoincideDesde(const char32_t* t, size_t n) const {
    // Greedy match that backtracks only to the last star: linear in practice, never recursive.
    const size_t m = elementos_.size();
    size_t ti = 0, pi = 0;
    size_t estrellaP = SIZE_MAX, estrellaT = 0;
    while (ti < n) {
        if (pi < m && elementos_[pi].tipo == Tipo::Estrella) {
            estrellaP = pi++;
            estrellaT = ti;
        } else if (pi < m && elementos_[pi].Acepta(t[ti])) {
            ++pi;
            ++ti;
        } else if (estrellaP != SIZE_MAX) {
            pi = estrellaP + 1;
            ti = ++estrellaT;
        } else {
            return false;
        }
    }
    while (pi < m && elementos_[pi].tipo == Tipo::Estrella)
        ++pi;
    return pi == m;
}
