#include "viewer/frmVisorImagenes.h"

#include "shell/Anfitrion.h"
#include "shell/Controles.h"
#include "shell/EntradasCarpeta.h"
#include "shell/Imagenes.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"
#include "shell/Rutas.h"
#include "shell/Tema.h"
#include "viewer/ArbolCarpetas.h"

#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

namespace {
constexpr int kRutaNodo = Qt::UserRole;
constexpr int kNodoLleno = Qt::UserRole + 1;
constexpr int kAltoTira = 1200;
// Around each thumbnail box. Three twips would be a fifth of a pixel, and the selection unseen.
constexpr int kMarco = 2 * kTwipsPorPixel;

QString NombreArchivo(const QString& ruta) {
    return NombreVisible(ruta.mid(ruta.lastIndexOf(QDir::separator()) + 1));
}

QTreeWidgetItem* CrearNodo(const NodoCarpeta& carpeta) {
    auto* nodo = new QTreeWidgetItem({carpeta.nombre});
    nodo->setData(0, kRutaNodo, carpeta.ruta);
    nodo->setChildIndicatorPolicy(carpeta.conSubcarpetas ? QTreeWidgetItem::ShowIndicator
                                                         : QTreeWidgetItem::DontShowIndicator);
    return nodo;
}

QSize CajaMiniaturaPx() {
    return {TwipsAPixeles(kAnchoCaja), TwipsAPixeles(kAltoCaja)};
}
} // namespace

frmVisorImagenes::frmVisorImagenes(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion), decodificador_(this) {
    setObjectName(QStringLiteral("frmVisorImagenes"));
    setWindowTitle(QStringLiteral("Visor de imágenes"));
    setFont(Fuente(Tema::FaceInterfaz, 8.25));
    decodificador_.setObjectName(QStringLiteral("decodificador"));

    lblCarpetas_ = CrearControl<QLabel>(this, "lblCarpetas", 120, 120, 3200, 255);
    lblCarpetas_->setText(QStringLiteral("Carpetas:"));
    lblCarpetas_->setFont(Fuente(Tema::FaceInterfaz, 8.25, true));
    tvCarpetas_ = CrearControl<QTreeWidget>(this, "tvCarpetas", 120, 600, 3200, 8760);
    tvCarpetas_->setHeaderHidden(true);
    tvCarpetas_->setColumnCount(1);
    tvCarpetas_->setUniformRowHeights(true);
    lineSep_ = CrearControl<QFrame>(this, "lineSep", 3380, 120, 30, 9240);
    lineSep_->setFrameShape(QFrame::VLine);
    lineSep_->setFrameShadow(QFrame::Sunken);
    lblRuta_ = CrearControl<QLabel>(this, "lblRuta", 3440, 120, 12440, 255);
    lblRuta_->setTextFormat(Qt::PlainText);
    lblRuta_->setText(QStringLiteral("(ninguna carpeta seleccionada)"));
    picPreview_ = CrearControl<Lienzo>(this, "picPreview", 3440, 600, 12440, 7020);
    picPreview_->Limpiar(Tema::ColorFondoVista);
    picTira_ = CrearControl<Lienzo>(this, "picTira", 3440, 7740, 12440, kAltoTira);
    picTira_->Limpiar(Tema::ColorFondoTira);
    hscTira_ = CrearControl<QScrollBar>(this, "hscTira", 3440, 8940, 12440, 300);
    hscTira_->setOrientation(Qt::Horizontal);
    lblInfo_ = CrearControl<QLabel>(this, "lblInfo", 3440, 9360, 12440, 255);
    lblInfo_->setTextFormat(Qt::PlainText);

    picTira_->installEventFilter(this);
    tvCarpetas_->viewport()->installEventFilter(this);
    // Selection, not the current item: the tree makes its first item current when it gets focus,
    // and that is no choice of the user's.
    connect(tvCarpetas_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const auto elegidos = tvCarpetas_->selectedItems();
        if (!elegidos.isEmpty())
            NodoElegido(elegidos.front());
    });
    // A click on the folder already chosen changes no selection; it reads the folder again.
    connect(tvCarpetas_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* nodo) {
        if (nodo == elegidoAntesDelClic_)
            NodoElegido(nodo);
    });
    connect(tvCarpetas_, &QTreeWidget::itemExpanded, this, &frmVisorImagenes::LlenarNodo);
    connect(picTira_, &Lienzo::Pulsado, this, [this](double x, double) { PulsarTira(x); });
    connect(picTira_, &Lienzo::Movido, this, [this](double x, double) { MoverSobreTira(x); });
    connect(hscTira_, &QScrollBar::valueChanged, this, &frmVisorImagenes::BarraMovida);
    connect(&decodificador_, &DecodificadorImagenes::Decodificada, this, &frmVisorImagenes::Decodificada);
    reloj_.start();
    resize(TwipsAPixeles(16005), TwipsAPixeles(9600));
}

