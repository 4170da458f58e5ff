#include "datos/Dibujos.h"

#include "shell/BaseDatos.h"
#include "shell/Numeros.h"

#include <FreeImage.h>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

QFont FuenteDibujo(int pixeles, bool negrita) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

namespace {

// The largest size up to maximo at which the text fits the width on one line.
QFont FuenteAjustada(const QString& texto, int ancho, int maximo) {
    int tam = maximo;
    for (; tam > 12; tam -= 2)
        if (QFontMetrics(FuenteDibujo(tam, true)).horizontalAdvance(texto) <= ancho)
            break;
    return FuenteDibujo(tam, true);
}

void DibujarTira(QPainter& p, const QRect& zona, const QColor& color) {
    p.fillRect(zona, QColor(18, 18, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(color.darker(260));
    for (int x = zona.left() + 14; x < zona.right() - 20; x += 34)
        p.drawRoundedRect(QRect(x, zona.top() + zona.height() / 4, 20, zona.height() / 2), 3, 3);
}

void DibujarFrasco(QPainter& p, const QRect& zona, const QColor& color) {
    QPainterPath frasco;
    const int cuello = zona.width() / 3;
    frasco.addRoundedRect(
        QRectF(zona.left(), zona.top() + zona.height() * 0.22, zona.width(), zona.height() * 0.78), 18, 18);
    frasco.addRect(QRectF(zona.center().x() - cuello / 2.0, zona.top() + zona.height() * 0.08, cuello,
                          zona.height() * 0.16));
    p.setPen(QPen(color.lighter(140), 3));
    p.setBrush(color.darker(180));
    p.drawPath(frasco.simplified());
    p.fillRect(QRectF(zona.center().x() - cuello / 2.0 - 4, zona.top(), cuello + 8, zona.height() * 0.09),
               QColor(30, 30, 30));
    p.fillRect(
        QRectF(zona.left() + 12, zona.top() + zona.height() * 0.45, zona.width() - 24, zona.height() * 0.3),
        QColor(240, 236, 226));
}

} // namespace

QColor ColorFabricante(const QString& fabricante) {
    static const std::pair<const char*, QColor> conocidos[] = {
        {"Ilford", QColor(200, 200, 200)},  {"Harman", QColor(214, 120, 60)},
        {"Kodak", QColor(250, 190, 20)},    {"Foma", QColor(60, 130, 210)},
        {"Rollei", QColor(200, 40, 50)},    {"Adox", QColor(60, 170, 110)},
        {"Fuji", QColor(40, 160, 90)},      {"Agfa", QColor(220, 80, 40)},
        {"Bergger", QColor(150, 110, 190)},
    };
    for (const auto& [nombre, color] : conocidos)
        if (fabricante.contains(QLatin1String(nombre), Qt::CaseInsensitive))
            return color;
    uint suma = 0;
    for (QChar c : fabricante)
        suma = suma * 31 + c.unicode();
    return QColor::fromHsv(int(suma % 360), 120, 200);
}

QImage DibujarTarjeta(const QString& nombre, const QString& fabricante, const QString& detalle,
                      TipoTarjeta tipo, bool discontinuado) {
    const int w = 640, h = 420;
    QImage img(w, h, QImage::Format_RGB32);
    const QColor acento = ColorFabricante(fabricante);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient fondo(0, 0, 0, h);
    fondo.setColorAt(0, QColor(38, 36, 40));
    fondo.setColorAt(1, QColor(14, 13, 16));
    p.fillRect(img.rect(), fondo);

    int izquierda = 40;
    if (tipo == TipoTarjeta::Pelicula) {
        DibujarTira(p, QRect(0, 0, w, 46), acento);
        DibujarTira(p, QRect(0, h - 46, w, 46), acento);
    } else {
        DibujarFrasco(p, QRect(34, 90, 130, 240), acento);
        izquierda = 200;
    }
    p.fillRect(QRect(izquierda, 120, 6, 170), acento);
    const int ancho = w - izquierda - 60;
    p.setPen(acento.lighter(110));
    p.setFont(FuenteDibujo(22));
    p.drawText(QRect(izquierda + 24, 112, ancho, 36), Qt::AlignLeft | Qt::AlignVCenter, fabricante.toUpper());
    p.setPen(QColor(245, 242, 235));
    p.setFont(FuenteAjustada(nombre, ancho, 50));
    p.drawText(QRect(izquierda + 24, 150, ancho, 90), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               nombre);
    p.setPen(QColor(170, 168, 160));
    p.setFont(FuenteDibujo(20));
    p.drawText(QRect(izquierda + 24, 244, ancho, 40), Qt::AlignLeft | Qt::AlignVCenter, detalle);

    if (discontinuado) {
        p.save();
        p.translate(w - 120, 78);
        p.rotate(30);
        p.fillRect(QRect(-160, -18, 320, 36), QColor(170, 30, 30));
        p.setPen(Qt::white);
        p.setFont(FuenteDibujo(16, true));
        p.drawText(QRect(-160, -18, 320, 36), Qt::AlignCenter, QStringLiteral("DISCONTINUADO"));
        p.restore();
    }
    return img;
}

QImage DibujarFondo(int numero) {
    const int w = 1600, h = 1000;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Safelight reds, amber, and the blue-grey of a darkened room.
    static const QColor tonos[6][2] = {
        {QColor(120, 12, 10), QColor(12, 2, 2)}, {QColor(150, 70, 10), QColor(16, 8, 2)},
        {QColor(40, 50, 70), QColor(6, 7, 10)},  {QColor(90, 8, 20), QColor(8, 2, 4)},
        {QColor(60, 40, 30), QColor(10, 8, 6)},  {QColor(110, 20, 10), QColor(5, 5, 8)},
    };
    const int i = (numero - 1) % 6;
    QRadialGradient luz(w * (0.25 + 0.1 * i), h * 0.3, w * 0.8);
    luz.setColorAt(0, tonos[i][0]);
    luz.setColorAt(1, tonos[i][1]);
    p.fillRect(img.rect(), luz);

    QRandomGenerator azar{quint32(numero)};
    if (i == 2 || i == 5) { // strips of negatives hanging to dry
        for (int k = 0; k < 5; ++k) {
            const int x = 180 + k * 280 + azar.bounded(40);
            const int largo = 700 + azar.bounded(200);
            p.fillRect(QRect(x, -10, 150, largo), QColor(10, 10, 12, 170));
            for (int y = 20; y + 22 < largo - 10; y += 40)
                p.fillRect(QRect(x + 10, y, 14, 22), QColor(50, 45, 45, 120));
        }
    } else if (i == 1 || i == 4) { // trays seen from above
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(QColor(0, 0, 0, 120), 8));
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawRoundedRect(QRect(120 + k * 480, 560, 420, 320), 30, 30);
        }
    }
    // Fine grain over everything.
    for (int k = 0; k < 40000; ++k) {
        const int v = azar.bounded(60);
        p.setPen(QColor(v, v, v, 40));
        p.drawPoint(azar.bounded(w), azar.bounded(h));
    }
    return img;
}

