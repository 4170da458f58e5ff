#include "session/CifrasFabricante.h"

#include "shell/Csv.h"
#include "timer/PlanRevelado.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>

// The makers' figures against the sheets they quote (kept as text in datos/fuentes, so a clean
// clone checks them), against the reference data's spellings, and in the warnings a plan gets.

namespace {

const QString kDatos = QStringLiteral(GARVOLA_DATOS_CSV);
const QString kFuentes = QDir(kDatos).filePath(QStringLiteral("fuentes"));

QString Juntar(const QString& s) {
    return s.simplified();
}

// The lines of a kept sheet, split at line feeds only: form feeds start pages inside a line.
const QStringList& LineasHoja(const QString& hoja) {
    static QHash<QString, QStringList> cache;
    auto it = cache.find(hoja);
    if (it == cache.end()) {
        QFile f(QDir(kFuentes).filePath(hoja));
        QStringList lineas;
        if (f.open(QIODevice::ReadOnly))
            lineas = QString::fromUtf8(f.readAll()).split(u'\n');
        it = cache.insert(hoja, lineas);
    }
    return *it;
}

// Whether the quoted words show the figure: as digits standing alone ("10" in "10ml", not in
// "100"), as an English word, or a dilution in the colon form Kodak prints.
bool MuestraValor(const QString& texto, const QString& valor) {
    static const QHash<QString, QStringList> palabras{
        {QStringLiteral("1"), {QStringLiteral("one")}},
        {QStringLiteral("2"), {QStringLiteral("two")}},
        {QStringLiteral("4"), {QStringLiteral("four")}},
        {QStringLiteral("6"), {QStringLiteral("six")}},
        {QStringLiteral("litre"), {QStringLiteral("liter"), QStringLiteral("/L")}},
    };
    QStringList formas{valor, QString(valor).replace(u'+', u':')};
    formas << palabras.value(valor);
    for (const QString& forma : formas) {
        // A form starting with a letter or digit must not continue a word or number ("10" in "100").
        const QString antes = forma[0].isLetterOrNumber() ? QStringLiteral("(^|[^0-9A-Za-z.])") : QString();
        const QRegularExpression re(antes + QRegularExpression::escape(forma) +
                                        QStringLiteral("($|[^0-9.]|\\.[^0-9]|\\.$)"),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(texto).hasMatch())
            return true;
    }
    return false;
}

// What is wrong with one cited figure; empty when its quote stands on its line and shows it.
QString FalloDeCita(const QString& donde, const QString& valor, const Cita& c) {
    if (c.hoja.isEmpty() || c.linea <= 0 || Juntar(c.texto).isEmpty())
        return donde + QStringLiteral(": sin cita");
    const QStringList& lineas = LineasHoja(c.hoja);
    if (lineas.isEmpty())
        return donde + QStringLiteral(": no está la hoja ") + c.hoja;
    if (c.linea > lineas.size())
        return donde + QStringLiteral(": la hoja no tiene la línea %1").arg(c.linea);
    if (!Juntar(lineas[c.linea - 1]).contains(Juntar(c.texto)))
        return donde + QStringLiteral(": «%1» no está en %2:%3").arg(c.texto, c.hoja).arg(c.linea);
    if (!valor.isEmpty() && !MuestraValor(c.texto, valor))
        return donde + QStringLiteral(": «%1» no muestra %2").arg(c.texto, valor);
    return {};
}

QStringList FallosDeCitas(const CifrasRevelador& r) {
    QStringList fallos;
    for (const CifraCitada& f : CifrasDe(r)) {
        const QString fallo = FalloDeCita(r.revelador + u' ' + r.dilucion + u' ' + f.campo, f.valor, f.cita);
        if (!fallo.isEmpty())
            fallos << fallo;
    }
    return fallos;
}

QString Campo(const TablaCsv& t, const FilaCsv& f, const char* columna) {
    return t.Valor(f, QString::fromUtf8(columna)).value_or(QString());
}

const CifrasRevelador& Fila(const char* revelador, const char* dilucion) {
    const CifrasRevelador* c =
        BuscarCifrasRevelador(QString::fromUtf8(revelador), QString::fromUtf8(dilucion));
    if (!c)
        throw std::runtime_error(std::string("sin cifras: ") + revelador + ' ' + dilucion);
    return *c;
}

Carga Rollos(int c35, int c120, int hojas = 0) {
    return Carga{c35, c120, hojas};
}

} // namespace

