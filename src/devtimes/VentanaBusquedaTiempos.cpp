#include "devtimes/VentanaBusquedaTiempos.h"

#include "devtimes/Disposicion.h"
#include "devtimes/TiemposPropios.h"
#include "shell/AlmacenDatos.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Imagenes.h"
#include "shell/Lienzo.h"
#include "shell/NombreArchivo.h"
#include "shell/Numeros.h"
#include "shell/Posiciones.h"
#include "shell/Rueda.h"
#include "shell/Tema.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

const QString kTodas = QStringLiteral("(Todas)");
constexpr int kColumnas = 8;
constexpr int kAltoPanel = 600;

QFont FuenteSegoe(bool negrita = false) {
    return Fuente(Tema::FaceInterfaz, 8.5, negrita);
}

} // namespace

VentanaBusquedaTiempos::VentanaBusquedaTiempos(Anfitrion& anfitrion, const Claves& claves, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion), claves_(claves) {
    setFont(FuenteSegoe());
    CrearControles();
    PrepararGrid();
}

void VentanaBusquedaTiempos::CrearControles() {
    picPanel_ = new QWidget(this);
    picPanel_->setObjectName(QStringLiteral("picPanel"));
    auto control = [](auto* c, const char* nombre, const QRect& t) {
        return Situar(c, nombre, t.x(), t.y(), t.width(), t.height());
    };
    optPelicula_ = control(new QRadioButton(QStringLiteral("Películas"), picPanel_), "optPelicula",
                           QRect(120, 150, 1200, 300));
    optRevelador_ = control(new QRadioButton(QStringLiteral("Reveladores"), picPanel_), "optRevelador",
                            QRect(1380, 150, 1380, 300));
    lblBuscar_ =
        control(new QLabel(QStringLiteral("Buscar:"), picPanel_), "lblBuscar", QRect(2940, 165, 660, 270));
    txtFiltro_ = control(new QLineEdit(picPanel_), "txtFiltro", QRect(3600, 135, 3000, 330));
    lblTempFiltro_ = control(new QLabel(QStringLiteral("Temperatura:"), picPanel_), "lblTempFiltro",
                             QRect(6780, 165, 1200, 270));
    cboTemp_ = control(new QComboBox(picPanel_), "cboTemp", QRect(8040, 135, 1500, 330));
    lblConteo_ = control(new QLabel(picPanel_), "lblConteo", QRect(9780, 165, 2400, 270));
    optPelicula_->setChecked(true);

    lblModo_ = control(new QLabel(QStringLiteral("PELÍCULAS:"), this), "lblModo", QRect(120, 810, 3000, 330));
    MarcarTitulo(lblModo_);

    lstItems_ = new QListWidget(this);
    lstItems_->setObjectName(QStringLiteral("lstItems"));
    lstItems_->setUniformItemSizes(true);
    picImagen_ = new Lienzo(this);
    picImagen_->setObjectName(QStringLiteral("picImagen"));
    grdTiempos_ = new QTableWidget(this);
    grdTiempos_->setObjectName(QStringLiteral("grdTiempos"));

    txtFiltro_->installEventFilter(this);
    lstItems_->installEventFilter(this);
    connect(optPelicula_, &QRadioButton::clicked, this, [this] { CambiarModo(true); });
    connect(optRevelador_, &QRadioButton::clicked, this, [this] { CambiarModo(false); });
    connect(txtFiltro_, &QLineEdit::textChanged, this, [this] {
        if (!llenando_)
            CargarLista();
    });
    // A click loads the item, even the one shown; the keyboard (arrows, Home, End, Page Up and
    // Down, a typed letter) loads each item it makes current. A mouse press makes the item current
    // before it selects it, so a click loads once, on its release.
    connect(lstItems_, &QListWidget::itemClicked, this, &VentanaBusquedaTiempos::SeleccionarItem);
    connect(lstItems_, &QListWidget::currentRowChanged, this, &VentanaBusquedaTiempos::CambioItemActual);
    connect(cboTemp_, &QComboBox::currentIndexChanged, this, &VentanaBusquedaTiempos::CambioTemperatura);
    connect(grdTiempos_, &QTableWidget::cellClicked, this, &VentanaBusquedaTiempos::ClicGrid);
    connect(picImagen_, &Lienzo::DobleClic, this, &VentanaBusquedaTiempos::DobleClicImagen);
}

