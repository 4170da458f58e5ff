// garvola-dibujos CARPETA: paints the shortcut pictures, the logo and the desktop icons into
// CARPETA. The PNG files it writes are committed under src/app/iconos; run it again after a change.
#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {

using Pintor = std::function<void(QPainter&)>;

// Everything is drawn on a 96 x 96 grid and scaled, so each size is painted sharp, not resampled.
QImage Pintar(int lado, const Pintor& pintor) {
    QImage img(lado, lado, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 96.0, lado / 96.0);
    pintor(p);
    return img;
}

QPen Trazo(const QColor& c, double ancho) {
    return QPen(c, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QColor kTinta(40, 34, 28);

void TiraPelicula(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 28, 26));
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(QColor(238, 223, 184));
    for (double x = r.left() + 4; x < r.right() - 4; x += 9) {
        p.drawRoundedRect(QRectF(x, r.top() + 3, 5, 4), 1, 1);
        p.drawRoundedRect(QRectF(x, r.bottom() - 7, 5, 4), 1, 1);
    }
    // Frames of the negative: amber, as a developed strip looks against the light.
    p.setBrush(QColor(196, 150, 90));
    for (double x = r.left() + 3; x < r.right() - 10; x += 22)
        p.drawRect(QRectF(x, r.top() + 10, 19, r.height() - 20));
}

void Buscar(QPainter& p) {
    TiraPelicula(p, QRectF(4, 44, 88, 36));
    // Lens: a light glass over the strip, rim and handle in ink.
    p.setBrush(QColor(220, 236, 250, 170));
    p.setPen(Trazo(kTinta, 6));
    p.drawEllipse(QPointF(40, 38), 24, 24);
    p.setPen(Trazo(QColor(255, 255, 255, 220), 3));
    p.drawArc(QRectF(24, 22, 32, 32), 100 * 16, 70 * 16);
    p.setPen(Trazo(QColor(120, 72, 30), 10));
    p.drawLine(QPointF(58, 56), QPointF(84, 84));
}

void Matraz(QPainter& p) {
    QPainterPath vidrio;
    vidrio.moveTo(38, 8);
    vidrio.lineTo(58, 8);
    vidrio.lineTo(58, 36);
    vidrio.lineTo(82, 80);
    vidrio.quadTo(84, 88, 76, 88);
    vidrio.lineTo(20, 88);
    vidrio.quadTo(12, 88, 14, 80);
    vidrio.lineTo(38, 36);
    vidrio.closeSubpath();
    QPainterPath liquido;
    liquido.moveTo(27, 58);
    liquido.lineTo(69, 58);
    liquido.lineTo(82, 80);
    liquido.quadTo(84, 88, 76, 88);
    liquido.lineTo(20, 88);
    liquido.quadTo(12, 88, 14, 80);
    liquido.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 245, 250, 200));
    p.drawPath(vidrio);
    QLinearGradient g(0, 58, 0, 88);
    g.setColorAt(0, QColor(70, 160, 90));
    g.setColorAt(1, QColor(30, 110, 60));
    p.setBrush(g);
    p.drawPath(liquido);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(40, 74), 4, 4);
    p.drawEllipse(QPointF(54, 66), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(Trazo(kTinta, 4));
    p.drawPath(vidrio);
    p.drawLine(QPointF(34, 8), QPointF(62, 8));
}

void TermometroReloj(QPainter& p) {
    // Thermometer on the left.
    p.setPen(Trazo(kTinta, 4));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(14, 6, 16, 66), 8, 8);
    p.drawEllipse(QPointF(22, 78), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(22, 78), 9, 9);
    p.drawRect(QRectF(19, 26, 6, 50));
    p.setPen(Trazo(kTinta, 2));
    for (int y = 16; y <= 64; y += 8)
        p.drawLine(QPointF(30, y), QPointF(y % 16 == 0 ? 38 : 35, y));
    // Clock on the right.
    p.setPen(Trazo(kTinta, 4));
    p.setBrush(QColor(255, 250, 235));
    p.drawEllipse(QPointF(64, 56), 27, 27);
    p.setPen(Trazo(kTinta, 2));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(64, 56);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -22), QPointF(0, i % 3 == 0 ? -17 : -19));
        p.restore();
    }
    p.setPen(Trazo(kTinta, 4));
    p.drawLine(QPointF(64, 56), QPointF(64, 38));
    p.setPen(Trazo(QColor(200, 40, 40), 3));
    p.drawLine(QPointF(64, 56), QPointF(78, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(kTinta);
    p.drawEllipse(QPointF(64, 56), 3, 3);
}

void Probeta(QPainter& p) {
    QPainterPath cuerpo;
    cuerpo.moveTo(30, 6);
    cuerpo.lineTo(62, 6);
    cuerpo.lineTo(58, 12);
    cuerpo.lineTo(58, 80);
    cuerpo.lineTo(38, 80);
    cuerpo.lineTo(38, 12);
    cuerpo.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 245, 250, 200));
    p.drawPath(cuerpo);
    QLinearGradient g(38, 0, 58, 0);
    g.setColorAt(0, QColor(60, 120, 200));
    g.setColorAt(1, QColor(30, 80, 160));
    p.setBrush(g);
    p.drawRect(QRectF(38, 40, 20, 40));
    p.setBrush(Qt::NoBrush);
    p.setPen(Trazo(kTinta, 4));
    p.drawPath(cuerpo);
    // Foot.
    p.setBrush(kTinta);
    p.drawRoundedRect(QRectF(24, 82, 48, 8), 3, 3);
    // Graduation: long marks every fourth.
    p.setPen(Trazo(kTinta, 2));
    for (int i = 0; i < 15; ++i) {
        const double y = 74 - i * 4.3;
        p.drawLine(QPointF(38, y), QPointF(i % 4 == 0 ? 50 : 44, y));
    }
}