TEST(CifrasFabricante, CadaCifraEstaEnLaLineaQueCita) {
    int cifras = 0;
    for (const CifrasRevelador& r : TablaCifrasRevelador()) {
        cifras += int(CifrasDe(r).size());
        EXPECT_FALSE(CifrasDe(r).empty()) << r.revelador.toStdString() << ' ' << r.dilucion.toStdString();
        for (const QString& fallo : FallosDeCitas(r))
            ADD_FAILURE() << fallo.toStdString();
    }
    EXPECT_GE(cifras, 50);
}

// The check itself: a figure without a quote, quoted from the wrong line or quoting other words
// than its number is named; a sound one is not.
TEST(CifrasFabricante, LaComprobacionNombraCadaCifraMalCitada) {
    CifrasRevelador r;
    r.revelador = QStringLiteral("Prueba");
    r.dilucion = QStringLiteral("stock");
    const Cita buena{QStringLiteral("ilford_perceptol_id-11_microphen.txt"), 410, QStringLiteral("ID-11 10")};
    const Cita litro{QStringLiteral("ilford_perceptol_id-11_microphen.txt"), 404,
                     QStringLiteral("120 roll films a litre of stock PERCEPTOL, ID-11")};
    r.capacidad = Capacidad{10, 1000, QStringLiteral("por litro"), buena, litro};
    EXPECT_TRUE(FallosDeCitas(r).isEmpty()) << FallosDeCitas(r).join(u'\n').toStdString();

    r.capacidad->cita = Cita{};
    ASSERT_EQ(FallosDeCitas(r).size(), 1);
    EXPECT_TRUE(FallosDeCitas(r)[0].contains(QStringLiteral("capacidad: sin cita")));

    r.capacidad->cita = Cita{buena.hoja, 411, buena.texto}; // the next line
    ASSERT_EQ(FallosDeCitas(r).size(), 1);
    EXPECT_TRUE(FallosDeCitas(r)[0].contains(QStringLiteral("no está en")));

    r.capacidad->cita = buena;
    r.capacidad->peliculas = 1; // "10" does not show 1
    ASSERT_EQ(FallosDeCitas(r).size(), 1);
    EXPECT_TRUE(FallosDeCitas(r)[0].contains(QStringLiteral("no muestra 1")));

    r.capacidad->peliculas = 10;
    r.vidaParcial =
        Vida{2, UnidadVida::Meses, Cita{QStringLiteral("no_existe.txt"), 1, QStringLiteral("2 months")}};
    ASSERT_EQ(FallosDeCitas(r).size(), 1);
    EXPECT_TRUE(FallosDeCitas(r)[0].contains(QStringLiteral("no está la hoja")));
    r.vidaParcial.reset();
    r.unSoloUso = Cita{};
    ASSERT_EQ(FallosDeCitas(r).size(), 1);
    EXPECT_TRUE(FallosDeCitas(r)[0].contains(QStringLiteral("unSoloUso: sin cita")));
}

TEST(CifrasFabricante, LosBanosCitanSuTiempoYSuDilucion) {
    const std::vector<BanoCitado>& banos = BanosCitados();
    ASSERT_EQ(banos.size(), 4u);
    const int etapas[] = {EtapaId::Paro, EtapaId::Fijado, EtapaId::Lavado, EtapaId::Humectante};
    for (size_t i = 0; i < banos.size(); ++i) {
        const Bano& b = banos[i].bano;
        EXPECT_EQ(b.etapa, etapas[i]);
        EXPECT_GT(b.segundos, 0);
        EXPECT_FALSE(b.omitido);
        const QString tiempo =
            b.segundos % 60 == 0 ? QString::number(b.segundos / 60) : QString::number(b.segundos);
        const QString fallo =
            FalloDeCita(b.producto + QStringLiteral(" tiempo"), tiempo, banos[i].citaTiempo);
        EXPECT_TRUE(fallo.isEmpty()) << fallo.toStdString();
        if (!b.dilucion.isEmpty()) {
            const QString f =
                FalloDeCita(b.producto + QStringLiteral(" dilución"), b.dilucion, banos[i].citaDilucion);
            EXPECT_TRUE(f.isEmpty()) << f.toStdString();
        }
        EXPECT_EQ(b.fuente, TextoFuente(banos[i].citaTiempo));
        EXPECT_TRUE(b.fuente.contains(QStringLiteral("línea %1").arg(banos[i].citaTiempo.linea)));
    }
    EXPECT_EQ(BanosPorDefecto().size(), banos.size());
    EXPECT_EQ(BanosPorDefecto()[1], banos[1].bano);
    EXPECT_EQ(banos[1].bano.dilucion, QStringLiteral("1+4"));
    EXPECT_EQ(banos[1].bano.segundos, 300);
}