void VentanaBusquedaTiempos::PrepararGrid() {
    QTableWidget* g = grdTiempos_;
    g->setColumnCount(kColumnas);
    g->setFont(FuenteSegoe());
    EstiloGrid(g);
    g->verticalHeader()->setDefaultSectionSize(QFontMetrics(g->font()).height() + 5);
    g->horizontalHeader()->setFont(FuenteSegoe());
    // The one highlighted row is the painted one, which the notes describe: the grid's own
    // selection would mark a second row when the keyboard moves the current cell.
    g->setSelectionMode(QAbstractItemView::NoSelection);
    const int anchos[kColumnas] = {3600, 1200, 800, 1000, 1000, 1000, 1000, claves_.anchoUltima};
    for (int c = 0; c < kColumnas; ++c) {
        g->setHorizontalHeaderItem(c, new QTableWidgetItem());
        g->setColumnWidth(c, TwipsAPixeles(anchos[c]));
    }
    // A click on the header acts on the current row, as a click on it would.
    connect(g->horizontalHeader(), &QHeaderView::sectionClicked, this, &VentanaBusquedaTiempos::ClicGrid);
}

void VentanaBusquedaTiempos::Cargar() {
    modoPelicula_ = true;
    ActualizarCabeceras();
    IniciarTemperaturas();
    CargarLista();
    RestaurarPosicionVentana(claves_.ventana, Marco());
    RestaurarAnchosColumnas(claves_.grid, grdTiempos_);
    if (claves_.rueda)
        EngancharRueda(grdTiempos_);
}

void VentanaBusquedaTiempos::closeEvent(QCloseEvent* evento) {
    if (claves_.rueda)
        SoltarRueda();
    GuardarPosicionVentana(claves_.ventana, Marco());
    GuardarAnchosColumnas(claves_.grid, grdTiempos_);
    evento->accept();
}

void VentanaBusquedaTiempos::resizeEvent(QResizeEvent* evento) {
    VentanaModulo::resizeEvent(evento);
    if (Marco()->isMinimized())
        return;
    const QSize cliente = ClienteTwips(this);
    if (cliente.width() <= 0 || cliente.height() <= 0)
        return;
    Colocar(picPanel_, QRect(0, 0, cliente.width(), kAltoPanel));
    Redistribuir(cliente.width(), cliente.height(), ClienteTwips(picPanel_).height() + 60);
}

bool VentanaBusquedaTiempos::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == txtFiltro_ && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        txtFiltro_->clear();
        return true;
    }
    return VentanaModulo::eventFilter(objeto, evento);
}

void VentanaBusquedaTiempos::ModoPelicula() {
    optPelicula_->click();
}

void VentanaBusquedaTiempos::ModoRevelador() {
    optRevelador_->click();
}

void VentanaBusquedaTiempos::CambiarModo(bool pelicula) {
    if (pelicula == modoPelicula_)
        return;
    modoPelicula_ = pelicula;
    // One reload below serves both the emptied filter and the new side.
    llenando_ = true;
    txtFiltro_->clear();
    llenando_ = false;
    ActualizarCabeceras();
    CargarLista();
    picImagen_->Limpiar();
    picImagen_->setToolTip({});
}

void VentanaBusquedaTiempos::ActualizarCabeceras() {
    const QStringList cabeceras = {modoPelicula_ ? QStringLiteral("Revelador") : QStringLiteral("Película"),
                                   QStringLiteral("Dilución"),
                                   QStringLiteral("ISO"),
                                   QStringLiteral("35 mm"),
                                   QStringLiteral("120"),
                                   QStringLiteral("Hoja"),
                                   QStringLiteral("Temp."),
                                   claves_.cabeceraUltima};
    for (int c = 0; c < kColumnas; ++c)
        grdTiempos_->horizontalHeaderItem(c)->setText(cabeceras[c]);
    setWindowTitle(claves_.prefijoTitulo + (modoPelicula_ ? QStringLiteral("Buscar por Película")
                                                          : QStringLiteral("Buscar por Revelador")));
    lblModo_->setText(modoPelicula_ ? QStringLiteral("PELÍCULAS:") : QStringLiteral("REVELADORES:"));
    AlCambiarCabeceras();
}

void VentanaBusquedaTiempos::IniciarTemperaturas() {
    llenando_ = true;
    cboTemp_->clear();
    cboTemp_->addItem(kTodas);
    cboTemp_->setCurrentIndex(0);
    llenando_ = false;
}