QImage DibujarEscalaGrises() {
    const int pasos = 21, paso = 60;
    QImage img(pasos * paso, 240, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(FuenteDibujo(18));
    for (int k = 0; k < pasos; ++k) {
        // Steps of 0.15 density, as on a transmission step wedge.
        const double densidad = 0.15 * k;
        const int gris = RedondearEntero(255.0 * std::pow(10.0, -densidad));
        p.fillRect(QRect(k * paso, 0, paso, 180), QColor(gris, gris, gris));
        p.setPen(Qt::black);
        p.drawText(QRect(k * paso, 186, paso, 24), Qt::AlignCenter, QString::number(k + 1));
        p.drawText(QRect(k * paso, 210, paso, 24), Qt::AlignCenter, QString::number(densidad, 'f', 2));
    }
    return img;
}

QImage DibujarEspectroVisible() {
    const int desde = 380, hasta = 720, escala = 3;
    QImage img((hasta - desde) * escala, 200, QImage::Format_RGB32);
    img.fill(QColor(20, 20, 24));
    QPainter p(&img);
    for (int nm = desde; nm < hasta; ++nm) {
        // Hue from violet (270°) to red (0°) across the visible band.
        const double t = std::clamp((nm - 400.0) / 250.0, 0.0, 1.0);
        const double brillo = nm < 420 ? (nm - 370.0) / 50.0 : nm > 680 ? (730.0 - nm) / 50.0 : 1.0;
        p.fillRect(QRect((nm - desde) * escala, 0, escala, 150),
                   QColor::fromHsvF(0.75 * (1.0 - t), 1.0, std::clamp(brillo, 0.0, 1.0)));
    }
    p.setPen(QColor(230, 230, 230));
    p.setFont(FuenteDibujo(16));
    for (int nm = 400; nm <= 700; nm += 50) {
        const int x = (nm - desde) * escala;
        p.drawLine(x, 150, x, 162);
        p.drawText(QRect(x - 40, 164, 80, 24), Qt::AlignCenter, QString::number(nm) + u" nm");
    }
    return img;
}

void GuardarImagen(const QImage& imagen, const QString& ruta) {
    if (!ruta.endsWith(u".webp", Qt::CaseInsensitive)) {
        if (!imagen.save(ruta, nullptr, 90))
            throw ErrorBD(u"No se puede guardar la imagen " + ruta);
        return;
    }
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    FIBITMAP* dib32 = FreeImage_ConvertFromRawBits(
        const_cast<BYTE*>(rgb.constBits()), rgb.width(), rgb.height(), int(rgb.bytesPerLine()), 32,
        FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, TRUE);
    FIBITMAP* dib24 = dib32 ? FreeImage_ConvertTo24Bits(dib32) : nullptr;
    const bool ok = dib24 && FreeImage_Save(FIF_WEBP, dib24, ruta.toLocal8Bit().constData(), 0);
    if (dib24)
        FreeImage_Unload(dib24);
    if (dib32)
        FreeImage_Unload(dib32);
    if (!ok)
        throw ErrorBD(u"No se puede guardar la imagen WebP " + ruta);
}
