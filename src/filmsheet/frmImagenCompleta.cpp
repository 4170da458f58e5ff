#include "filmsheet/frmImagenCompleta.h"
#include "shell/Tema.h"

#include "shell/Controles.h"
#include "shell/Imagenes.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace {
constexpr int kAltoPie = 300;    // twips under the picture
constexpr int kAltoNombre = 285; // twips of the title bar
} // namespace

frmImagenCompleta::frmImagenCompleta(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion), picImg_(new Lienzo(this)), lblNombre_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmImagenCompleta"));
    setWindowTitle(QStringLiteral("Imagen"));
    ColorFondo(this, Tema::FondoImagen);

    picImg_->setObjectName(QStringLiteral("picImg"));
    picImg_->Limpiar(Tema::FondoImagen);
    lblNombre_->setObjectName(QStringLiteral("lblNombre"));
    lblNombre_->setTextFormat(Qt::PlainText);
    lblNombre_->setAlignment(Qt::AlignCenter);
    ColorFondo(lblNombre_, Tema::FondoImagen);
    ColorTexto(lblNombre_, Qt::white);
    lblNombre_->setFont(Fuente(Tema::FaceInterfaz, 9, true));

    connect(picImg_, &Lienzo::DobleClic, this, [this] { Marco()->close(); });
    resize(TwipsAPixeles(12000), TwipsAPixeles(9000));
    Colocar();
}

void frmImagenCompleta::MostrarImagen(const QString& ruta, const QString& titulo, bool llenar) {
    rutaImagen_ = ruta;
    setWindowTitle(titulo);
    lblNombre_->setText(titulo);
    QMdiArea* area = anfitrion_.Area();
    QWidget* marco = Marco();
    if (llenar && area && marco != this)
        marco->setGeometry(QRect(QPoint(0, 0), area->viewport()->size()));
    marco->show();
    marco->raise();
    if (area) {
        if (QMdiSubWindow* activa = area->activeSubWindow(); activa && activa->widget())
            activa->widget()->setFocus();
    }
    DibujarImagen();
}

void frmImagenCompleta::resizeEvent(QResizeEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    Colocar();
    if (!rutaImagen_.isEmpty())
        DibujarImagen();
}

void frmImagenCompleta::Colocar() {
    const QSize cliente = ClienteTwips(this);
    ColocarTwips(lblNombre_, 0, cliente.height() - kAltoPie, cliente.width(), kAltoNombre);
    // A window lower than the title bar still keeps a canvas of one pixel.
    ColocarTwips(picImg_, 0, 0, cliente.width(), std::max(kTwipsPorPixel, cliente.height() - kAltoPie));
}

void frmImagenCompleta::DibujarImagen() {
    if (rutaImagen_.isEmpty() || !QFileInfo::exists(rutaImagen_))
        return;
    picImg_->Limpiar();
    const int sw = picImg_->AnchoTwips(), sh = picImg_->AltoTwips();
    if (sw < 1 || sh <= 0)
        return;
    const int pw = std::max(1, sw * 96 / 1440), ph = std::max(1, sh * 96 / 1440);
    QImage imagen = CargarImagenEscalada(rutaImagen_, pw, ph);
    if (!imagen.isNull()) {
        const QSize t = TamanoTwips(imagen);
        picImg_->DibujarEstirado((sw - t.width()) / 2, (sh - t.height()) / 2, t.width(), t.height(), imagen);
        return;
    }
    picImg_->ImagenAjustada(CargarImagen(rutaImagen_));
}
