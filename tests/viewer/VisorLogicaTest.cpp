#include "viewer/ArbolCarpetas.h"
#include "viewer/CacheMiniaturas.h"
#include "viewer/DecodificadorImagenes.h"
#include "viewer/Tira.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Sep(const QString& ruta) {
    return QDir::toNativeSeparators(ruta) + QDir::separator();
}

void CrearCarpeta(const QTemporaryDir& dir, const QString& relativo) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath(relativo)));
}

void CrearArchivo(const QTemporaryDir& dir, const QString& relativo) {
    QFile f(dir.filePath(relativo));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

QStringList Nombres(const NodoCarpeta& n) {
    QStringList r;
    for (const NodoCarpeta& h : n.hijos)
        r << h.nombre;
    return r;
}

const NodoCarpeta* Hijo(const NodoCarpeta& n, const QString& nombre) {
    for (const NodoCarpeta& h : n.hijos)
        if (h.nombre == nombre)
            return &h;
    return nullptr;
}

} // namespace

TEST(ArbolCarpetasTest, TodasLasCarpetasEnOrdenConSusRutas) {
    QTemporaryDir dir;
    for (const char* c : {"imag/films/discont", "imag/devs", "Datasheets", ".oculta", "otrosdoc"})
        CrearCarpeta(dir, c);
    CrearArchivo(dir, "imag/films/foto.jpg");
    const NodoCarpeta raiz = ConstruirArbolCarpetas(dir.path());
    EXPECT_EQ(raiz.nombre, QDir::toNativeSeparators(dir.path()));
    EXPECT_EQ(raiz.ruta, Sep(dir.path()));
    EXPECT_EQ(Nombres(raiz), QStringList({".oculta", "Datasheets", "imag", "otrosdoc"}));
    const NodoCarpeta* imag = Hijo(raiz, "imag");
    ASSERT_NE(imag, nullptr);
    EXPECT_EQ(Nombres(*imag), QStringList({"devs", "films"}));
    const NodoCarpeta* films = Hijo(*imag, "films");
    ASSERT_NE(films, nullptr);
    ASSERT_EQ(films->hijos.size(), 1u);
    EXPECT_EQ(films->hijos[0].ruta, Sep(dir.filePath("imag/films/discont")));
    EXPECT_EQ(ContarCarpetas(raiz), 8);
}

TEST(ArbolCarpetasTest, Como201SubcarpetasPorCarpeta) {
    QTemporaryDir dir;
    for (int i = 0; i < 205; ++i)
        CrearCarpeta(dir, QStringLiteral("c%1/x").arg(i, 3, 10, QChar(u'0')));
    const NodoCarpeta raiz = ConstruirArbolCarpetas(dir.path());
    ASSERT_EQ(raiz.hijos.size(), size_t(kMaxSubcarpetas));
    EXPECT_EQ(raiz.hijos.front().nombre, "c000");
    EXPECT_EQ(raiz.hijos.back().nombre, "c200");
    EXPECT_EQ(raiz.hijos.back().hijos.size(), 1u);
}

TEST(ArbolCarpetasTest, UnEnlaceQueVuelveArribaNoSeRecorre) {
    QTemporaryDir dir;
    CrearCarpeta(dir, "imag/films");
    CrearCarpeta(dir, "otrosdoc/planos");
    // A loop back to the root, one to the folder itself, one sideways, and a broken one.
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("imag/films/arriba")));
    ASSERT_TRUE(QFile::link(dir.filePath("imag/films"), dir.filePath("imag/films/yo")));
    ASSERT_TRUE(QFile::link(dir.filePath("otrosdoc"), dir.filePath("imag/docs")));
    ASSERT_TRUE(QFile::link(dir.filePath("no_existe"), dir.filePath("imag/roto")));
    const NodoCarpeta raiz = ConstruirArbolCarpetas(dir.path());
    const NodoCarpeta* imag = Hijo(raiz, "imag");
    ASSERT_NE(imag, nullptr);
    EXPECT_EQ(Nombres(*imag), QStringList({"docs", "films"}));
    // Followed: it leads nowhere above itself.
    const NodoCarpeta* docs = Hijo(*imag, "docs");
    ASSERT_NE(docs, nullptr);
    EXPECT_EQ(Nombres(*docs), QStringList({"planos"}));
    EXPECT_EQ(docs->hijos[0].ruta, Sep(dir.filePath("imag/docs/planos")));
    // Listed, not entered.
    const NodoCarpeta* films = Hijo(*imag, "films");
    ASSERT_NE(films, nullptr);
    EXPECT_EQ(Nombres(*films), QStringList({"arriba", "yo"}));
    for (const NodoCarpeta& h : films->hijos)
        EXPECT_TRUE(h.hijos.empty()) << h.nombre.toStdString();
    EXPECT_EQ(ContarCarpetas(raiz), 9);
}