void VentanaBusquedaTiempos::CargarLista() {
    if (!ReferenceDb())
        return;
    lstItems_->setUpdatesEnabled(false);
    lstItems_->clear();
    itemsLista_.clear();
    try {
        itemsLista_ = LeerItems(txtFiltro_->text());
    } catch (const ErrorBD& e) {
        InformarError(QStringLiteral("Error al cargar la lista: "), e);
    }
    // Added in one insertion; what each entry stands for stays beside it, by row.
    QStringList nombres;
    nombres.reserve(qsizetype(itemsLista_.size()));
    for (const ItemLista& i : itemsLista_)
        nombres << (i.propio ? i.nombre + kMarcaPropio : i.nombre);
    lstItems_->addItems(nombres);
    lstItems_->setUpdatesEnabled(true);
    lblConteo_->setText(TextoConteo(modoPelicula_, int(itemsLista_.size())));
    LimpiarGrid();
    AlCargarLista();
}

void VentanaBusquedaTiempos::SeleccionarItem() {
    AlSeleccionarItem();
    CargarTemperaturas();
    CargarTiempos();
    MostrarFoto();
}

void VentanaBusquedaTiempos::CambioItemActual(int fila) {
    const QListWidgetItem* actual = lstItems_->currentItem();
    if (fila >= 0 && actual && actual->isSelected())
        SeleccionarItem();
}

void VentanaBusquedaTiempos::CargarTemperaturas() {
    if (!ReferenceDb() || !HaySeleccion())
        return;
    const QString recordada = cboTemp_->currentIndex() > 0 ? cboTemp_->currentText() : QString();
    QStringList temperaturas;
    try {
        temperaturas = LeerTemperaturasItem();
    } catch (const ErrorBD& e) {
        InformarError(QStringLiteral("Error al cargar las temperaturas: "), e);
    }
    // The times are read once, after the combo has its final choice.
    llenando_ = true;
    cboTemp_->clear();
    cboTemp_->addItem(kTodas);
    cboTemp_->addItems(temperaturas);
    cboTemp_->setCurrentIndex(0);
    if (!recordada.isEmpty()) {
        const int i = int(temperaturas.indexOf(recordada));
        if (i >= 0)
            cboTemp_->setCurrentIndex(i + 1);
    }
    llenando_ = false;
}

void VentanaBusquedaTiempos::CambioTemperatura() {
    if (!llenando_ && HaySeleccion())
        CargarTiempos();
}

void VentanaBusquedaTiempos::CargarTiempos() {
    if (!HaySeleccion() || !ReferenceDb())
        return;
    const QString temperatura = cboTemp_->currentIndex() > 0 ? cboTemp_->currentText() : QString();
    std::vector<QStringList> filas;
    try {
        filas = LeerFilasItem(temperatura);
    } catch (const ErrorBD& e) {
        InformarError(QStringLiteral("Error al cargar los tiempos: "), e);
        return;
    }
    LimpiarGrid();
    const int n = int(filas.size());
    if (n == 0) {
        // The notes of the previous item must not stay on show, nor be saved onto it.
        if (MostrarFilaAlLlenar())
            MostrarFila(0);
        anfitrion_.EstadoMostrar(TextoEstadoTiempos(TextoItem(), 0));
        return;
    }
    grdTiempos_->setUpdatesEnabled(false);
    grdTiempos_->setRowCount(n);
    for (int f = 0; f < n; ++f) {
        for (int c = 0; c < kColumnas; ++c) {
            auto* celda = new QTableWidgetItem(filas[size_t(f)][c]);
            celda->setToolTip(filas[size_t(f)][c]); // the whole text of a cell too narrow for it
            celda->setTextAlignment(c <= 1   ? Qt::AlignLeft | Qt::AlignVCenter
                                    : c <= 6 ? Qt::AlignCenter
                                             : AlineacionUltima(filas[size_t(f)][c]));
            grdTiempos_->setItem(f, c, celda);
        }
        PintarFila(f + 1);
    }
    grdTiempos_->setUpdatesEnabled(true);
    filasDatos_ = n;
    grdTiempos_->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    if (MostrarFilaAlLlenar())
        MostrarFila(1);
    anfitrion_.EstadoMostrar(TextoEstadoTiempos(TextoItem(), n));
}

void VentanaBusquedaTiempos::LimpiarGrid() {
    grdTiempos_->clearSelection();
    grdTiempos_->setRowCount(0);
    grdTiempos_->setRowCount(1);
    for (int c = 0; c < kColumnas; ++c)
        grdTiempos_->setItem(0, c, new QTableWidgetItem(QString()));
    grdTiempos_->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    filasDatos_ = 0;
    filaActual_ = 0;
}

void VentanaBusquedaTiempos::PintarFila(int fila) {
    const QColor color = ColorFila(fila);
    for (int c = 0; c < kColumnas; ++c)
        if (QTableWidgetItem* celda = grdTiempos_->item(fila - 1, c))
            celda->setBackground(color);
}

