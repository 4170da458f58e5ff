#include "calculators/frmCurvaReciprocidad.h"
#include "shell/Tema.h"

#include "calculators/Reciprocidad.h"
#include "shell/Controles.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

namespace {
// The graph labels use the panel's default font.
constexpr double kPuntos = 8;
} // namespace

frmCurvaReciprocidad::frmCurvaReciprocidad(Anfitrion&, QWidget* padre) : VentanaModulo(padre) {
    setObjectName(QStringLiteral("frmCurvaReciprocidad"));
    setWindowTitle(QStringLiteral("Curvas de reciprocidad de películas"));
    setFont(FuenteVentanaCalc());

    auto* fraGrafica = CrearControl<QGroupBox>(this, "fraGrafica", 120, 120, 10320, 7035);
    CrearEtiqueta(fraGrafica, "lblSelCurvas",
                  QStringLiteral("Peliculas a comparar (Ctrl+click: añade/quita):"), 120, 360, 1800, 855)
        ->setWordWrap(true);
    lstCurvas_ = CrearControl<QListWidget>(fraGrafica, "lstCurvas", 120, 960, 3255, 4740);
    lstCurvas_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    CrearEtiqueta(fraGrafica, "lblTmMin", QStringLiteral("T. min. (s):"), 960, 6120, 1095, 255);
    txtTmMin_ = CrearControl<QLineEdit>(fraGrafica, "txtTmMin", 1800, 6090, 615, 315);
    txtTmMin_->setText(QStringLiteral("1"));
    CrearEtiqueta(fraGrafica, "lblTmMax", QStringLiteral("T. max. (s):"), 960, 6495, 1095, 255);
    txtTmMax_ = CrearControl<QLineEdit>(fraGrafica, "txtTmMax", 1800, 6465, 615, 315);
    txtTmMax_->setText(QStringLiteral("120"));
    picCurva_ = CrearControl<Lienzo>(fraGrafica, "picCurva", 3480, 240, 6705, 6615);
    picCurva_->setMouseTracking(true);
    lblTooltip_ = new QLabel(picCurva_);
    lblTooltip_->setObjectName(QStringLiteral("lblTooltip"));
    lblTooltip_->setAutoFillBackground(true);
    lblTooltip_->setFont(Fuente(font().family(), font().pointSizeF(), true));
    lblTooltip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblTooltip_->hide();

    auto* btnCerrar = CrearControl<QPushButton>(this, "btnCerrar", 4620, 7395, 1335, 495);
    btnCerrar->setText(QStringLiteral("Cerrar"));

    connect(lstCurvas_, &QListWidget::itemSelectionChanged, this, &frmCurvaReciprocidad::DibujarCurvas);
    for (QLineEdit* caja : {txtTmMin_, txtTmMax_})
        caja->installEventFilter(this);
    connect(picCurva_, &Lienzo::Movido, this, &frmCurvaReciprocidad::MostrarLectura);
    connect(btnCerrar, &QPushButton::clicked, this, [this] { Marco()->close(); });
    resize(TwipsAPixeles(10575), TwipsAPixeles(8145));
}

void frmCurvaReciprocidad::Cargar() {
    lstCurvas_->clear();
    for (const PeliculaRecip& pelicula : TablaPeliculas())
        lstCurvas_->addItem(TextoListaRecip(pelicula));
    lblTooltip_->raise();
}

bool frmCurvaReciprocidad::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusOut)
        DibujarCurvas();
    return VentanaModulo::eventFilter(objeto, evento);
}

QList<const PeliculaRecip*> frmCurvaReciprocidad::Seleccionadas() const {
    QList<const PeliculaRecip*> peliculas;
    for (int i = 0; i < lstCurvas_->count(); ++i)
        if (lstCurvas_->item(i)->isSelected())
            peliculas.append(&TablaPeliculas()[std::size_t(i)]);
    return peliculas;
}

namespace {
QList<double> Exponentes(const QList<const PeliculaRecip*>& peliculas) {
    QList<double> exponentes;
    for (const PeliculaRecip* pelicula : peliculas)
        exponentes.append(pelicula->p);
    return exponentes;
}
} // namespace

void frmCurvaReciprocidad::DibujarCurvas() {
    const RangoTm rango = CorregirRango(txtTmMin_->text(), txtTmMax_->text());
    for (auto [caja, texto] : {std::pair{txtTmMin_, rango.textoMin}, std::pair{txtTmMax_, rango.textoMax}})
        if (caja->text() != texto)
            caja->setText(texto);
    picCurva_->Limpiar(Qt::white);
    grafica_.FijarMarco(picCurva_->AnchoTwips(), picCurva_->AltoTwips());
    if (!rango.valido) {
        AvisarRangoNoValido(QStringLiteral("El tiempo mínimo debe ser menor que el máximo."));
        return;
    }

    const auto peliculas = Seleccionadas();
    const double tcMax = TcMaximoMuestreado(Exponentes(peliculas), rango.tmin, rango.tmax) * 1.05;
    if (tcMax == 0 || peliculas.isEmpty())
        return;
    if (!std::isfinite(tcMax)) {
        AvisarRangoNoValido(QStringLiteral("El rango es demasiado grande para dibujarlo."));
        return;
    }
    grafica_.tmMinGraf = rango.tmin;
    grafica_.tmMaxGraf = rango.tmax;
    grafica_.tcMaxGraf = tcMax;
    QStringList textos;
    for (const PeliculaRecip* pelicula : peliculas)
        textos.append(TextoLeyendaRecip(*pelicula));
    const LeyendaRecip leyenda = grafica_.DisponerLeyenda(
        textos, picCurva_->AnchoTwips(), picCurva_->AltoTwips(),
        [this](const QString& texto, double puntos) { return picCurva_->MedirTexto(texto, puntos); });
    DibujarRejilla(rango.tmin, rango.tmax, tcMax, leyenda.tituloTm);
    for (int k = 0; k < peliculas.size(); ++k)
        DibujarPelicula(k, leyenda, *peliculas[k], rango.tmin, rango.tmax);
    picCurva_->update();
}

