// Val() as the stored queries call it and the lenient number reader with its formatter: any text.
#include "shell/DialectoJet.h"
#include "shell/Numeros.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <string>

namespace {
sqlite3_stmt* ConsultaVal() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        RegistrarDialectoJet(d);
        return d;
    }();
    static sqlite3_stmt* st = [] {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "SELECT val(?1)", -1, &s, nullptr);
        return s;
    }();
    return st;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    FuzzedDataProvider entrada(datos, largo);
    const std::string patron = entrada.ConsumeRandomLengthString(32);
    const std::string texto = entrada.ConsumeRemainingBytesAsString();
    const QString t = QString::fromStdString(texto);
    const double punto = LeerNumeroInicial(t);
    const double coma = LeerNumeroInicial(t, true);
    (void)RedondearEntero(coma);
    (void)FormatoNumero(punto, QString::fromStdString(patron));

    sqlite3_stmt* st = ConsultaVal();
    sqlite3_bind_text(st, 1, texto.data(), int(texto.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) != SQLITE_ROW)
        __builtin_trap();
    const double val = sqlite3_column_double(st, 0);
    sqlite3_reset(st);
    // Val reads the text as the reader does (with the point only).
    if (!(val == punto || (std::isnan(val) && std::isnan(punto))) && t.toStdString() == texto)
        __builtin_trap();
    return 0;
}
