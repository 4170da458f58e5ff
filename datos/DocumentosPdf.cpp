#include "datos/DocumentosPdf.h"

#include "calculators/CompensacionTemp.h"
#include "datos/Dibujos.h"
#include "shell/BaseDatos.h"
#include "shell/Numeros.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <numeric>
#include <optional>

namespace {

constexpr int kResolucion = 300;
QFont FuentePuntos(double puntos, bool negrita = false) {
    return FuenteDibujo(RedondearEntero(puntos * kResolucion / 72.0), negrita);
}

// Draws on consecutive pages; y is where the next line goes.
class Paginas {
public:
    Paginas(QPdfWriter& w, QPainter& p) : w_(w), p_(p) {
        area_ = QRect(QPoint(0, 0), w.pageLayout().paintRectPixels(kResolucion).size());
    }
    QPainter& p() { return p_; }
    int ancho() const { return area_.width(); }
    int y = 0;
    // Starts a new page when less than alto is left.
    void Reservar(int alto) {
        if (y + alto > area_.height()) {
            w_.newPage();
            y = 0;
        }
    }
    int Texto(const QString& texto, const QFont& fuente, const QColor& color = Qt::black) {
        p_.setFont(fuente);
        const QRect caja = p_.boundingRect(QRect(0, 0, ancho(), 10000), Qt::TextWordWrap, texto);
        Reservar(caja.height());
        p_.setPen(color);
        p_.drawText(QRect(0, y, ancho(), caja.height()), Qt::TextWordWrap, texto);
        y += caja.height();
        return caja.height();
    }

private:
    QPdfWriter& w_;
    QPainter& p_;
    QRect area_;
};

void DibujarTabla(Paginas& pg, const TablaPdf& t) {
    QPainter& p = pg.p();
    pg.y += 40;
    pg.Texto(t.titulo, FuentePuntos(12, true), QColor(26, 58, 107));
    pg.y += 20;
    const int total = std::accumulate(t.anchos.begin(), t.anchos.end(), 0);
    std::vector<int> xs{0};
    for (int a : t.anchos)
        xs.push_back(xs.back() + pg.ancho() * a / total);
    const int alto = 56, margen = 10;
    // A long name wraps inside its cell and makes the row taller, so nothing is cut off.
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap;
    auto celda = [&](int c) {
        return QRect(xs[size_t(c)] + 12, 0, xs[size_t(c) + 1] - xs[size_t(c)] - 16, 0);
    };
    auto fila = [&](const QStringList& textos, bool cabecera, int n) {
        p.setFont(FuentePuntos(7.5, cabecera));
        const int columnas = std::min(int(textos.size()), int(xs.size()) - 1);
        int h = alto;
        for (int c = 0; c < columnas; ++c)
            h = std::max(h, p.boundingRect(celda(c).adjusted(0, 0, 0, 10000), flags, textos[c]).height() +
                                2 * margen);
        pg.Reservar(h);
        p.fillRect(QRect(0, pg.y, pg.ancho(), h), cabecera ? QColor(26, 58, 107)
                                                  : n % 2  ? QColor(240, 244, 255)
                                                           : QColor(Qt::white));
        p.setPen(cabecera ? QColor(Qt::white) : QColor(Qt::black));
        for (int c = 0; c < columnas; ++c)
            p.drawText(celda(c).translated(0, pg.y).adjusted(0, 0, 0, h), flags, textos[c]);
        pg.y += h;
    };
    fila(t.columnas, true, 0);
    int n = 1;
    for (const QStringList& f : t.filas) {
        if (pg.y == 0)
            fila(t.columnas, true, 0); // the header again on a new page
        fila(f, false, n++);
    }
}

// A PDF being written: A4, its heading and introduction already on the first page.
class DocumentoPdf {
public:
    DocumentoPdf(const QString& ruta, const QString& titulo, const QString& introduccion)
        : ruta_(ruta), w_(ruta) {
        w_.setPageSize(QPageSize(QPageSize::A4));
        w_.setResolution(kResolucion);
        w_.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        w_.setTitle(titulo);
        w_.setCreator(QStringLiteral("Garvola"));
        if (!p_.begin(&w_))
            throw ErrorBD(u"No se puede escribir " + ruta);
        pg_.emplace(w_, p_);
        pg_->Texto(titulo, FuentePuntos(18, true), QColor(26, 58, 107));
        pg_->y += 30;
        pg_->Texto(introduccion, FuentePuntos(9), QColor(60, 60, 60));
    }
    Paginas& pg() { return *pg_; }
    void Terminar() {
        if (!p_.end() || !QFile::exists(ruta_))
            throw ErrorBD(u"No se puede escribir " + ruta_);
    }

private:
    QString ruta_;
    QPdfWriter w_;
    QPainter p_;
    std::optional<Paginas> pg_;
};

} // namespace