// Every sheet quoted is kept in datos/fuentes and listed in its index, and every publication has
// its name in the sources the windows show.
TEST(CifrasFabricante, CadaHojaCitadaEstaGuardadaYEnElIndice) {
    QSet<QString> hojas;
    for (const CifrasRevelador& r : TablaCifrasRevelador())
        for (const CifraCitada& f : CifrasDe(r))
            hojas.insert(f.cita.hoja);
    for (const BanoCitado& b : BanosCitados()) {
        hojas.insert(b.citaTiempo.hoja);
        if (!b.citaDilucion.hoja.isEmpty())
            hojas.insert(b.citaDilucion.hoja);
    }
    const TablaCsv indice = LeerCsv(QDir(kFuentes).filePath(QStringLiteral("INDICE.csv")));
    QSet<QString> listadas;
    for (const FilaCsv& f : indice.filas)
        listadas.insert(Campo(indice, f, "Archivo"));
    for (const QString& h : hojas) {
        EXPECT_TRUE(listadas.contains(h)) << h.toStdString();
        EXPECT_FALSE(LineasHoja(h).isEmpty()) << h.toStdString();
        EXPECT_FALSE(TextoFuente(Cita{h, 1, QStringLiteral("x")}).startsWith(h)) << h.toStdString();
    }
}

// Rows name developers and dilutions as the reference data spells them, so a plan finds them.
TEST(CifrasFabricante, LosNombresSonLosDeLosDatosDeReferencia) {
    const TablaCsv reveladores = LeerCsv(QDir(kDatos).filePath(QStringLiteral("Reveladores.csv")));
    const TablaCsv tiempos = LeerCsv(QDir(kDatos).filePath(QStringLiteral("Tiempos.csv")));
    QHash<QString, QString> nombrePorId;
    for (const FilaCsv& f : reveladores.filas)
        nombrePorId.insert(Campo(reveladores, f, "IdRevelador"), Campo(reveladores, f, "Nombre"));
    QSet<QString> diluciones;
    for (const FilaCsv& f : tiempos.filas)
        diluciones.insert(nombrePorId.value(Campo(tiempos, f, "IdRevelador")) + u'|' +
                          Campo(tiempos, f, "Dilucion"));
    const QStringList nombres(nombrePorId.begin(), nombrePorId.end());
    QSet<QString> vistas;
    for (const CifrasRevelador& r : TablaCifrasRevelador()) {
        EXPECT_TRUE(nombres.contains(r.revelador)) << r.revelador.toStdString();
        if (r.dilucion != u"stock" && r.dilucion != kDilucionConcentrado) {
            EXPECT_TRUE(diluciones.contains(r.revelador + u'|' + r.dilucion))
                << r.revelador.toStdString() << ' ' << r.dilucion.toStdString();
        }
        const QString clave = r.revelador + u'|' + r.dilucion;
        EXPECT_FALSE(vistas.contains(clave)) << "dos filas para " << clave.toStdString();
        vistas.insert(clave);
    }
}

