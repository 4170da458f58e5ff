#include "datos/CargaDatos.h"
#include "shell/Csv.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TablaCsv Tiempos() {
    return LeerCsv(QDir(QStringLiteral(GARVOLA_DATOS_CSV)).filePath(QStringLiteral("Tiempos.csv")));
}

QString Campo(const TablaCsv& t, const FilaCsv& f, const char* columna) {
    return t.Valor(f, QString::fromUtf8(columna)).value_or(QString());
}

// One time read off a maker's sheet by hand, to be found in the data exactly as printed.
struct TiempoHoja {
    const char* fuente; // sheet and page in ../shared/datasheets
    int pelicula;
    int revelador;
    const char* dilucion;
    const char* iso;
    const char* temperatura;
    const char* t35;
    const char* t120;
    const char* hoja;
};

void PrintTo(const TiempoHoja& c, std::ostream* os) {
    *os << c.fuente;
}

class TiemposFabricante : public ::testing::TestWithParam<TiempoHoja> {};

TEST_P(TiemposFabricante, CoincideConLaHoja) {
    const TiempoHoja& c = GetParam();
    static const TablaCsv tabla = Tiempos();
    int encontradas = 0;
    for (const FilaCsv& f : tabla.filas) {
        if (Campo(tabla, f, "IdPelicula") != QString::number(c.pelicula) ||
            Campo(tabla, f, "IdRevelador") != QString::number(c.revelador) ||
            Campo(tabla, f, "Dilucion") != QString::fromUtf8(c.dilucion) ||
            Campo(tabla, f, "ISO") != QString::fromUtf8(c.iso) ||
            Campo(tabla, f, "Temperatura") != QString::fromUtf8(c.temperatura))
            continue;
        ++encontradas;
        EXPECT_EQ(Campo(tabla, f, "Tiempo35").toStdString(), c.t35);
        EXPECT_EQ(Campo(tabla, f, "Tiempo120").toStdString(), c.t120);
        EXPECT_EQ(Campo(tabla, f, "TiempoHoja").toStdString(), c.hoja);
    }
    EXPECT_EQ(encontradas, 1);
}

// Kodak prints quarters of a minute (7 1/2) and the data writes them as m:ss (7:30).
const TiempoHoja kCasos[] = {
    {"kodak_t-max_100.pdf p3, small tank, T-MAX 1:4, 68 F", 15, 11, "1+4", "100", "20", "7:30", "7:30", ""},
    {"kodak_t-max_100.pdf p3, small tank, D-76 1:1, 65 F", 15, 8, "1+1", "100", "18", "11:00", "11:00", ""},
    {"kodak_t-max_100.pdf p3, small tank and tray, XTOL, 75 F", 15, 10, "stock", "100", "24", "5:00", "5:00",
     "4:30"},
    {"kodak_t-max_100.pdf p5, push small tank, HC-110 (B), EI 400, 75 F", 15, 9, "B", "400", "24", "7:45",
     "7:45", ""},
    {"kodak_t-max_400.pdf p3-4, small tank and tray, D-76 1:1, 70 F", 16, 8, "1+1", "400", "21", "9:30",
     "9:30", "8:45"},
    {"kodak_t-max_400.pdf p3-4, small tank and tray, XTOL 1:1, 72 F", 16, 10, "1+1", "400", "22", "7:45",
     "7:45", "7:15"},
    {"kodak_t-max_400.pdf p5, push small tank, T-MAX, EI 3200, 75 F", 16, 11, "1+4", "3200", "24", "8:15",
     "8:15", ""},
    {"kodak_t-max_3200.pdf p4, small tank, T-MAX, EI 3200, 68 F", 17, 11, "1+4", "3200", "20", "12:00",
     "12:00", ""},
    {"kodak_t-max_3200.pdf p4, small tank, HC-110 (B), EI 400, 85 F", 17, 9, "B", "400", "29", "3:45", "3:45",
     ""},
    {"kodak_t-max_3200.pdf p4, small tank, XTOL 1:1, EI 25000, 80 F", 17, 10, "1+1", "25000", "27", "16:00",
     "16:00", ""},
    {"ilford_ilfotec_ddx.pdf p4 (Aug 2019), DELTA 100, EI 200, 20 C", 3, 2, "1+4", "200", "20", "12:00",
     "12:00", ""},
    {"ilford_ilfotec_ddx.pdf p4 (Aug 2019), DELTA 400, EI 400, 24 C", 4, 2, "1+4", "400", "24", "6:00",
     "6:00", ""},
    {"ikentmere_pan_400.pdf p2, ID-11 1+1, EI 800", 12, 1, "1+1", "800", "20", "20:30", "20:30", ""},
    {"ilford_developers.pdf p1 (Oct 2019), ID11 stock, KENTMERE PAN 100, EI 100", 10, 1, "stock", "100", "20",
     "9:00", "9:00", ""},
    {"foma_fomapan_400.pdf p1, Microphen stock, 20 C (a printed range)", 23, 6, "stock", "400", "20",
     "8:00-9:00", "8:00-9:00", ""},
    {"foma_fomapan_100.pdf p1, Fomadon P, 30 C", 21, 13, "stock", "100", "30", "4:00", "4:00", ""},
    {"rollei_retro_80s.pdf p4, X-Tol 1+1, ISO 64, 23 C", 29, 10, "1+1", "64", "23", "9:00", "9:00", ""},
    {"rollei_retro_400s.pdf p4, ILFOTEC LC29 1+19, ISO 800", 44, 5, "1+19", "800", "20", "12:30", "12:30",
     ""},
    {"kodak_xtol.pdf p7, table 1, DELTA 100, EI 800, 1:1, 80 F (135 only)", 3, 10, "1+1", "800", "27", "9:30",
     "", ""},
    {"kodak_xtol.pdf p6 and p14, TRI-X 320 (120/220), 1:1, 75 F, roll and tray", 14, 10, "1+1", "320/640",
     "24", "", "8:00", "6:15"},
    {"kodak_film_processing.pdf p2, sheets in trays, TRI-X 320, HC-110 (B), 68 F", 14, 9, "B", "320", "20",
     "", "", "3:15"},
    // T-MAX 400 in HC-110 (B) is exposed at EI 320 (exposure-index table, p2).
    {"kodak_t-max_400.pdf p2-4, HC-110 (B) at EI 320, small tank and tray, 65 F", 16, 9, "B", "320", "18",
     "6:15", "6:15", "5:45"},
    {"kodak_t-max_400.pdf p2-4, HC-110 (B) at EI 320, small tank and tray, 75 F", 16, 9, "B", "320", "24",
     "4:30", "4:30", "4:30"},
    // Pushed T-MAX 100 in XTOL: rolls from its own sheet, sheets in trays from J-109 table 5.
    {"kodak_t-max_100.pdf p5 and kodak_xtol.pdf p14, XTOL, EI 200, 68 F", 15, 10, "stock", "200", "20",
     "7:30", "7:30", "7:15"},
    {"kodak_t-max_100.pdf p5 and kodak_xtol.pdf p14, XTOL, EI 800, 75 F", 15, 10, "stock", "800", "24",
     "7:15", "7:15", "7:15"},
    {"kodak_xtol.pdf p14, table 5, T-MAX 100, EI 400, 70 F (sheets only)", 15, 10, "stock", "400", "21", "",
     "", "8:30"},
    {"kodak_xtol.pdf p14, table 5, TRI-X 320, EI 640, 65 F", 14, 10, "stock", "640", "18", "", "", "9:45"},
    {"kodak_xtol.pdf p14, table 5, TRI-X 320, EI 640, 1:1, 75 F", 14, 10, "1+1", "640", "24", "", "", "8:45"},
};