void VentanaBusquedaTiempos::ClicGrid() {
    const int fila = grdTiempos_->currentRow() + 1;
    SeleccionarFila(fila);
    MostrarFila(fila);
}

void VentanaBusquedaTiempos::SeleccionarFila(int fila) {
    if (filaActual_ >= 1 && filaActual_ <= filasDatos_)
        PintarFila(filaActual_);
    if (fila < 1 || fila > filasDatos_)
        return;
    for (int c = 0; c < kColumnas; ++c)
        grdTiempos_->item(fila - 1, c)->setBackground(Tema::ColorSeleccion);
    filaActual_ = fila;
}

const ItemLista* VentanaBusquedaTiempos::ItemActual() const {
    const int fila = lstItems_->currentRow();
    const QListWidgetItem* actual = lstItems_->currentItem();
    return actual && actual->isSelected() && fila >= 0 && fila < int(itemsLista_.size())
               ? &itemsLista_[size_t(fila)]
               : nullptr;
}

int VentanaBusquedaTiempos::IdItem() const {
    const ItemLista* item = ItemActual();
    return item ? item->id : 0;
}

QString VentanaBusquedaTiempos::TextoItem() const {
    const ItemLista* item = ItemActual();
    return item ? item->nombre : QString();
}

bool VentanaBusquedaTiempos::SeleccionarNombre(const QString& nombre) {
    for (size_t i = 0; i < itemsLista_.size(); ++i)
        if (itemsLista_[i].nombre.compare(nombre.trimmed(), Qt::CaseInsensitive) == 0) {
            SeleccionarEntrada(int(i));
            return true;
        }
    return false;
}

bool VentanaBusquedaTiempos::SeleccionarId(int id) {
    for (size_t i = 0; i < itemsLista_.size(); ++i)
        if (id > 0 && itemsLista_[i].id == id) {
            SeleccionarEntrada(int(i));
            return true;
        }
    return false;
}

void VentanaBusquedaTiempos::SeleccionarEntrada(int fila) {
    QListWidgetItem* entrada = lstItems_->item(fila);
    if (!entrada)
        return;
    {
        // Loaded once below, not again by the list's own signals.
        const QSignalBlocker quieto(lstItems_);
        lstItems_->setCurrentItem(entrada);
        entrada->setSelected(true);
    }
    lstItems_->scrollToItem(entrada);
    SeleccionarItem();
}

QString VentanaBusquedaTiempos::Celda(int fila, int columna) const {
    const QTableWidgetItem* celda = grdTiempos_->item(fila - 1, columna);
    return celda ? celda->text() : QString();
}

QString VentanaBusquedaTiempos::RutaFoto() const {
    const QString texto = TextoItem();
    if (texto.isEmpty())
        return {};
    return BuscarImagen(NombreArchivoSeguro(texto),
                        modoPelicula_ ? claves_.carpetaPeliculas : claves_.carpetaReveladores);
}

void VentanaBusquedaTiempos::MostrarFoto() {
    picImagen_->Limpiar();
    picImagen_->setToolTip({});
    const QString ruta = RutaFoto();
    if (ruta.isEmpty())
        return;
    const QImage foto = CargarImagen(ruta);
    if (foto.isNull())
        return;
    // DibujarAjustada: fitted and centred, enlarged when smaller than the box.
    if (picImagen_->ImagenAjustada(foto))
        picImagen_->setToolTip(QStringLiteral("Doble clic para ver la imagen ampliada"));
}

void VentanaBusquedaTiempos::DobleClicImagen() {
    const QString ruta = RutaFoto();
    if (!ruta.isEmpty())
        anfitrion_.MostrarImagenCompleta(ruta, TextoItem(), false);
}

void VentanaBusquedaTiempos::Colocar(QWidget* control, const QRect& twips) {
    ColocarTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
}

void VentanaBusquedaTiempos::ColocarComunes(const DisposicionComun& d) {
    Colocar(lblModo_, d.lblModo);
    Colocar(lstItems_, d.lstItems);
    Colocar(picImagen_, d.picImagen);
    Colocar(grdTiempos_, d.grdTiempos);
}

void VentanaBusquedaTiempos::MarcarTitulo(QLabel* etiqueta) {
    etiqueta->setFont(FuenteSegoe(true));
    ColorTexto(etiqueta, Tema::ColorTitulo);
}

void VentanaBusquedaTiempos::InformarError(const QString& prefijo, const ErrorBD& error) {
    Dialogo().Informar(QString(), prefijo + error.Descripcion());
}
