#include "shell/Imagenes.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/ImagenesPrueba.h"
#include "soporte/NombresCrudos.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

QByteArray Codificar(const QImage& img, const char* formato) {
    QByteArray datos;
    QBuffer buffer(&datos);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, formato, 95);
    return datos;
}

// A JPEG whose EXIF orientation (6) says it is to be turned a quarter: upright it is alto x ancho.
QByteArray JpegGirado(int ancho, int alto) {
    QByteArray datos = Codificar(ImagenLisa(ancho, alto, Qt::darkCyan), "JPG");
    const unsigned char exif[] = {0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0,    0,    'I', 'I',
                                  42,   0,    8, 0,  0,   0,   1,   0,   0x12, 0x01, 3,   0,
                                  1,    0,    0, 0,  6,   0,   0,   0,   0,    0,    0,   0};
    datos.insert(2, reinterpret_cast<const char*>(exif), sizeof exif);
    return datos;
}

// A real JPEG whose frame header is rewritten to announce alto x ancho pixels.
QByteArray JpegQueAnuncia(int ancho, int alto) {
    QByteArray datos = Codificar(ImagenLisa(16, 16, Qt::gray), "JPG");
    const qsizetype sof = datos.indexOf("\xFF\xC0");
    EXPECT_GT(sof, 0);
    datos[sof + 5] = char(alto >> 8);
    datos[sof + 6] = char(alto & 0xFF);
    datos[sof + 7] = char(ancho >> 8);
    datos[sof + 8] = char(ancho & 0xFF);
    return datos;
}

bool Parecido(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 &&
           std::abs(a.blue() - b.blue()) < 8;
}

class ImagenesTest : public ::testing::Test {
protected:
    QString Ruta(const QString& relativo) const { return carpeta_.Archivo(relativo); }
    QString Escribir(const QString& relativo, const QByteArray& datos) const {
        carpeta_.Escribir(relativo, datos);
        return Ruta(relativo);
    }
    CarpetaPruebas carpeta_{false};
};

} // namespace

TEST_F(ImagenesTest, BuscarImagenPrefiereJpgAWebp) {
    Escribir("imag/films/Ilford HP5.jpg", Codificar(ImagenLisa(4, 4, Qt::red), "JPG"));
    Escribir("imag/films/Ilford HP5.webp", "x");
    Escribir("imag/films/discont/Agfa APX.webp", "x");
    EXPECT_EQ(BuscarImagen("Ilford HP5", "films"), Ruta("imag/films/Ilford HP5.jpg"));
    EXPECT_EQ(BuscarImagen("Agfa APX", "films\\discont"), Ruta("imag/films/discont/Agfa APX.webp"));
    EXPECT_EQ(BuscarImagen("Agfa APX", "films"), "");
    EXPECT_EQ(BuscarImagen("", "films"), "");
}

// Pictures copied from a camera or from Windows keep their upper-case extensions.
TEST_F(ImagenesTest, BuscarImagenSinDistinguirMayusculasEnLaExtension) {
    Escribir("imag/films/Camara.JPG", "x");
    Escribir("imag/films/Mezcla.Webp", "x");
    Escribir("imag/films/Ambas.WEBP", "x");
    Escribir("imag/films/Ambas.Jpg", "x");
    Escribir("imag/devs/Doble.JPG", "x");
    Escribir("imag/devs/Doble.jpg", "x");
    EXPECT_EQ(BuscarImagen("Camara", "films"), Ruta("imag/films/Camara.JPG"));
    EXPECT_EQ(BuscarImagen("Mezcla", "films"), Ruta("imag/films/Mezcla.Webp"));
    EXPECT_EQ(BuscarImagen("Ambas", "films"), Ruta("imag/films/Ambas.Jpg"));
    EXPECT_EQ(BuscarImagen("Doble", "devs"), Ruta("imag/devs/Doble.jpg"));
    // Only the extension is compared without regard to case.
    EXPECT_EQ(BuscarImagen("camara", "films"), "");
    EXPECT_EQ(BuscarImagen("Camara", "devs"), "");
}

