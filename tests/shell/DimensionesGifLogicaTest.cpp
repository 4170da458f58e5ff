#include "shell/DimensionesGif.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QByteArray Le16(int v) {
    const char bytes[] = {char(v & 0xFF), char(v >> 8)};
    return QByteArray(bytes, 2);
}

// Screen, an optional global colour table of two colours, then the blocks given.
QByteArray Gif(int ancho, int alto, bool tabla, const QByteArray& bloques) {
    return "GIF89a" + Le16(ancho) + Le16(alto) + char(tabla ? 0x80 : 0x00) + '\0' + '\0' +
           (tabla ? QByteArray(6, '\x7f') : QByteArray()) + bloques;
}

QByteArray Marco(int x, int y, int ancho, int alto) {
    return ',' + Le16(x) + Le16(y) + Le16(ancho) + Le16(alto) + '\0' + "\x02\x02\x44\x01\x00" + ';';
}

std::optional<QSize> Medir(QByteArray datos) {
    QBuffer b(&datos);
    b.open(QIODevice::ReadOnly);
    return DimensionesGif(b);
}

} // namespace

TEST(DimensionesGif, PantallaYPrimerMarco) {
    EXPECT_EQ(Medir(Gif(40, 30, true, Marco(0, 0, 40, 30))), QSize(40, 30));
    // A frame reaching beyond the screen widens the area the decoder allocates.
    EXPECT_EQ(Medir(Gif(10, 10, false, Marco(5, 2, 20, 3))), QSize(25, 10));
    EXPECT_EQ(Medir(Gif(0, 0, false, Marco(0, 0, 7, 9))), QSize(7, 9));
    // Graphic control, a comment of several sub-blocks and an application block come first.
    const QByteArray extensiones = QByteArray("!\xf9\x04\x01\x02\x03\x04", 7) + '\0' + "!\xfe" + char(255) +
                                   QByteArray(255, 'c') + char(3) + "fin" + '\0' + "!\xff\x0bNETSCAPE2.0" +
                                   QByteArray("\x03\x01\x00\x00\x00", 5);
    EXPECT_EQ(Medir(Gif(65535, 2, true, extensiones + Marco(0, 0, 1, 1))), QSize(65535, 2));
    // Found by fuzzing: a version in capitals, which decoders accept, and a frame of nothing.
    EXPECT_EQ(Medir(QByteArray::fromBase64("R0lGODlBAgQAYHwAASwAAAAAAAAAAAAC")), QSize(1026, 24576));
}

TEST(DimensionesGif, NadaSinMarcoOCortado) {
    const QByteArray bueno = Gif(40, 30, true, Marco(0, 0, 40, 30));
    // Cut anywhere before the frame's descriptor is whole.
    for (int largo = 0; largo < 13 + 6 + 9; ++largo)
        EXPECT_FALSE(Medir(bueno.left(largo))) << largo;
    EXPECT_FALSE(Medir(Gif(40, 30, false, ";")));
    EXPECT_FALSE(Medir(Gif(40, 30, false,
                           "!\xfe\x05"
                           "ab")));
    EXPECT_FALSE(Medir(Gif(40, 30, false, "\x00")));
    EXPECT_FALSE(Medir(Gif(0, 0, false, Marco(0, 0, 0, 0))));
    EXPECT_FALSE(Medir("\x89PNG\r\n\x1a\n0000000000000000"));
}