void Cuaderno(QPainter& p) {
    p.setPen(Trazo(kTinta, 4));
    p.setBrush(QColor(252, 248, 236));
    p.drawRoundedRect(QRectF(16, 8, 58, 80), 4, 4);
    p.setPen(Trazo(QColor(120, 150, 200), 2));
    for (int y = 26; y <= 78; y += 9)
        p.drawLine(QPointF(28, y), QPointF(68, y));
    p.setPen(Trazo(QColor(200, 80, 80), 2));
    p.drawLine(QPointF(30, 12), QPointF(30, 84));
    // Spiral binding.
    p.setPen(Trazo(kTinta, 3));
    p.setBrush(Qt::NoBrush);
    for (int y = 14; y <= 80; y += 11)
        p.drawEllipse(QRectF(10, y, 12, 6));
    // Pencil across the page.
    p.save();
    p.translate(70, 60);
    p.rotate(-50);
    p.setPen(Trazo(kTinta, 2));
    p.setBrush(QColor(240, 180, 40));
    p.drawRect(QRectF(-4, -30, 10, 44));
    p.setBrush(QColor(240, 200, 160));
    QPainterPath punta;
    punta.moveTo(-4, 14);
    punta.lineTo(6, 14);
    punta.lineTo(1, 26);
    punta.closeSubpath();
    p.drawPath(punta);
    p.setBrush(QColor(220, 120, 140));
    p.drawRect(QRectF(-4, -36, 10, 6));
    p.restore();
}

// The program's mark: a developing reel on a dark round, film winding onto it.
void Logo(QPainter& p) {
    QRadialGradient g(QPointF(40, 36), 60);
    g.setColorAt(0, QColor(96, 74, 50));
    g.setColorAt(1, QColor(34, 26, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(48, 48), 46, 46);
    p.setPen(Trazo(QColor(238, 223, 184), 3));
    p.setBrush(Qt::NoBrush);
    for (int r = 12; r <= 34; r += 5)
        p.drawEllipse(QPointF(48, 48), r, r);
    p.setPen(Trazo(QColor(238, 223, 184), 5));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(48, 48);
        p.rotate(i * 120 + 30);
        p.drawLine(QPointF(0, 6), QPointF(0, 36));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 60, 40));
    p.drawEllipse(QPointF(48, 48), 7, 7);
}

bool Guardar(const QImage& img, const QString& ruta) {
    if (!QDir().mkpath(ruta.section(u'/', 0, -2)) || !img.save(ruta, "PNG")) {
        std::fprintf(stderr, "No se pudo escribir %s\n", qPrintable(ruta));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: garvola-dibujos CARPETA\n");
        return 2;
    }
    const QString destino = QString::fromLocal8Bit(argv[1]);
    const std::pair<const char*, Pintor> botones[] = {
        {"bat_buscar", Buscar},      {"bat_formulas", Matraz}, {"bat_temp_tiempo", TermometroReloj},
        {"bat_diluciones", Probeta}, {"bat_notas", Cuaderno},  {"logo", Logo},
    };
    bool bien = true;
    // 96 pixels fill the 1500-twip button at 96 dpi; the @2x twin serves screens at double density.
    for (const auto& [nombre, pintor] : botones) {
        const QString base = destino + u'/' + QString::fromLatin1(nombre);
        bien &= Guardar(Pintar(96, pintor), base + u".png");
        bien &= Guardar(Pintar(192, pintor), base + u"@2x.png");
    }
    for (int lado : {16, 24, 32, 48, 64, 128, 256})
        bien &= Guardar(Pintar(lado, Logo),
                        destino + QStringLiteral("/hicolor/%1x%1/apps/garvola.png").arg(lado));
    return bien ? 0 : 1;
}