TEST_F(ImagenesTest, GemelaWebP) {
    EXPECT_EQ(RutaGemelaWebP("/a/b.JPG"), "/a/b.webp");
    EXPECT_EQ(RutaGemelaWebP("/a/b.WebP"), "/a/b.WebP");
    EXPECT_EQ(RutaGemelaWebP("/a/b.tar.gz"), "/a/b.tar.webp");
    EXPECT_EQ(RutaGemelaWebP("/a.d/b"), "/a.webp");
    EXPECT_EQ(RutaGemelaWebP("/a/b"), "");
}

TEST_F(ImagenesTest, CargarImagenConLectoresDeQtYWebP) {
    const QImage origen = ImagenLisa(30, 20, QColor(200, 40, 10));
    const QString gif = Ruta("a.gif");
    ASSERT_TRUE(GuardarGif(origen, gif));
    EXPECT_TRUE(Parecido(CargarImagen(gif).pixelColor(0, 0), QColor(200, 40, 10)));
    for (const char* formato : {"PNG", "BMP", "JPG"}) {
        const QImage img =
            CargarImagen(Escribir(u"a." + QString::fromLatin1(formato), Codificar(origen, formato)));
        ASSERT_EQ(img.size(), QSize(30, 20)) << formato;
        EXPECT_TRUE(Parecido(img.pixelColor(15, 10), QColor(200, 40, 10))) << formato;
    }
    ASSERT_TRUE(GuardarWebP(origen, Ruta("real.webp")));
    const QImage webp = CargarImagen(Ruta("real.webp"));
    ASSERT_EQ(webp.size(), QSize(30, 20));
    EXPECT_EQ(webp.pixelColor(29, 0), QColor(200, 40, 10));
}

TEST_F(ImagenesTest, JpgCorruptoConGemelaWebPCargaLaWebP) {
    QImage origen = ImagenLisa(12, 8, Qt::blue);
    origen.setPixelColor(0, 0, Qt::yellow);
    Escribir("f/pelicula.jpg", "esto no es una imagen");
    ASSERT_TRUE(GuardarWebP(origen, Ruta("f/pelicula.webp")));
    const QImage img = CargarImagen(Ruta("f/pelicula.jpg"));
    ASSERT_EQ(img.size(), QSize(12, 8));
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(img.pixelColor(11, 7), QColor(Qt::blue));

    Escribir("f/sola.jpg", "corrupta sin gemela");
    EXPECT_TRUE(CargarImagen(Ruta("f/sola.jpg")).isNull());
    EXPECT_TRUE(CargarImagen(Ruta("f/no_existe.jpg")).isNull());
    EXPECT_TRUE(CargarImagen("").isNull());
    Escribir("f/mala.webp", "tampoco");
    EXPECT_TRUE(CargarImagen(Ruta("f/mala.webp")).isNull());
}

TEST_F(ImagenesTest, EscaladaAnchaAltaDiminutaYRedondeoPar) {
    const QString ancha = Escribir("ancha.png", Codificar(ImagenLisa(400, 100, Qt::green), "PNG"));
    const QString alta = Escribir("alta.bmp", Codificar(ImagenLisa(100, 400, Qt::green), "BMP"));
    const QString diminuta = Ruta("diminuta.gif");
    ASSERT_TRUE(GuardarGif(ImagenLisa(10, 5, Qt::green), diminuta));
    const QString webp = Ruta("media.webp");
    ASSERT_TRUE(GuardarWebP(ImagenLisa(4, 5, Qt::green), webp));
    const QString fina = Escribir("fina.png", Codificar(ImagenLisa(3, 1000, Qt::green), "PNG"));

    EXPECT_EQ(CargarImagenEscalada(ancha, 200, 200).size(), QSize(200, 50));
    EXPECT_EQ(CargarImagenEscalada(alta, 200, 200).size(), QSize(50, 200));
    const QImage grande = CargarImagenEscalada(diminuta, 800, 600);
    EXPECT_EQ(grande.size(), QSize(800, 400));
    EXPECT_TRUE(Parecido(grande.pixelColor(400, 200), Qt::green));
    // 2 x 5 / 4 = 2.5 goes to the even 2.
    EXPECT_EQ(CargarImagenEscalada(webp, 2, 10).size(), QSize(2, 2));
    EXPECT_EQ(CargarImagenEscalada(fina, 100, 100).size(), QSize(1, 100));

    EXPECT_TRUE(CargarImagenEscalada(ancha, 0, 100).isNull());
    EXPECT_TRUE(CargarImagenEscalada(Ruta("no.png"), 100, 100).isNull());
    EXPECT_TRUE(CargarImagenEscalada(Escribir("rota.png", "nada"), 100, 100).isNull());
    EXPECT_TRUE(
        CargarImagenEscalada(Escribir("sin_extension", Codificar(ImagenLisa(4, 4, Qt::red), "PNG")), 10, 10)
            .isNull());
}