frmVisorImagenes::~frmVisorImagenes() = default;

void frmVisorImagenes::Cargar() {
    seleccionado_ = -1;
    clics_.Olvidar();
    archivos_.clear();
    hscTira_->setRange(0, 0);
    hscTira_->setValue(0);

    elegidoAntesDelClic_ = nullptr;
    tvCarpetas_->clear();
    // Read one folder at a time, as the tree is opened: a link to "/" costs one listing.
    arbol_ = std::make_unique<ArbolCarpetas>(CarpetaPrograma());
    QTreeWidgetItem* raiz = CrearNodo(arbol_->Raiz());
    tvCarpetas_->addTopLevelItem(raiz);
    raiz->setExpanded(true);
}

void frmVisorImagenes::LlenarNodo(QTreeWidgetItem* nodo) {
    if (!arbol_ || nodo->data(0, kNodoLleno).toBool())
        return;
    nodo->setData(0, kNodoLleno, true);
    NodoCarpeta carpeta;
    carpeta.ruta = nodo->data(0, kRutaNodo).toString();
    QList<QTreeWidgetItem*> hijos;
    for (const NodoCarpeta& c : arbol_->Subcarpetas(carpeta))
        hijos << CrearNodo(c);
    nodo->addChildren(hijos);
    if (hijos.isEmpty())
        nodo->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void frmVisorImagenes::NodoElegido(QTreeWidgetItem* nodo) {
    if (!nodo)
        return;
    const QString ruta = nodo->data(0, kRutaNodo).toString();
    lblRuta_->setText(NombreVisible(ruta));
    CargarCarpeta(ruta);
}

void frmVisorImagenes::CargarCarpeta(const QString& ruta) {
    // What was asked for the previous folder is of no use any more.
    decodificador_.Descartar();
    archivos_ = ListarImagenes(ruta);
    cache_.Vaciar();
    primero_ = 0;
    {
        // The strip of another folder starts at its first picture.
        const QSignalBlocker bloqueo(hscTira_);
        hscTira_->setValue(0);
    }
    seleccionado_ = -1;
    clics_.Olvidar();
    rutaVista_.clear();
    CalcularVisibles();
    AjustarBarra();
    DibujarTira();
    picPreview_->Limpiar();
    lblInfo_->setText(QString::number(archivos_.size()) + u" imágenes encontradas");
}

void frmVisorImagenes::CalcularVisibles() {
    visibles_ = ::CalcularVisibles(picTira_->AnchoTwips(), PixelesATwips(picTira_->frameGeometry().width()));
    cache_.AsegurarRanuras(visibles_);
}

void frmVisorImagenes::AjustarBarra() {
    const int cuenta = int(archivos_.size());
    if (cuenta > visibles_) {
        hscTira_->setMaximum(cuenta - visibles_);
        hscTira_->setSingleStep(1);
        hscTira_->setPageStep(visibles_);
        hscTira_->setEnabled(true);
    } else {
        hscTira_->setMaximum(0);
        hscTira_->setValue(0);
        hscTira_->setEnabled(false);
    }
}

void frmVisorImagenes::DibujarTira() {
    picTira_->Limpiar();
    for (int i = 0; i < visibles_ && primero_ + i < archivos_.size(); ++i)
        DibujarRanura(i, ObtenerMiniatura(archivos_[primero_ + i]));
}

void frmVisorImagenes::DibujarRanura(int ranura, const QImage* imagen) {
    const QRect caja = CajaRanura(ranura, picTira_->AltoTwips());
    const int x = caja.x(), y = caja.y();
    const QColor& marco =
        primero_ + ranura == seleccionado_ ? Tema::ColorMarcoElegida : Tema::ColorMarcoMiniatura;
    picTira_->Rectangulo(x - kMarco, y - kMarco, x + kAnchoCaja + kMarco, y + kAltoCaja + kMarco, marco,
                         true);
    picTira_->Rectangulo(x, y, x + kAnchoCaja, y + kAltoCaja, Tema::ColorBlanco, true);
    if (!imagen || imagen->isNull())
        return;
    const QSize t = TamanoTwips(*imagen);
    const QRect destino = SituarEnCaja(caja, t.width(), t.height());
    if (destino.isEmpty())
        return;
    picTira_->DibujarEstirado(destino.x(), destino.y(), destino.width(), destino.height(), *imagen);
    for (const QLine& l : BordesHueco(caja, destino))
        picTira_->Linea(l.x1(), l.y1(), l.x2(), l.y2(), Tema::ColorBordeMiniatura);
}

const QImage* frmVisorImagenes::ObtenerMiniatura(const QString& ruta) {
    if (const CacheMiniaturas::Ranura* r = cache_.Buscar(ruta))
        return r->lista ? &r->imagen : nullptr;
    const QString desplazada = cache_.Reservar(ruta);
    if (!desplazada.isEmpty())
        decodificador_.Olvidar(DecodificadorImagenes::Clase::Miniatura, desplazada, CajaMiniaturaPx());
    decodificador_.Pedir(DecodificadorImagenes::Clase::Miniatura, ruta, CajaMiniaturaPx());
    return nullptr;
}

void frmVisorImagenes::Decodificada(DecodificadorImagenes::Clase clase, const QString& ruta,
                                    const QSize& caja, const QImage& imagen) {
    if (clase == DecodificadorImagenes::Clase::Vista) {
        if (ruta != rutaVista_ || caja != cajaVista_)
            return;
        picPreview_->Limpiar();
        picPreview_->ImagenAjustada(imagen);
        return;
    }
    cache_.Guardar(ruta, imagen);
    // Drawn as it arrives, even when the cache had to let its slot go meanwhile.
    for (int i = 0; i < visibles_ && primero_ + i < archivos_.size(); ++i)
        if (archivos_[primero_ + i] == ruta)
            DibujarRanura(i, &imagen);
}

void frmVisorImagenes::MostrarVistaPrevia(const QString& ruta) {
    picPreview_->Limpiar();
    const int sw = picPreview_->AnchoTwips(), sh = picPreview_->AltoTwips();
    if (sw < 1 || sh <= 0)
        return;
    if (!rutaVista_.isEmpty())
        decodificador_.Olvidar(DecodificadorImagenes::Clase::Vista, rutaVista_, cajaVista_);
    rutaVista_ = ruta;
    cajaVista_ = QSize(std::max(1, TwipsAPixeles(sw)), std::max(1, TwipsAPixeles(sh)));
    decodificador_.Pedir(DecodificadorImagenes::Clase::Vista, ruta, cajaVista_);
}

void frmVisorImagenes::PulsarTira(double x) {
    if (archivos_.isEmpty())
        return;
    const int idx = IndiceBajo(x, primero_);
    if (idx >= archivos_.size())
        return;
    if (clics_.Clic(idx, reloj_.elapsed()) == ReglaClics::Accion::Abrir) {
        AbrirImagenCompleta(archivos_[idx]);
        return;
    }
    seleccionado_ = idx;
    DibujarTira();
    MostrarVistaPrevia(archivos_[idx]);
    lblInfo_->setText(NombreArchivo(archivos_[idx]));
}

void frmVisorImagenes::MoverSobreTira(double x) {
    const int idx = IndiceBajo(x, primero_);
    picTira_->setToolTip(idx < archivos_.size() ? NombreArchivo(archivos_[idx]) : QString());
}

void frmVisorImagenes::BarraMovida(int valor) {
    primero_ = valor;
    DibujarTira();
}

void frmVisorImagenes::AbrirImagenCompleta(const QString& ruta) {
    anfitrion_.MostrarImagenCompleta(ruta, NombreArchivo(ruta), false);
}

bool frmVisorImagenes::eventFilter(QObject* objeto, QEvent* evento) {
    // The second press of a quick double click comes as a double click only; it is a press here.
    if (objeto == tvCarpetas_->viewport() && evento->type() == QEvent::MouseButtonPress) {
        const auto elegidos = tvCarpetas_->selectedItems();
        elegidoAntesDelClic_ = elegidos.isEmpty() ? nullptr : elegidos.front();
    }
    if (objeto == picTira_ && evento->type() == QEvent::MouseButtonDblClick)
        PulsarTira(static_cast<QMouseEvent*>(evento)->position().x() * kTwipsPorPixel);
    return VentanaModulo::eventFilter(objeto, evento);
}

void frmVisorImagenes::resizeEvent(QResizeEvent* evento) {
    VentanaModulo::resizeEvent(evento);
    const QSize cliente = ClienteTwips(this);
    const int W = cliente.width(), H = cliente.height();
    if (Marco()->isMinimized() || W < 4000 || H < 3000)
        return;
    const int derecha = W - 3560, altoVista = H - 2580;
    if (derecha < 300 || altoVista < 300)
        return;
    ColocarTwips(tvCarpetas_, 120, 600, 3200, H - 840);
    ColocarTwips(lineSep_, 3380, 120, 30, H - 240 - 120);
    ColocarTwips(lblRuta_, 3440, 120, derecha, 255);
    ColocarTwips(lblInfo_, 3440, H - 240, derecha, 255);
    ColocarTwips(picPreview_, 3440, 600, derecha, altoVista);
    ColocarTwips(picTira_, 3440, H - 1860, derecha, kAltoTira);
    ColocarTwips(hscTira_, 3440, H - 660, derecha, 300);
    CalcularVisibles();
    AjustarBarra();
    DibujarTira();
    if (seleccionado_ >= 0 && seleccionado_ < archivos_.size())
        MostrarVistaPrevia(archivos_[seleccionado_]);
}