TEST(CifrasFabricante, BuscarPorNombreYDilucion) {
    const CifrasRevelador* ddx =
        BuscarCifrasRevelador(QStringLiteral("  ilford ilfotec dd-x "), QStringLiteral("1:4"));
    ASSERT_NE(ddx, nullptr);
    EXPECT_EQ(ddx->dilucion, QStringLiteral("1+4"));
    EXPECT_EQ(BuscarCifrasRevelador(QStringLiteral("Ilford Ilfotec DD-X"), QStringLiteral("1 + 4")), ddx);
    EXPECT_NE(BuscarCifrasRevelador(QStringLiteral("Ilford ID-11"), QStringLiteral("STOCK")), nullptr);
    // No sheet kept states anything of Ilfotec HC or of Rodinal: nothing is guessed.
    EXPECT_EQ(BuscarCifrasRevelador(QStringLiteral("Ilford Ilfotec HC"), QStringLiteral("1+31")), nullptr);
    EXPECT_EQ(BuscarCifrasRevelador(QStringLiteral("Rodinal"), QStringLiteral("1+50")), nullptr);
    EXPECT_EQ(BuscarCifrasRevelador(QStringLiteral("Ilford Ilfotec DD-X"), QStringLiteral("1+9")), nullptr);
    EXPECT_EQ(BuscarCifrasRevelador(QString(), QString()), nullptr);
    EXPECT_TRUE(MismaDilucion(QStringLiteral("Concentrado"), kDilucionConcentrado));
    EXPECT_FALSE(MismaDilucion(QStringLiteral("1+1"), QStringLiteral("1+14")));
}

TEST(CifrasFabricante, ContarPeliculas) {
    const CifrasRevelador& xtol = Fila("Kodak XTOL", "stock");
    const CifrasRevelador& ddx = Fila("Ilford Ilfotec DD-X", "1+4");
    EXPECT_DOUBLE_EQ(ContarPeliculas(Rollos(1, 2), &ddx).peliculas, 3);
    EXPECT_FALSE(ContarPeliculas(Rollos(1, 2), &ddx).hojasSinContar);
    // Four 4x5 sheets make a reel where Kodak says so; nobody else says it.
    EXPECT_DOUBLE_EQ(ContarPeliculas(Rollos(0, 1, 6), &xtol).peliculas, 2.5);
    EXPECT_FALSE(ContarPeliculas(Rollos(0, 1, 6), &xtol).hojasSinContar);
    EXPECT_DOUBLE_EQ(ContarPeliculas(Rollos(0, 1, 6), &ddx).peliculas, 1);
    EXPECT_TRUE(ContarPeliculas(Rollos(0, 1, 6), &ddx).hojasSinContar);
    EXPECT_TRUE(ContarPeliculas(Rollos(0, 0, 1), nullptr).hojasSinContar);
    EXPECT_DOUBLE_EQ(ContarPeliculas(Rollos(-2, 1), nullptr).peliculas, 1); // a bad count adds nothing
}

TEST(CifrasFabricante, Vidas) {
    const QDate enero31(2027, 1, 31);
    EXPECT_EQ(FinDeVida(enero31, Vida{24, UnidadVida::Horas, {}}), QDate(2027, 2, 1));
    EXPECT_EQ(FinDeVida(enero31, Vida{12, UnidadVida::Horas, {}}), QDate(2027, 2, 1));
    EXPECT_EQ(FinDeVida(enero31, Vida{1, UnidadVida::Meses, {}}), QDate(2027, 2, 28));
    EXPECT_EQ(FinDeVida(enero31, Vida{2, UnidadVida::Semanas, {}}), QDate(2027, 2, 14));
    EXPECT_EQ(FinDeVida(QDate(2028, 2, 29), Vida{2, UnidadVida::Anios, {}}), QDate(2030, 2, 28));
    EXPECT_EQ(TextoVida(Vida{1, UnidadVida::Meses, {}}), QStringLiteral("1 mes"));
    EXPECT_EQ(TextoVida(Vida{24, UnidadVida::Horas, {}}), QStringLiteral("24 horas"));
    EXPECT_EQ(TextoVida(Vida{2, UnidadVida::Anios, {}}), QStringLiteral("2 años"));
}

struct CasoAviso {
    const char* revelador;
    const char* dilucion;
    Carga carga;
    double mlConcentrado;
    int mlTrabajo;
    std::vector<const char*> avisos; // words each warning must hold, in order; none when empty
};

void PrintTo(const CasoAviso& c, std::ostream* os) {
    *os << c.revelador << ' ' << c.dilucion << ' ' << c.mlConcentrado << " ml";
}