TEST(ListarImagenesTest, TiposEnOrdenCadaUnoPorNombreYComoMucho501) {
    QTemporaryDir dir;
    for (const char* n : {"b.webp", "z.JPG", "a.jpg", "c.PNG", "d.jpeg", "e.bmp", "f.gif", "g.txt", "jpg"})
        CrearArchivo(dir, n);
    CrearCarpeta(dir, "carpeta.jpg");
    const QString base = Sep(dir.path());
    EXPECT_EQ(ListarImagenes(base), QStringList({base + "a.jpg", base + "z.JPG", base + "d.jpeg",
                                                 base + "c.PNG", base + "e.bmp", base + "b.webp"}));

    QTemporaryDir muchas;
    for (int i = 0; i < 510; ++i)
        CrearArchivo(muchas, QStringLiteral("%1.png").arg(i, 3, 10, QChar(u'0')));
    CrearArchivo(muchas, "ultima.jpg");
    const QStringList lista = ListarImagenes(muchas.path());
    ASSERT_EQ(lista.size(), kMaxImagenes);
    // The .jpg comes first: its type is listed before .png.
    EXPECT_TRUE(lista.front().endsWith("ultima.jpg"));
    EXPECT_TRUE(lista.back().endsWith("499.png"));
}

TEST(TiraTest, ImagenEnSuCajaConBordesSoloDondeQuedaHueco) {
    const QRect caja = CajaRanura(2, 1200);
    EXPECT_EQ(caja, QRect(2 * kPasoRanura + 60, 90, kAnchoCaja, kAltoCaja));
    // Wide picture: full width, centred vertically: lines above and below only.
    const QRect ancha = SituarEnCaja(caja, 2000, 1000);
    EXPECT_EQ(ancha, QRect(caja.x(), caja.y() + 170, 1360, 680));
    EXPECT_EQ(BordesHueco(caja, ancha),
              (std::vector<QLine>{QLine(caja.x(), caja.y() + 170, caja.x() + 1360, caja.y() + 170),
                                  QLine(caja.x(), caja.y() + 850, caja.x() + 1360, caja.y() + 850)}));
    // Small and tall: enlarged to the full height; lines left and right.
    const QRect alta = SituarEnCaja(caja, 30, 60);
    EXPECT_EQ(alta.height(), kAltoCaja);
    EXPECT_EQ(alta.width(), 510);
    const auto lados = BordesHueco(caja, alta);
    ASSERT_EQ(lados.size(), 2u);
    EXPECT_EQ(lados[0].x1(), alta.x());
    EXPECT_EQ(lados[1].x1(), alta.x() + alta.width());
    // Same proportions as the box: no line.
    EXPECT_TRUE(BordesHueco(caja, SituarEnCaja(caja, 136, 102)).empty());
    EXPECT_TRUE(SituarEnCaja(caja, 0, 50).isEmpty());
}

