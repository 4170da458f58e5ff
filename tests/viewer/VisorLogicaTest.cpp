#include "viewer/ArbolCarpetas.h"
#include "viewer/CacheMiniaturas.h"
#include "viewer/DecodificadorImagenes.h"
#include "viewer/Tira.h"

#include "shell/EntradasCarpeta.h"
#include "soporte/EnlacesPrueba.h"
#include "soporte/ImagenesPrueba.h"
#include "soporte/NombresCrudos.h"

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

QStringList Nombres(const std::vector<NodoCarpeta>& nodos) {
    QStringList r;
    for (const NodoCarpeta& h : nodos)
        r << h.nombre;
    return r;
}

const NodoCarpeta* Hijo(const std::vector<NodoCarpeta>& nodos, const QString& nombre) {
    for (const NodoCarpeta& h : nodos)
        if (h.nombre == nombre)
            return &h;
    return nullptr;
}

// Everything a user reaches by opening every folder that shows an expander: the folders entered.
int AbrirTodo(ArbolCarpetas& arbol, int* listados = nullptr) {
    std::vector<NodoCarpeta> pendientes{arbol.Raiz()};
    int entradas = 0;
    while (!pendientes.empty()) {
        const NodoCarpeta n = pendientes.back();
        pendientes.pop_back();
        ++entradas;
        for (const NodoCarpeta& h : arbol.Subcarpetas(n)) {
            if (listados)
                ++*listados;
            if (h.conSubcarpetas)
                pendientes.push_back(h);
        }
    }
    return entradas;
}

} // namespace

TEST(ArbolCarpetasTest, CadaCarpetaSeLeeAlAbrirlaEnOrdenConSusRutas) {
    QTemporaryDir dir;
    for (const char* c : {"imag/films/discont", "imag/devs", "Datasheets", ".oculta", "otrosdoc"})
        CrearCarpeta(dir, c);
    CrearArchivo(dir, "imag/films/foto.jpg");
    ArbolCarpetas arbol(dir.path());
    EXPECT_EQ(arbol.Raiz().nombre, QDir::toNativeSeparators(dir.path()));
    EXPECT_EQ(arbol.Raiz().ruta, Sep(dir.path()));
    const auto raiz = arbol.Subcarpetas(arbol.Raiz());
    EXPECT_EQ(Nombres(raiz), QStringList({".oculta", "Datasheets", "imag", "otrosdoc"}));
    // Only what holds folders shows an expander; nothing under imag is read yet.
    EXPECT_EQ(arbol.Carpetas(), 5);
    EXPECT_TRUE(Hijo(raiz, "imag")->conSubcarpetas);
    EXPECT_FALSE(Hijo(raiz, "otrosdoc")->conSubcarpetas);
    const auto imag = arbol.Subcarpetas(*Hijo(raiz, "imag"));
    EXPECT_EQ(Nombres(imag), QStringList({"devs", "films"}));
    EXPECT_TRUE(Hijo(imag, "films")->conSubcarpetas); // a file beside a folder
    EXPECT_FALSE(Hijo(imag, "devs")->conSubcarpetas);
    const auto films = arbol.Subcarpetas(*Hijo(imag, "films"));
    ASSERT_EQ(films.size(), 1u);
    EXPECT_EQ(films[0].ruta, Sep(dir.filePath("imag/films/discont")));
    // Asked again, the same answer: the folders stay theirs.
    EXPECT_EQ(Nombres(arbol.Subcarpetas(*Hijo(raiz, "imag"))), Nombres(imag));
    EXPECT_TRUE(arbol.Subcarpetas(*Hijo(imag, "films")).front().ruta == films[0].ruta);
}

TEST(ArbolCarpetasTest, Como201SubcarpetasPorCarpeta) {
    QTemporaryDir dir;
    for (int i = 0; i < 205; ++i)
        CrearCarpeta(dir, QStringLiteral("c%1/x").arg(i, 3, 10, QChar(u'0')));
    ArbolCarpetas arbol(dir.path());
    const auto raiz = arbol.Subcarpetas(arbol.Raiz());
    ASSERT_EQ(raiz.size(), size_t(kMaxSubcarpetas));
    EXPECT_EQ(raiz.front().nombre, "c000");
    EXPECT_EQ(raiz.back().nombre, "c200");
    EXPECT_EQ(arbol.Subcarpetas(raiz.back()).size(), 1u);
}