void EscribirPdf(const QString& ruta, const QString& titulo, const QString& introduccion,
                 const std::vector<TablaPdf>& tablas) {
    DocumentoPdf doc(ruta, titulo, introduccion);
    for (const TablaPdf& t : tablas)
        DibujarTabla(doc.pg(), t);
    doc.Terminar();
}

namespace {
// The calculator's own Q10 formula for the D-76 family with normal agitation (Q10 = 2).
double FactorCompensacionQ10(double temperatura) {
    return FactorCompensacion(kFormulaQ10, 20.0, temperatura, 0, 1);
}
} // namespace

void EscribirCompensacionPdf(const QString& ruta) {
    DocumentoPdf doc(
        ruta, QStringLiteral("Compensación del tiempo de revelado por temperatura"),
        QStringLiteral("Tiempo equivalente a otras temperaturas de un tiempo dado a 20 °C, calculado con "
                       "Q10 = 2 (reveladores tipo D-76 / ID-11 / Xtol, agitación normal): "
                       "t = t20 × 2^((20 − T) / 10). Es orientativo: cuando la hoja del fabricante da "
                       "tiempos para otra temperatura, use los de la hoja."));
    Paginas& pg = doc.pg();
    QPainter& p = pg.p();

    TablaPdf tabla{QStringLiteral("Tiempos (min:s)"), {QStringLiteral("A 20 °C")}, {14}, {}};
    const std::vector<int> temperaturas{18, 19, 21, 22, 23, 24};
    for (int t : temperaturas) {
        tabla.columnas << QString::number(t) + u" °C";
        tabla.anchos.push_back(12);
    }
    auto minseg = [](double s) { return FormatoMinSeg(RedondearEntero(s)); };
    for (int base = 4 * 60; base <= 16 * 60; base += 30) {
        QStringList fila{minseg(base)};
        for (int t : temperaturas)
            fila << minseg(base * FactorCompensacionQ10(t));
        tabla.filas.push_back(fila);
    }
    DibujarTabla(pg, tabla);

    // Graph of the factor from 16 to 26 °C.
    pg.y += 60;
    const int alto = 900, izq = 160, ancho = pg.ancho() - 200;
    pg.Reservar(alto + 140);
    const int arriba = pg.y, abajo = pg.y + alto;
    auto x = [&](double t) { return izq + int((t - 16.0) / 10.0 * ancho); };
    auto y = [&](double f) { return abajo - int((f - 0.4) / 1.4 * alto); };
    p.setFont(FuentePuntos(7));
    for (double f = 0.4; f <= 1.81; f += 0.2) {
        p.setPen(QColor(220, 220, 228));
        p.drawLine(izq, y(f), izq + ancho, y(f));
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRect(0, y(f) - 30, izq - 20, 60), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(f, 'f', 1));
    }
    for (int t = 16; t <= 26; t += 2) {
        p.setPen(QColor(160, 160, 160));
        p.drawLine(x(t), abajo, x(t), abajo + 20);
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRect(x(t) - 60, abajo + 24, 120, 50), Qt::AlignCenter, QString::number(t) + u" °C");
    }
    p.setPen(QPen(QColor(40, 60, 130), 8));
    QPointF previo(x(16), y(FactorCompensacionQ10(16)));
    for (double t = 16.1; t <= 26.0001; t += 0.1) {
        const QPointF punto(x(t), y(FactorCompensacionQ10(t)));
        p.drawLine(previo, punto);
        previo = punto;
    }
    p.setPen(QColor(40, 60, 130));
    p.drawText(QRect(izq + 20, arriba, ancho, 50), Qt::AlignLeft,
               QStringLiteral("Factor sobre el tiempo a 20 °C"));
    doc.Terminar();
}