void frmCurvaReciprocidad::AvisarRangoNoValido(const QString& texto) {
    // Nothing is drawn from a range that cannot hold a curve, and the read-out stops.
    grafica_.tcMaxGraf = 0;
    lblTooltip_->hide();
    picCurva_->Texto(grafica_.gx0, grafica_.gy0, texto, Tema::RecipAviso, kPuntos, true);
}

void frmCurvaReciprocidad::DibujarRejilla(double tmin, double tmax, double tcMax, QPoint tituloTm) {
    Lienzo& g = *picCurva_;
    const GraficaRecip& m = grafica_;
    const double pasoTm = PasoRejilla((tmax - tmin) / 6);
    for (double v : ValoresRejillaTm(tmin, tmax, pasoTm)) {
        const int x = m.X(v);
        g.Linea(x, m.gy0, x, m.gy1, Tema::RecipRejilla);
        g.Texto(x - 80, m.gy1 + 30, TextoRejilla(v, pasoTm), Tema::RecipRotulos, kPuntos);
    }
    const double pasoTc = PasoRejilla(std::max(1.0, tcMax / 6));
    for (double v : ValoresRejillaTc(tcMax, pasoTc)) {
        const int y = RedondearEntero(m.gy1 - v / tcMax * (m.gy1 - m.gy0));
        g.Linea(m.gx0, y, m.gx1, y, Tema::RecipRejilla);
        g.Texto(10, y - 60, TextoRejilla(v, pasoTc), Tema::RecipRotulos, kPuntos);
    }
    g.Linea(m.gx0, m.gy0, m.gx0, m.gy1, Qt::black);
    g.Linea(m.gx0, m.gy1, m.gx1, m.gy1, Qt::black);
    const QColor& titulos = Tema::RecipTitulosEjes;
    g.Texto(tituloTm.x(), tituloTm.y(), QStringLiteral("Tm (s)"), titulos, kPuntos);
    g.Texto(5, m.gy0, QStringLiteral("Tc (s)"), titulos, kPuntos);
}

void frmCurvaReciprocidad::DibujarPelicula(int k, const LeyendaRecip& leyenda, const PeliculaRecip& pelicula,
                                           double tmin, double tmax) {
    Lienzo& g = *picCurva_;
    const GraficaRecip& m = grafica_;
    const QColor c = ColorCurvaRecip(k);
    QPoint anterior;
    for (int j = 0; j <= 100; ++j) {
        const double tm = tmin + (tmax - tmin) * j / 100;
        const QPoint punto(m.X(tm), m.Y(TiempoCorregido(tm, pelicula.p)));
        if (j == 0)
            g.Punto(punto.x(), punto.y(), c, 2);
        else
            g.Linea(anterior.x(), anterior.y(), punto.x(), punto.y(), c, 2);
        anterior = punto;
    }
    // The line without failure, broken every five samples.
    int contador = 0;
    bool pluma = true;
    for (int j = 0; j <= 100; ++j) {
        const double tm = tmin + (tmax - tmin) * j / 100;
        const QPoint punto(m.X(tm), m.Y(tm));
        if (++contador > 4) {
            contador = 0;
            pluma = !pluma;
        }
        if (j > 0 && pluma)
            g.Linea(anterior.x(), anterior.y(), punto.x(), punto.y(), c);
        else
            g.Punto(punto.x(), punto.y(), c);
        anterior = punto;
    }

    const QPoint l = leyenda.Lugar(k);
    // A swatch four pixels high: the canvas pen stops at three.
    g.Rectangulo(l.x(), l.y() + 70 - 15, l.x() + 320, l.y() + 70 + 30, c, true);
    contador = 0;
    pluma = true;
    for (int xx = l.x(); xx <= l.x() + 320; xx += 10) {
        if (++contador > 3) {
            contador = 0;
            pluma = !pluma;
        }
        if (pluma)
            g.Linea(xx, l.y() + 130, xx + 8, l.y() + 130, c);
    }
    g.Texto(l.x() + 340, l.y() + 30, TextoLeyendaRecip(pelicula), Tema::RecipLeyenda, leyenda.puntos);
}

void frmCurvaReciprocidad::MostrarLectura(double x, double y) {
    if (!grafica_.LecturaPosible())
        return;
    const auto peliculas = Seleccionadas();
    QList<int> largos;
    for (const PeliculaRecip* pelicula : peliculas)
        largos.append(int(TextoLecturaRecip(*pelicula).size()));
    const LecturaRecip l = grafica_.Lectura(x, y, Exponentes(peliculas), largos, picCurva_->AnchoTwips());
    if (l.k < 0) {
        lblTooltip_->hide();
        return;
    }
    lblTooltip_->setText(u' ' + TextoLecturaRecip(*peliculas[l.k]) + u' ');
    ColorFondo(lblTooltip_, ColorCurvaRecip(l.k));
    ColorTexto(lblTooltip_, Qt::white);
    ColocarTwips(lblTooltip_, l.izquierda, l.arriba, l.ancho, 255);
    lblTooltip_->raise();
    lblTooltip_->show();
}
