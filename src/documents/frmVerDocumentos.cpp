#include "documents/frmVerDocumentos.h"

#include "documents/Documentos.h"
#include "documents/Escritorio.h"
#include "shell/Anfitrion.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Numeros.h"
#include "shell/Posiciones.h"
#include "shell/Tema.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {
constexpr int kAltoBanda = 510;
constexpr int kAnchosColumnas[] = {7200, 1800, 1800};
constexpr int kRutaEntrada = Qt::UserRole;
} // namespace

frmVerDocumentos::frmVerDocumentos(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmVerDocumentos"));
    const QFont interfaz = Fuente(Tema::FaceInterfaz, 8.5);
    setFont(interfaz);

    picPanel_ = CrearControl<QWidget>(this, "picPanel", 0, 0, 12000, kAltoBanda);
    ColorFondo(picPanel_, Tema::ColorBandaDocumentos);
    auto* lblBuscar = CrearControl<QLabel>(picPanel_, "lblBuscar", 240, 120, 720, 255);
    lblBuscar->setText(QStringLiteral("Buscar:"));
    txtFiltro_ = CrearControl<QLineEdit>(picPanel_, "txtFiltro", 1080, 105, 2400, 285);
    lblConteo_ = CrearControl<QLabel>(picPanel_, "lblConteo", 3720, 120, 3600, 255);
    lblConteo_->setTextFormat(Qt::PlainText);
    ColorTexto(lblConteo_, Tema::ColorTextoConteo);
    for (QWidget* c : {static_cast<QWidget*>(lblBuscar), static_cast<QWidget*>(txtFiltro_),
                       static_cast<QWidget*>(lblConteo_)})
        c->setFont(interfaz);

    lvDocs_ = CrearControl<QTreeWidget>(this, "lvDocs", 120, kAltoBanda + 60, 11760, 8400);
    lvDocs_->setFont(Fuente(Tema::FaceFija, 9));
    lvDocs_->setRootIsDecorated(false);
    lvDocs_->setItemsExpandable(false);
    lvDocs_->setUniformRowHeights(true);
    lvDocs_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvDocs_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvDocs_->header()->setSectionsMovable(false);

    txtFiltro_->installEventFilter(this);
    lvDocs_->installEventFilter(this);
    connect(txtFiltro_, &QLineEdit::textChanged, this, &frmVerDocumentos::CargarDocumentos);
    connect(lvDocs_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* entrada) { AbrirDocumento(entrada); });
    resize(TwipsAPixeles(12000), TwipsAPixeles(9000));
}

void frmVerDocumentos::Abrir(const QString& carpeta, const QString& titulo) {
    carpetaDocs_ = carpeta;
    clavePosicion_ = carpeta;
    setWindowTitle(titulo);
    {
        // The list is reloaded once, below, not by the emptied filter.
        const QSignalBlocker bloqueo(txtFiltro_);
        txtFiltro_->clear();
    }
    PrepararLista();
    CargarDocumentos();
    RestaurarPosicionVentana(clavePosicion_, this);
    anfitrion_.Activar(this);
}

void frmVerDocumentos::PrepararLista() {
    lvDocs_->clear();
    lvDocs_->setColumnCount(3);
    lvDocs_->setHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Tipo"), QStringLiteral("Tamaño")});
    for (int i = 0; i < 3; ++i)
        lvDocs_->setColumnWidth(i, TwipsAPixeles(kAnchosColumnas[i]));
}

void frmVerDocumentos::CargarDocumentos() {
    const ListadoDocumentos listado = ListarDocumentos(carpetaDocs_, txtFiltro_->text());
    lvDocs_->clear();
    QList<QTreeWidgetItem*> entradas;
    for (const Documento& d : listado.documentos) {
        auto* entrada = new QTreeWidgetItem({d.nombre, d.tipo, d.tamano});
        entrada->setData(0, kRutaEntrada, d.ruta);
        entrada->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        entradas << entrada;
    }
    lvDocs_->addTopLevelItems(entradas);
    lblConteo_->setText(listado.conteo);
}

void frmVerDocumentos::AbrirDocumento(const QTreeWidgetItem* entrada) {
    if (!entrada)
        return;
    const QString ruta = entrada->data(0, kRutaEntrada).toString();
    switch (ClaseDeTipo(entrada->text(1))) {
    case ClaseDocumento::Pdf:
        if (!AbrirConEscritorio(ruta))
            Dialogo().Informar(QString(), u"No se pudo abrir el documento: " + ruta, Icono::Exclamacion);
        break;
    case ClaseDocumento::Imagen:
        anfitrion_.MostrarImagenCompleta(ruta, entrada->text(0), true);
        break;
    case ClaseDocumento::Ninguna:
        break;
    }
}

void frmVerDocumentos::closeEvent(QCloseEvent* evento) {
    GuardarPosicionVentana(clavePosicion_, this);
    VentanaModulo::closeEvent(evento);
}

bool frmVerDocumentos::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (objeto == txtFiltro_ && tecla == Qt::Key_Escape) {
            txtFiltro_->clear();
            return true;
        }
        if (objeto == lvDocs_ && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
            const auto elegidas = lvDocs_->selectedItems();
            if (!elegidas.isEmpty())
                AbrirDocumento(elegidas.front());
            return true;
        }
    }
    return VentanaModulo::eventFilter(objeto, evento);
}

void frmVerDocumentos::resizeEvent(QResizeEvent* evento) {
    VentanaModulo::resizeEvent(evento);
    const QSize cliente = ClienteTwips(this);
    if (Marco()->isMinimized() || cliente.width() < 2000 || cliente.height() < 1000)
        return;
    ColocarTwips(picPanel_, 0, 0, cliente.width(), kAltoBanda);
    ColocarTwips(lvDocs_, 120, kAltoBanda + 60, cliente.width() - 240, cliente.height() - kAltoBanda - 120);
    if (lvDocs_->columnCount() >= 1)
        lvDocs_->setColumnWidth(0, TwipsAPixeles(cliente.width() - 4080));
}