TEST(ReglaClicsTest, MismoIndiceAntesDe500msAbre) {
    ReglaClics r;
    using A = ReglaClics::Accion;
    EXPECT_EQ(r.Clic(3, 1000), A::Seleccionar);
    EXPECT_EQ(r.Clic(3, 1499), A::Abrir);
    EXPECT_EQ(r.Clic(3, 1998), A::Abrir); // measured from the last click
    EXPECT_EQ(r.Clic(3, 2498), A::Seleccionar);
    EXPECT_EQ(r.Clic(4, 2500), A::Seleccionar);
    EXPECT_EQ(r.Clic(3, 2600), A::Seleccionar);
    r.Olvidar();
    EXPECT_EQ(r.Clic(3, 2700), A::Seleccionar);
    // A clock far along (past 2^32 ms) or going backwards never opens by mistake.
    EXPECT_EQ(r.Clic(3, 5'000'000'000), A::Seleccionar);
    EXPECT_EQ(r.Clic(3, 5'000'000'100), A::Abrir);
    EXPECT_EQ(r.Clic(3, 4'000'000'000), A::Seleccionar);
    // The first click of all is no double click, even at time 0.
    ReglaClics nueva;
    EXPECT_EQ(nueva.Clic(0, 0), A::Seleccionar);
}

TEST(CacheMiniaturasTest, DoceRanurasEnRotacion) {
    CacheMiniaturas c;
    const QImage roja(91, 61, QImage::Format_RGB32);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(c.Reservar(QString::number(i)), "");
    EXPECT_TRUE(c.Guardar("0", roja));
    EXPECT_FALSE(c.Guardar("0", roja)); // already there
    EXPECT_FALSE(c.Guardar("x", roja)); // never asked
    ASSERT_NE(c.Buscar("0"), nullptr);
    EXPECT_TRUE(c.Buscar("0")->lista);
    EXPECT_FALSE(c.Buscar("1")->lista);
    EXPECT_GE(c.Bytes(), roja.sizeInBytes());
    // The thirteenth takes slot 0 (ready: nothing to forget), the fourteenth slot 1 (still waiting).
    EXPECT_EQ(c.Reservar("12"), "");
    EXPECT_EQ(c.Buscar("0"), nullptr);
    EXPECT_EQ(c.Reservar("13"), "1");
    EXPECT_EQ(c.Buscar("1"), nullptr);
    EXPECT_FALSE(c.Guardar("1", roja));
    c.Vaciar();
    EXPECT_EQ(c.Buscar("12"), nullptr);
    EXPECT_EQ(c.Ranuras(), 12);
    c.AsegurarRanuras(15);
    EXPECT_EQ(c.Ranuras(), 15);
}

TEST(DecodificadorTest, EntregaReducidoYDescartaLoPedidoAntes) {
    QTemporaryDir dir;
    QImage foto(1200, 800, QImage::Format_RGB32);
    foto.fill(Qt::blue);
    ASSERT_TRUE(foto.save(dir.filePath("a.jpg")));
    ASSERT_TRUE(foto.save(dir.filePath("b.png")));
    DecodificadorImagenes d;
    std::vector<std::pair<QString, QSize>> llegadas;
    QObject::connect(&d, &DecodificadorImagenes::Decodificada,
                     [&](DecodificadorImagenes::Clase, const QString& ruta, const QSize&, const QImage& img) {
                         llegadas.emplace_back(QFileInfo(ruta).fileName(), img.size());
                     });
    const QSize caja(91, 68);
    d.Pedir(DecodificadorImagenes::Clase::Miniatura, dir.filePath("a.jpg"), caja);
    d.Pedir(DecodificadorImagenes::Clase::Miniatura, dir.filePath("a.jpg"), caja); // once
    d.Pedir(DecodificadorImagenes::Clase::Miniatura, dir.filePath("falta.jpg"), caja);
    d.Esperar();
    std::sort(llegadas.begin(), llegadas.end(), [](auto& a, auto& b) { return a.first < b.first; });
    ASSERT_EQ(llegadas.size(), 2u);
    EXPECT_EQ(llegadas[0], std::make_pair(QString("a.jpg"), QSize(91, 61)));
    EXPECT_EQ(llegadas[1].first, "falta.jpg");
    EXPECT_TRUE(llegadas[1].second.isEmpty());

    llegadas.clear();
    d.Pedir(DecodificadorImagenes::Clase::Vista, dir.filePath("b.png"), caja);
    d.Olvidar(DecodificadorImagenes::Clase::Vista, dir.filePath("b.png"), caja);
    d.Pedir(DecodificadorImagenes::Clase::Miniatura, dir.filePath("b.png"), caja);
    d.Descartar();
    EXPECT_FALSE(d.Pendiente());
    d.Esperar();
    QCoreApplication::processEvents();
    EXPECT_TRUE(llegadas.empty());
}