INSTANTIATE_TEST_SUITE_P(Hojas, TiemposFabricante, ::testing::ValuesIn(kCasos));

int Segundos(const QString& tiempo) {
    static const QRegularExpression mss(QStringLiteral("^(\\d+):(\\d\\d)"));
    const auto m = mss.match(tiempo);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}

// Kodak gives HC-110 (B) an exposure index of 320 for T-MAX 400: no row of its sheet files it at
// the nominal 400, and each one says why it is 320.
TEST(TiemposDatos, TMax400EnHc110SeExponeAEi320) {
    const TablaCsv tabla = Tiempos();
    QStringList isos;
    for (const FilaCsv& f : tabla.filas) {
        if (Campo(tabla, f, "IdPelicula") != "16" || Campo(tabla, f, "IdRevelador") != "9" ||
            Campo(tabla, f, "Dilucion") != "B")
            continue;
        const QString iso = Campo(tabla, f, "ISO");
        isos << iso + u'@' + Campo(tabla, f, "Temperatura");
        EXPECT_EQ(CodigosNotas(Campo(tabla, f, "Notas")).contains(QStringLiteral("EI-KO-HC110")),
                  iso == "320")
            << f.linea;
    }
    isos.sort();
    EXPECT_EQ(isos, QStringList({"1600@20", "1600@24", "320@18", "320@20", "320@21", "320@22", "320@24"}));
}

// One notation for dilutions, one row per combination, and the warning on every short time.
TEST(TiemposDatos, NotacionUnicaSinRepetidosYAvisoDeTiempoCorto) {
    const TablaCsv tabla = Tiempos();
    ASSERT_GE(tabla.filas.size(), 1000u);
    QSet<QString> claves;
    for (const FilaCsv& f : tabla.filas) {
        const QString donde = QStringLiteral("línea %1").arg(f.linea);
        EXPECT_FALSE(Campo(tabla, f, "Dilucion").contains(u':')) << donde.toStdString();
        const QString clave =
            QStringList{Campo(tabla, f, "IdPelicula"), Campo(tabla, f, "IdRevelador"),
                        Campo(tabla, f, "Dilucion"), Campo(tabla, f, "ISO"), Campo(tabla, f, "Temperatura")}
                .join(u'|');
        EXPECT_FALSE(claves.contains(clave)) << donde.toStdString();
        claves.insert(clave);

        int menor = -1;
        for (const char* c : {"Tiempo35", "Tiempo120", "TiempoHoja"}) {
            const int s = Segundos(Campo(tabla, f, c));
            if (s >= 0 && (menor < 0 || s < menor))
                menor = s;
        }
        EXPECT_GE(menor, 0) << donde.toStdString();
        EXPECT_EQ(CodigosNotas(Campo(tabla, f, "Notas")).contains(QStringLiteral("CORTO")), menor < 300)
            << donde.toStdString();
    }
}

} // namespace