class AvisosPlan : public ::testing::TestWithParam<CasoAviso> {};

TEST_P(AvisosPlan, SegunLasCifras) {
    const CasoAviso& c = GetParam();
    const QStringList avisos =
        AvisosConcentrado(Fila(c.revelador, c.dilucion), c.carga, c.mlConcentrado, c.mlTrabajo);
    ASSERT_EQ(avisos.size(), qsizetype(c.avisos.size())) << avisos.join(u'\n').toStdString();
    for (size_t i = 0; i < c.avisos.size(); ++i) {
        EXPECT_TRUE(avisos[i].startsWith(QString::fromUtf8(c.revelador) + u' ' +
                                         QString::fromUtf8(c.dilucion) + u':'))
            << avisos[i].toStdString();
        EXPECT_TRUE(avisos[i].contains(QString::fromUtf8(c.avisos[i]))) << avisos[i].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cifras, AvisosPlan,
    ::testing::Values(
        // Kodak: at least 100 ml of stock per reel when diluted.
        CasoAviso{"Kodak XTOL",
                  "1+1",
                  Rollos(0, 2),
                  150,
                  300,
                  {"mínimo 100 ml de revelador sin diluir por carrete (135-36 o 120) u 80 pulgadas "
                   "cuadradas; para 2 "
                   "carretes hacen falta 200 ml y la mezcla lleva 150 ml."}},
        CasoAviso{"Kodak XTOL", "1+1", Rollos(0, 2), 200, 400, {}},
        CasoAviso{"Kodak XTOL", "1+2", Rollos(1, 0, 4), 150, 450, {"para 2 carretes hacen falta 200 ml"}},
        CasoAviso{"Kodak XTOL", "1+1", Rollos(0, 0), 0, 0, {}},
        // DD-X: no less than 10 ml measured, and 16 reels a litre of concentrate one-shot.
        CasoAviso{
            "Ilford Ilfotec DD-X",
            "1+4",
            Rollos(0, 0),
            8,
            40,
            {"mínimo 10 ml de concentrado por mezcla (menos no se mide con precisión con probeta); la mezcla "
             "lleva 8 ml."}},
        CasoAviso{
            "Ilford Ilfotec DD-X",
            "1+4",
            Rollos(3, 0),
            150,
            750,
            {"el fabricante da 16 carretes por litro de concentrado diluido 1+4 para un solo uso; 150 ml de "
             "concentrado alcanzan para 2.4 carretes y la carga es de 3 carretes."}},
        CasoAviso{"Ilford Ilfotec DD-X", "1+4", Rollos(0, 2), 125, 625, {}},
        // One package of 250 ml develops 12 reels.
        CasoAviso{"Foma Fomadon LQN", "1+10", Rollos(0, 2), 30, 330, {"alcanzan para 1.4 carretes"}},
        CasoAviso{"Foma Fomadon LQR", "1+10", Rollos(0, 2), 42, 462, {}},
        // Reused stock: ten reels a litre.
        CasoAviso{"Ilford ID-11", "stock", Rollos(3, 0), 250, 250, {"250 ml alcanzan para 2.5 carretes"}},
        CasoAviso{"Ilford ID-11", "stock", Rollos(2, 0), 250, 250, {}},
        // Sheets that no sheet counts are said, not guessed.
        CasoAviso{"Ilford Ilfotec DD-X", "1+4", Rollos(0, 1, 4), 100, 500, {"no se cuentan"}},
        CasoAviso{"Ilford ID-11", "1+1", Rollos(0, 1, 4), 100, 500, {}}));

TEST(CifrasFabricante, TextoMinimo) {
    EXPECT_EQ(TextoMinimo(Fila("Ilford Ilfotec DD-X", "1+4")),
              QStringLiteral(
                  "Ilford Ilfotec DD-X 1+4: mínimo 10 ml de concentrado por mezcla (menos no se mide con "
                  "precisión con probeta)."));
    EXPECT_TRUE(TextoMinimo(Fila("Kodak XTOL", "1+1")).contains(QStringLiteral("mínimo 100 ml")));
    EXPECT_TRUE(TextoMinimo(Fila("Ilford ID-11", "stock")).isEmpty());
}