TEST(ArbolCarpetasTest, CadaCarpetaRealSeEntraDesdeUnSoloSitio) {
    QTemporaryDir dir, fuera;
    CrearCarpeta(dir, "imag/films");
    CrearCarpeta(dir, "otrosdoc/planos");
    CrearCarpeta(fuera, "lejos/mas");
    // Back to the root, to the folder itself, sideways to a folder the tree lists, out of the tree,
    // twice to the same outside folder, and nowhere.
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("imag/films/arriba")));
    ASSERT_TRUE(QFile::link(dir.filePath("imag/films"), dir.filePath("imag/films/yo")));
    ASSERT_TRUE(QFile::link(dir.filePath("otrosdoc"), dir.filePath("imag/docs")));
    ASSERT_TRUE(QFile::link(fuera.filePath("lejos"), dir.filePath("imag/a_fuera")));
    ASSERT_TRUE(QFile::link(fuera.filePath("lejos"), dir.filePath("imag/b_fuera")));
    ASSERT_TRUE(QFile::link(dir.filePath("no_existe"), dir.filePath("imag/roto")));
    ArbolCarpetas arbol(dir.path());
    const auto raiz = arbol.Subcarpetas(arbol.Raiz());
    const auto imag = arbol.Subcarpetas(*Hijo(raiz, "imag"));
    EXPECT_EQ(Nombres(imag), QStringList({"a_fuera", "b_fuera", "docs", "films"}));
    // otrosdoc was listed first, at the root: its link is shown, not entered.
    EXPECT_FALSE(Hijo(imag, "docs")->conSubcarpetas);
    EXPECT_TRUE(arbol.Subcarpetas(*Hijo(imag, "docs")).empty());
    EXPECT_TRUE(Hijo(imag, "a_fuera")->conSubcarpetas);
    EXPECT_FALSE(Hijo(imag, "b_fuera")->conSubcarpetas);
    EXPECT_EQ(arbol.Subcarpetas(*Hijo(imag, "a_fuera")).front().ruta, Sep(dir.filePath("imag/a_fuera/mas")));
    const auto films = arbol.Subcarpetas(*Hijo(imag, "films"));
    EXPECT_EQ(Nombres(films), QStringList({"arriba", "yo"}));
    for (const NodoCarpeta& h : films)
        EXPECT_FALSE(h.conSubcarpetas) << h.nombre.toStdString();
    // Entered, each once: the root, imag, otrosdoc, a_fuera and films.
    ArbolCarpetas otro(dir.path());
    EXPECT_EQ(AbrirTodo(otro), 5);
}

TEST(ArbolCarpetasTest, OchoHermanasEnlazadasEntreSiSeLeenUnaVezCadaUna) {
    QTemporaryDir dir;
    ASSERT_TRUE(CrearHermanasEnlazadas(dir.path()));
    ArbolCarpetas arbol(dir.path());
    int listados = 0;
    // Every path through the links would be 8! of them; each real folder is read once.
    EXPECT_EQ(AbrirTodo(arbol, &listados), 9);
    EXPECT_EQ(listados, 8 + 8 * 7);
    EXPECT_EQ(arbol.Carpetas(), 9);
}

TEST(ArbolCarpetasTest, UnEnlaceALaRaizDelDiscoSeAbrePasoAPaso) {
    QTemporaryDir dir;
    CrearCarpeta(dir, "imag");
    ASSERT_TRUE(QFile::link(QStringLiteral("/"), dir.filePath("imag/x")));
    ArbolCarpetas arbol(dir.path());
    const auto imag = arbol.Subcarpetas(arbol.Subcarpetas(arbol.Raiz()).front());
    ASSERT_EQ(Nombres(imag), QStringList({"x"}));
    EXPECT_TRUE(imag[0].conSubcarpetas);
    // Down from "/" to the program folder itself: listed there, entered only as the root.
    NodoCarpeta nodo = imag[0];
    const QStringList partes = QFileInfo(dir.path()).canonicalFilePath().split(u'/', Qt::SkipEmptyParts);
    for (const QString& parte : partes) {
        ASSERT_TRUE(nodo.conSubcarpetas) << nodo.ruta.toStdString();
        const auto hijos = arbol.Subcarpetas(nodo);
        const NodoCarpeta* siguiente = Hijo(hijos, parte);
        ASSERT_NE(siguiente, nullptr) << parte.toStdString();
        nodo = *siguiente;
    }
    EXPECT_EQ(nodo.ruta, Sep(dir.filePath("imag/x") + QFileInfo(dir.path()).canonicalFilePath()));
    EXPECT_FALSE(nodo.conSubcarpetas);
    EXPECT_TRUE(arbol.Subcarpetas(nodo).empty());
    EXPECT_LE(arbol.Carpetas(), kMaxCarpetasArbol);
}

TEST(ArbolCarpetasTest, NombresQueNoSonUtf8SeVenYSeAbrenPorSusBytes) {
    QTemporaryDir dir;
    const BorradoCrudo borrado(dir.path());
    const QByteArray base = QFile::encodeName(dir.path());
    ASSERT_TRUE(CrearCarpetaCruda(base + "/carp\xe9"));
    ASSERT_TRUE(CrearCarpetaCruda(base + "/carp\xe9/dentro"));
    ASSERT_TRUE(GuardarImagenCruda(ImagenLisa(40, 30, Qt::blue), base + "/carp\xe9/foto_\xe9.png", "PNG"));
    ArbolCarpetas arbol(dir.path());
    const auto raiz = arbol.Subcarpetas(arbol.Raiz());
    ASSERT_EQ(raiz.size(), 1u);
    EXPECT_EQ(raiz[0].nombre, QStringLiteral("carp\uFFFD"));
    EXPECT_EQ(BytesDeRuta(raiz[0].ruta), base + "/carp\xe9/");
    EXPECT_TRUE(raiz[0].conSubcarpetas);
    EXPECT_EQ(Nombres(arbol.Subcarpetas(raiz[0])), QStringList({"dentro"}));

    const QStringList fotos = ListarImagenes(raiz[0].ruta);
    ASSERT_EQ(fotos.size(), 1);
    EXPECT_EQ(BytesDeRuta(fotos[0]), base + "/carp\xe9/foto_\xe9.png");
    const QImage reducida = CargarReducida(fotos[0], QSize(20, 20));
    ASSERT_FALSE(reducida.isNull());
    EXPECT_EQ(reducida.size(), QSize(20, 15));
    EXPECT_EQ(reducida.pixelColor(10, 7), QColor(Qt::blue));
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