// The format is told by the extension in any letter case, and the viewer decodes on several
// threads at once: every thread must get the same answer, and nothing freed may be touched.
TEST_F(ImagenesTest, ElFormatoPorElNombreEsElMismoEnVariosHilosALaVez) {
    const QImage azul = ImagenLisa(6, 4, Qt::blue);
    QStringList rutas;
    for (const auto& [nombre, formato] : {std::pair{"a.png", "PNG"},
                                          {"b.JPEG", "JPG"},
                                          {"c.Jpe", "JPG"},
                                          {"d.bmp", "BMP"},
                                          {"e.PPM", "PPM"},
                                          {"f.Xpm", "XPM"}})
        rutas << Escribir(nombre, Codificar(azul, formato));
    rutas << Ruta("g.WebP");
    ASSERT_TRUE(GuardarWebP(azul, rutas.last()));
    for (const QString& ruta : std::as_const(rutas)) {
        ASSERT_EQ(CargarImagenEscalada(ruta, 3, 3).size(), QSize(3, 2)) << ruta.toStdString();
        ASSERT_EQ(TamanoCabecera(ruta), QSize(6, 4)) << ruta.toStdString();
    }
    EXPECT_TRUE(CargarImagenEscalada(Escribir("h.png.txt", Codificar(azul, "PNG")), 3, 3).isNull());

    std::atomic<int> fallos{0};
    std::vector<std::thread> hilos;
    for (int h = 0; h < 6; ++h)
        hilos.emplace_back([&, h] {
            // A missing file costs little more than the lookup by name, which is what races.
            for (int i = 0; i < 4000; ++i) {
                const QString& ruta = rutas[(h + i) % rutas.size()];
                if (TamanoCabecera(ruta + QStringLiteral(".falta.webp")))
                    ++fallos;
                if (i % 40 == 0 && (TamanoCabecera(ruta) != QSize(6, 4) ||
                                    CargarImagenEscalada(ruta, 3, 3).size() != QSize(3, 2)))
                    ++fallos;
            }
        });
    for (std::thread& hilo : hilos)
        hilo.join();
    EXPECT_EQ(fallos.load(), 0);
}

TEST_F(ImagenesTest, JpegReducidoAlDecodificarConTamanoExacto) {
    QImage origen = ImagenLisa(1600, 1200, QColor(30, 90, 160));
    QPainter(&origen).fillRect(800, 0, 800, 1200, QColor(240, 220, 20));
    const QString ruta = Escribir("foto.jpg", Codificar(origen, "JPG"));
    const QImage img = CargarImagenEscalada(ruta, 101, 101);
    ASSERT_EQ(img.size(), QSize(101, 76));
    EXPECT_TRUE(Parecido(img.pixelColor(10, 38), QColor(30, 90, 160)));
    EXPECT_TRUE(Parecido(img.pixelColor(90, 38), QColor(240, 220, 20)));
    EXPECT_EQ(CargarImagenEscalada(ruta, 800, 800).size(), QSize(800, 600));
    EXPECT_EQ(CargarImagenEscalada(ruta, 3000, 1800).size(), QSize(2400, 1800));
}

TEST_F(ImagenesTest, OrientacionExifEnAmbosCargadores) {
    const QString ruta = Escribir("girada.jpg", JpegGirado(64, 32));
    EXPECT_EQ(CargarImagen(ruta).size(), QSize(32, 64));
    EXPECT_EQ(CargarImagenEscalada(ruta, 16, 16).size(), QSize(8, 16));
    EXPECT_EQ(CargarImagenEscalada(ruta, 100, 100).size(), QSize(50, 100));
}

TEST_F(ImagenesTest, CabeceraDemasiadoGrandeNoSeDecodifica) {
    const QString enorme = Escribir("enorme.jpg", JpegQueAnuncia(60000, 60000));
    EXPECT_TRUE(CargarImagen(enorme).isNull());
    EXPECT_TRUE(CargarImagenEscalada(enorme, 800, 600).isNull());
    // The same rewriting with a sane size still decodes.
    const QString normal = Escribir("normal.jpg", JpegQueAnuncia(16, 16));
    EXPECT_EQ(CargarImagen(normal).size(), QSize(16, 16));
    EXPECT_EQ(CargarImagenEscalada(normal, 8, 8).size(), QSize(8, 8));
}

