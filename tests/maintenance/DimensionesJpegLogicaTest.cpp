#include "maintenance/DimensionesJpeg.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Jpeg(int ancho, int alto, bool progresivo = false) {
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(QColor(90, 120, 30));
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    QImageWriter w(&b, "jpeg");
    w.setProgressiveScanWrite(progresivo);
    EXPECT_TRUE(w.write(imagen)) << w.errorString().toStdString();
    return b.data();
}

// A marker segment inserted right after the start of image.
QByteArray ConSegmento(QByteArray jpeg, quint8 marca, qsizetype datos) {
    QByteArray seg;
    seg += char(0xFF);
    seg += char(marca);
    const int largo = int(datos) + 2;
    seg += char((largo >> 8) & 0xFF);
    seg += char(largo & 0xFF);
    seg += QByteArray(datos, 'x');
    return jpeg.insert(2, seg);
}

std::optional<QSize> Medir(QByteArray datos) {
    QBuffer b(&datos);
    b.open(QIODevice::ReadOnly);
    return DimensionesJpeg(b);
}

TEST(DimensionesJpegTest, BaseYProgresivaSeMidenIgual) {
    EXPECT_EQ(Medir(Jpeg(321, 123)), QSize(321, 123));
    const QByteArray progresiva = Jpeg(64, 480, true);
    ASSERT_TRUE(progresiva.contains(QByteArray("\xFF\xC2", 2)));
    EXPECT_EQ(Medir(progresiva), QSize(64, 480));
}

TEST(DimensionesJpegTest, SegmentosLargosYMuchosPequenosAntesDelCuadro) {
    // A 40 KB ICC profile: a length with its high bit set is still a length.
    EXPECT_EQ(Medir(ConSegmento(Jpeg(200, 100), 0xE2, 40 * 1024)), QSize(200, 100));
    EXPECT_EQ(Medir(ConSegmento(Jpeg(200, 100), 0xE1, 65533)), QSize(200, 100));
    // Many small segments across the reading buffer's edges.
    QByteArray muchas = Jpeg(77, 55);
    for (int i = 0; i < 300; ++i)
        muchas = ConSegmento(muchas, 0xFE, 37 + i % 5);
    EXPECT_EQ(Medir(muchas), QSize(77, 55));
    // Fill bytes before a marker.
    QByteArray relleno = Jpeg(10, 20);
    relleno.insert(2, QByteArray("\xFF\xFF\xFF", 3));
    EXPECT_EQ(Medir(relleno), QSize(10, 20));
}

TEST(DimensionesJpegTest, ArchivosQueNoSeMiden) {
    const QByteArray buena = ConSegmento(Jpeg(200, 100), 0xE2, 40 * 1024);
    // Cut inside the big segment, inside the frame header, and right after the start of image.
    EXPECT_FALSE(Medir(buena.left(20000)));
    const qsizetype sof = buena.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    EXPECT_FALSE(Medir(buena.left(sof + 6)));
    EXPECT_FALSE(Medir(buena.left(2)));
    EXPECT_FALSE(Medir({}));
    EXPECT_FALSE(Medir("GIF89a........."));
    // A length under 2 would step back over itself for ever.
    EXPECT_FALSE(Medir(QByteArray("\xFF\xD8\xFF\xE0\x00\x01\xFF\xC0\x00\x11\x08\x00\x10\x00\x10", 15)));
    EXPECT_FALSE(Medir(QByteArray("\xFF\xD8\xFF\xE0\x00\x00\xFF\xC0\x00\x11\x08\x00\x10\x00\x10", 15)));
    // The end of image before any frame, and a byte that is no marker.
    EXPECT_FALSE(Medir(QByteArray("\xFF\xD8\xFF\xD9", 4)));
    EXPECT_FALSE(Medir(QByteArray("\xFF\xD8\x00\xC0\x00\x11\x08\x00\x10\x00\x10", 11)));
}

TEST(DimensionesJpegTest, PorRutaDeArchivo) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("a.jpg");
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ConSegmento(Jpeg(640, 427), 0xE2, 50000));
    f.close();
    EXPECT_EQ(DimensionesJpeg(ruta), QSize(640, 427));
    EXPECT_FALSE(DimensionesJpeg(dir.filePath("no.jpg")));
    EXPECT_FALSE(DimensionesJpeg(dir.path()));
}

} // namespace