TEST_F(ImagenesTest, LaCabeceraDeUnGifSeLeeSinDecodificarlo) {
    // Found by fuzzing: Qt's reader decoded a GIF's whole first frame only to tell its size. With
    // no room left for any picture, the header must still be read.
    const QByteArray cabecera = QByteArray::fromBase64("R0lGODlBAgQAYHwAASwAAAAAAAAAAAAC");
    const QString gif = Escribir("pantalla.gif", cabecera);
    const QString otra = Escribir("sin_extension_conocida.qqq", cabecera);
    ASSERT_EQ(TamanoCabecera(gif), QSize(1026, 24576));
    const int limite = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    EXPECT_EQ(TamanoCabecera(gif), QSize(1026, 24576));
    EXPECT_EQ(TamanoCabecera(otra), QSize(1026, 24576));
    // Also found by fuzzing: named .gif but not beginning as one. Qt's reader decoded its frame of
    // 65535 x 65535; the blocks say nothing, so there is no picture and nothing is decoded.
    const QString falso = Escribir("falso.gif", QByteArray::fromBase64("R0lEPDlBAgQAAHv/+CwAAAAA/////wA="));
    EXPECT_FALSE(TamanoCabecera(falso));
    EXPECT_TRUE(CargarImagen(falso).isNull());
    EXPECT_TRUE(CargarImagenEscalada(falso, 10, 10).isNull());
    QImageReader::setAllocationLimit(limite);
    // Beyond the limit nothing is decoded.
    QByteArray grande = cabecera;
    grande.replace(6, 4, QByteArray("ÿÿÿÿ", 4));
    EXPECT_FALSE(TamanoCabecera(Escribir("enorme.gif", grande)));
    EXPECT_TRUE(CargarImagen(Ruta("enorme.gif")).isNull());
    EXPECT_TRUE(CargarImagenEscalada(Ruta("enorme.gif"), 10, 10).isNull());
}

TEST_F(ImagenesTest, TamanosEnHiMetricYTwips) {
    EXPECT_EQ(TamanoHiMetric(ImagenLisa(800, 600, Qt::white)), QSize(21167, 15875));
    EXPECT_EQ(TamanoTwips(ImagenLisa(800, 600, Qt::white)), QSize(12000, 9000));
    EXPECT_EQ(TamanoTwips(ImagenLisa(1, 3, Qt::white)), QSize(15, 45));
    EXPECT_EQ(TamanoTwips(QImage()), QSize(0, 0));
}

TEST(CajaAjustadaTest, AjustadaYCentrada) {
    // Wider box: scaled by height.
    EXPECT_EQ(CajaAjustada(3000, 1500, 1000, 1000), QRect(750, 0, 1500, 1500));
    // Taller box: scaled by width, small picture enlarged.
    EXPECT_EQ(CajaAjustada(3000, 3000, 600, 300), QRect(0, 750, 3000, 1500));
    EXPECT_EQ(CajaAjustada(3001, 3000, 3000, 3000), QRect(0, 0, 3000, 3000));
    EXPECT_FALSE(CajaAjustada(3000, 3000, 0, 100));
    EXPECT_FALSE(CajaAjustada(3000, 3000, 100, 0));
}

// A picture listed by the viewer or the document list under a name that is not UTF-8 opens full
// size too, through the one loader every window uses.
TEST(Imagenes, UnNombreQueNoEsUtf8SeAbrePorSusBytes) {
    QTemporaryDir dir;
    BorradoCrudo borrar(dir.path());
    QImage roja(8, 6, QImage::Format_RGB32);
    roja.fill(Qt::red);
    for (const char* formato : {"png", "jpg", "bmp"}) {
        const QByteArray ruta = QFile::encodeName(dir.path()) + "/Hoja_\xe9xito." + formato;
        ASSERT_TRUE(GuardarImagenCruda(roja, ruta, formato)) << formato;
        const QImage leida = CargarImagen(RutaDeBytes(ruta));
        EXPECT_EQ(leida.size(), roja.size()) << formato;
    }
}
