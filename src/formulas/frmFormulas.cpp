#include "formulas/frmFormulas.h"

#include "formulas/DisposicionFormulas.h"
#include "formulas/EscalaFormula.h"
#include "shell/AlmacenDatos.h"
#include "shell/Anfitrion.h"
#include "shell/CajaNotas.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Numeros.h"
#include "shell/Posiciones.h"
#include "shell/Rueda.h"
#include "shell/Tema.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace {

const QString kTodas = QStringLiteral("(Todas)");
constexpr int kColumnas = 4;
constexpr int kColumnaCantidad = 2;
constexpr int kAnchos[kColumnas] = {750, 3000, 1050, 900};
// The window as designed, in pixels: every documented place fits inside.
constexpr QSize kTamanoDisenado(840, 680);

QFont FuenteInterfaz(double puntos = 8.5, bool negrita = false) {
    return Fuente(Tema::FaceInterfaz, puntos, negrita);
}

QPlainTextEdit* Caja(QWidget* padre, const char* nombre, bool soloLectura) {
    auto* c = CrearControl<QPlainTextEdit>(padre, nombre, 0, 0, 0, 0);
    c->setReadOnly(soloLectura);
    AjustarALineas(c);
    c->setFont(FuenteInterfaz());
    return c;
}

void Titulo(QLabel* etiqueta) {
    etiqueta->setFont(FuenteInterfaz(8.5, true));
    ColorTexto(etiqueta, Tema::ColorTitulo);
}

} // namespace

frmFormulas::frmFormulas(Anfitrion& anfitrion, QWidget* padre) : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmFormulas"));
    setWindowTitle(QStringLiteral("Fórmulas fotográficas"));
    setFont(FuenteInterfaz());
    CrearControles();
    ConfigurarGrid();
    FijarTamanoDisenado(kTamanoDisenado);
    resize(kTamanoDisenado);
    DistribuirControles();
}

void frmFormulas::CrearControles() {
    picPanel_ = CrearControl<QWidget>(this, "picPanel", 0, 0, 0, 0);
    ColorFondo(picPanel_, Tema::ColorPanel);
    lblBuscar_ = CrearEtiqueta(picPanel_, "lblBuscar", QStringLiteral("Búsqueda:"), 120, 180, 900, 270,
                               kEtiquetaCentrada);
    txtFiltro_ = CrearControl<QLineEdit>(picPanel_, "txtFiltro", 1020, 135, 2700, 330);
    lblCatLbl_ = CrearEtiqueta(picPanel_, "lblCatLbl", QStringLiteral("Categoría:"), 3900, 180, 900, 270,
                               kEtiquetaCentrada);
    cboCat_ = CrearControl<QComboBox>(picPanel_, "cboCat", 4800, 135, 2940, 330);
    chkES_ = CrearControl<QCheckBox>(picPanel_, "chkES", 7920, 165, 1200, 285);
    chkES_->setText(QStringLiteral("Español"));
    chkES_->setChecked(true);
    lblConteo_ = CrearEtiqueta(picPanel_, "lblConteo", QString(), 9300, 180, 2100, 270, kEtiquetaCentrada);
    for (QWidget* c : std::initializer_list<QWidget*>{txtFiltro_, cboCat_, lblConteo_})
        c->setFont(FuenteInterfaz());

    lstFormulas_ = CrearControl<QListWidget>(this, "lstFormulas", 0, 0, 0, 0);
    lstFormulas_->setFont(FuenteInterfaz());
    lstFormulas_->setUniformItemSizes(true);

    picDetalle_ = CrearControl<QWidget>(this, "picDetalle", 0, 0, 0, 0);
    QWidget* d = picDetalle_;
    lblNombre_ = CrearEtiqueta(d, "lblNombre", QString(), 0, 0, 0, 0, kEtiquetaCentrada);
    lblNombre_->setFont(FuenteInterfaz(13, true));
    ColorTexto(lblNombre_, Tema::ColorTitulo);
    lblSubtitulo_ = CrearEtiqueta(d, "lblSubtitulo", QString(), 0, 0, 0, 0, kEtiquetaCentrada);
    lblSubtitulo_->setFont(FuenteInterfaz(9));
    lblSubtitulo_->setStyleSheet(QStringLiteral("font-style: italic"));
    lblTipoBadge_ = CrearEtiqueta(d, "lblTipoBadge", QString(), 0, 0, 0, 0, kEtiquetaCentrada);
    lblTipoBadge_->setFont(FuenteInterfaz(8.5, true));
    lblTipoBadge_->setAlignment(Qt::AlignCenter);
    ColorFondo(lblTipoBadge_, Tema::ColorSeleccion);
    ColorTexto(lblTipoBadge_, Tema::ColorTitulo);
    lblSecIngr_ =
        CrearEtiqueta(d, "lblSecIngr", QStringLiteral("Ingredientes"), 0, 0, 0, 0, kEtiquetaCentrada);
    Titulo(lblSecIngr_);

    // Scaling to the volume mixed, on the heading line of the grid, right-aligned to it.
    lblEscala_ = CrearEtiqueta(d, "lblEscala", QString(), 0, 0, 0, 0, kEtiquetaCentrada);
    lblEscala_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblEscala_->setFont(FuenteInterfaz(8.5, true));
    ColorTexto(lblEscala_, Tema::CantidadEscalada);
    lblPreparar_ =
        CrearEtiqueta(d, "lblPreparar", QStringLiteral("Preparar:"), 0, 0, 0, 0, kEtiquetaCentrada);
    lblPreparar_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtVolumen_ = CrearControl<QLineEdit>(d, "txtVolumen", 0, 0, 0, 0);
    txtVolumen_->setFont(FuenteInterfaz());
    txtVolumen_->setAlignment(Qt::AlignRight);
    txtVolumen_->setText(QStringLiteral("1"));
    txtVolumen_->setToolTip(
        QStringLiteral("Volumen que se va a preparar; la fórmula se publica para 1 litro"));
    cboUnidadVolumen_ = CrearControl<QComboBox>(d, "cboUnidadVolumen", 0, 0, 0, 0);
    cboUnidadVolumen_->setFont(FuenteInterfaz());
    cboUnidadVolumen_->addItems({QStringLiteral("ml"), QStringLiteral("l")});
    cboUnidadVolumen_->setCurrentIndex(1);

    grdIngredientes_ = CrearControl<QTableWidget>(d, "grdIngredientes", 0, 0, 0, 0);

    lblUsoLbl_ = CrearEtiqueta(d, "lblUsoLbl", QStringLiteral("Uso:"), 0, 0, 0, 0, kEtiquetaCentrada);
    txtUso_ = Caja(d, "txtUso", true);
    lblSecInfo_ =
        CrearEtiqueta(d, "lblSecInfo", QStringLiteral("Preparación"), 0, 0, 0, 0, kEtiquetaCentrada);
    Titulo(lblSecInfo_);
    lblDilLbl_ = CrearEtiqueta(d, "lblDilLbl", QStringLiteral("Dilución"), 0, 0, 0, 0, kEtiquetaCentrada);
    lblDilLbl_->setFont(FuenteInterfaz());
    lblDilucion_ = CrearControl<QLineEdit>(d, "lblDilucion", 0, 0, 0, 0);
    lblDilucion_->setReadOnly(true);
    lblDilucion_->setFont(FuenteInterfaz());
    lblNotasLbl_ = CrearEtiqueta(d, "lblNotasLbl", QStringLiteral("Notas:"), 0, 0, 0, 0, kEtiquetaCentrada);
    txtNotas_ = Caja(d, "txtNotas", true);
    lblInsLbl_ =
        CrearEtiqueta(d, "lblInsLbl", QStringLiteral("Instrucciones:"), 0, 0, 0, 0, kEtiquetaCentrada);
    txtInstrucciones_ = Caja(d, "txtInstrucciones", true);
    lblMisNotasLbl_ =
        CrearEtiqueta(d, "lblMisNotasLbl", QStringLiteral("Mis notas:"), 0, 0, 0, 0, kEtiquetaCentrada);
    misNotas_ = new CajaNotas(d, "txtMisNotas", "btnGuardarMisNotas");
    misNotas_->Caja()->setFont(FuenteInterfaz());

    txtFiltro_->installEventFilter(this);
    lstFormulas_->installEventFilter(this);
    connect(txtFiltro_, &QLineEdit::textChanged, this, &frmFormulas::CargarLista);
    connect(cboCat_, &QComboBox::currentIndexChanged, this, &frmFormulas::ClicCategoria);
    connect(chkES_, &QCheckBox::toggled, this, &frmFormulas::ClicIdioma);
    connect(lstFormulas_, &QListWidget::itemClicked, this, &frmFormulas::ClicLista);
    connect(txtVolumen_, &QLineEdit::textChanged, this, &frmFormulas::CambioVolumen);
    connect(cboUnidadVolumen_, &QComboBox::currentIndexChanged, this, &frmFormulas::CambioVolumen);
}

void frmFormulas::ConfigurarGrid() {
    QTableWidget* g = grdIngredientes_;
    EstiloGrid(g);
    g->setFont(FuenteInterfaz());
    g->horizontalHeader()->setFont(FuenteInterfaz());
    g->setColumnCount(kColumnas);
    g->setRowCount(18);
    g->verticalHeader()->setMinimumSectionSize(TwipsAPixeles(255));
    g->verticalHeader()->setDefaultSectionSize(
        std::max(TwipsAPixeles(255), QFontMetrics(g->font()).height() + 4));
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QStringList cabeceras = {QStringLiteral("Parte"), QStringLiteral("Ingredientes"),
                                   QStringLiteral("Cantidad"), QStringLiteral("Unidad")};
    for (int c = 0; c < kColumnas; ++c) {
        auto* cabecera = new QTableWidgetItem(cabeceras[c]);
        if (c == kColumnaCantidad)
            cabecera->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->setHorizontalHeaderItem(c, cabecera);
        g->setColumnWidth(c, TwipsAPixeles(kAnchos[c]));
    }
}

void frmFormulas::Cargar() {
    modoES = true;
    cargando = true;
    CargarCategorias();
    cargando = false;
    CargarLista();
    RestaurarAnchosColumnas(QStringLiteral("FormulasGrid"), grdIngredientes_);
    RestaurarPosicionVentana(QStringLiteral("Formulas"), Marco());
    DistribuirControles();
    EngancharRueda(grdIngredientes_);
}

void frmFormulas::CargarCategorias() {
    const QString elegida = cboCat_->currentIndex() > 0 ? cboCat_->currentData().toString() : QString();
    const bool habiaEleccion = cboCat_->currentIndex() > 0;
    cboCat_->clear();
    cboCat_->addItem(kTodas);
    QStringList categorias;
    try {
        categorias = formulas::CargarCategorias();
    } catch (const ErrorBD& e) {
        Dialogo().Informar(QString(), QStringLiteral("Error al cargar la lista: ") + e.Descripcion());
    }
    // The entry for formulas without a category carries the empty text.
    for (const QString& c : categorias)
        cboCat_->addItem(c, c == formulas::kSinCategoria ? QStringLiteral("") : c);
    int indice = 0;
    if (habiaEleccion)
        for (int i = 1; i < cboCat_->count(); ++i)
            if (cboCat_->itemData(i).toString() == elegida)
                indice = i;
    cboCat_->setCurrentIndex(indice);
}

void frmFormulas::RecargarLista() {
    cargando = true;
    CargarCategorias();
    cargando = false;
    CargarLista();
}

void frmFormulas::CargarLista() {
    if (!ReferenceDb())
        return;
    // When the notes could not be saved the detail stays, with them, as it is.
    const bool blanquear = ResolverMisNotas();
    lstFormulas_->clear();
    idsLista_.clear();
    if (blanquear)
        idActual = 0;
    std::optional<QString> categoria;
    if (cboCat_->currentIndex() > 0)
        categoria = cboCat_->currentData().toString();
    std::vector<formulas::EntradaLista> entradas;
    try {
        entradas = formulas::CargarLista(txtFiltro_->text().trimmed(), categoria, modoES);
    } catch (const ErrorBD& e) {
        Dialogo().Informar(QString(), QStringLiteral("Error al cargar la lista: ") + e.Descripcion());
        return;
    }
    // Added in one insertion; each entry's id stands beside it, by row.
    QStringList nombres;
    nombres.reserve(qsizetype(entradas.size()));
    for (const auto& e : entradas) {
        nombres << e.nombre;
        idsLista_.push_back(e.id);
    }
    lstFormulas_->addItems(nombres);
    lblConteo_->setText(QString::number(entradas.size()) + u" fórmulas");
    if (blanquear)
        LimpiarDetalle();
    else
        SeleccionarId(idActual);
}

void frmFormulas::LimpiarDetalle() {
    for (QLabel* l : {lblNombre_, lblSubtitulo_, lblTipoBadge_})
        l->clear();
    lblTipoBadge_->setAutoFillBackground(false);
    lblDilucion_->clear();
    for (QPlainTextEdit* t : {txtInstrucciones_, txtUso_, txtNotas_})
        t->clear();
    idMisNotas = 0;
    misNotas_->Vaciar();
    filas_.clear();
    LlenarGrid();
    idActual = 0;
}

void frmFormulas::MostrarFormula(int id) {
    std::optional<formulas::Detalle> d;
    try {
        d = formulas::MostrarFormula(id, modoES);
        if (!d) {
            LimpiarDetalle();
            return;
        }
        lblNombre_->setText(d->nombre);
        lblSubtitulo_->setText(d->subtitulo);
        lblTipoBadge_->setText(u"  " + d->tipo + u"  ");
        lblTipoBadge_->setAutoFillBackground(!d->tipo.isEmpty());
        lblDilucion_->setText(d->dilucion);
        txtInstrucciones_->setPlainText(d->instrucciones);
        txtUso_->setPlainText(d->uso);
        txtNotas_->setPlainText(d->notas);
        PonerMisNotas(id, formulas::CargarMisNotas(id));
        idActual = id;
        CargarIngredientes();
    } catch (const ErrorBD& e) {
        Dialogo().Informar(QString(), QStringLiteral("Error al mostrar formula: ") + e.Descripcion());
    }
}

void frmFormulas::CargarIngredientes() {
    filas_ = formulas::CargarIngredientes(idActual, modoES);
    LlenarGrid();
}

void frmFormulas::LlenarGrid() {
    QTableWidget* g = grdIngredientes_;
    g->setUpdatesEnabled(false);
    g->clearSelection();
    g->setRowCount(0);
    const std::vector<formulas::FilaIngrediente> filas = formulas::EscalarFilas(filas_, factor_);
    QFont negrita = g->font();
    negrita.setBold(true);
    int r = 0;
    for (size_t i = 0; i < filas.size(); ++i) {
        const formulas::FilaIngrediente& f = filas[i];
        ++r;
        g->setRowCount(r);
        const QString textos[kColumnas] = {f.parte, f.quimica, f.cantidad, f.unidad};
        // Scaled quantities stand out from those shown as published.
        const bool escalada = !f.titulo && (f.cantidad != filas_[i].cantidad || f.unidad != filas_[i].unidad);
        for (int c = 0; c < kColumnas; ++c) {
            auto* celda = new QTableWidgetItem(textos[c]);
            celda->setToolTip(textos[c]);
            if (c == kColumnaCantidad)
                celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (f.titulo) {
                celda->setBackground(Tema::FilaTituloParte);
                celda->setFont(negrita);
            } else {
                celda->setBackground(r % 2 == 0 ? Tema::ColorFilaAlterna : Tema::ColorBlanco);
                if (escalada && c >= kColumnaCantidad)
                    celda->setForeground(Tema::CantidadEscalada);
            }
            g->setItem(r - 1, c, celda);
        }
    }
    if (r == 0) {
        g->setRowCount(1);
        for (int c = 0; c < kColumnas; ++c)
            g->setItem(0, c, new QTableWidgetItem());
    }
    g->setUpdatesEnabled(true);
}

void frmFormulas::ClicCategoria() {
    if (!cargando)
        CargarLista();
}

void frmFormulas::ClicIdioma() {
    modoES = chkES_->isChecked();
    if (!ReferenceDb())
        return;
    const int id = idActual;
    // The user's notes do not depend on the language: unsaved edits go along to the other one.
    const bool cambiadas = MisNotasCambiadas() && idMisNotas == id;
    const QString notas = misNotas_->Texto();
    if (cambiadas)
        misNotas_->Vaciar();
    CargarLista();
    if (id >= 1 && SeleccionarId(id)) {
        MostrarFormula(id);
        if (cambiadas && idMisNotas == id)
            misNotas_->PonerSinGuardar(notas);
    } else if (cambiadas) {
        // The formula is not listed in this language: its notes stay until saved or dropped.
        PonerMisNotas(id, QString());
        misNotas_->PonerSinGuardar(notas);
        if (ResolverMisNotas()) {
            idMisNotas = 0;
            misNotas_->Vaciar();
        }
    }
}

void frmFormulas::ClicLista() {
    const int id = IdSeleccionado();
    if (id == 0)
        return;
    // The formula shown already keeps its unsaved notes.
    if (id == idActual && MisNotasCambiadas())
        return;
    if (!ResolverMisNotas()) {
        SeleccionarId(idActual);
        return;
    }
    MostrarFormula(id);
}

void frmFormulas::CambioVolumen() {
    const auto volumen = formulas::LeerVolumen(txtVolumen_->text(), cboUnidadVolumen_->currentText());
    factor_ = volumen ? *volumen / formulas::kVolumenPublicado : 1.0;
    if (!volumen)
        lblEscala_->setText(QStringLiteral("Volumen no válido"));
    else if (factor_ != 1)
        lblEscala_->setText(u"Cantidades " + formulas::TextoFactor(factor_));
    else
        lblEscala_->clear();
    lblEscala_->setToolTip(volumen ? QString()
                                   : QStringLiteral("Se muestran las cantidades publicadas, para 1 l"));
    LlenarGrid();
}

bool frmFormulas::MisNotasCambiadas() const {
    return idMisNotas != 0 && misNotas_->Cambiada();
}

bool frmFormulas::ResolverMisNotas() {
    return misNotas_->Resolver();
}

void frmFormulas::PonerMisNotas(int id, const QString& texto) {
    idMisNotas = id;
    auto guardar = [id](const QString& notas) {
        if (!ReferenceDb())
            throw ErrorBD(QStringLiteral("la base de datos de referencia está cerrada."));
        formulas::GuardarMisNotas(id, notas);
    };
    const QString nombre = lblNombre_->text().trimmed();
    misNotas_->Mostrar(u"Formula/" + QString::number(id), texto, guardar,
                       u"Mis notas de la fórmula " + (nombre.isEmpty() ? QString::number(id) : nombre));
}

bool frmFormulas::PonerBorrador(const QString& destino, const QString& texto) {
    if (!destino.startsWith(u"Formula/") || !ReferenceDb())
        return false;
    const int id = destino.mid(8).toInt();
    if (id < 1 || !ResolverMisNotas())
        return false;
    SeleccionarId(id);
    MostrarFormula(id);
    if (idMisNotas != id || misNotas_->Destino() != destino)
        return false;
    misNotas_->PonerSinGuardar(texto);
    return true;
}

int frmFormulas::IdSeleccionado() const {
    const int fila = lstFormulas_->currentRow();
    const QListWidgetItem* item = lstFormulas_->currentItem();
    return item && item->isSelected() && fila < int(idsLista_.size()) ? idsLista_[size_t(fila)] : 0;
}

bool frmFormulas::SeleccionarId(int id) {
    const auto i = std::find(idsLista_.begin(), idsLista_.end(), id);
    if (id < 1 || i == idsLista_.end())
        return false;
    lstFormulas_->setCurrentRow(int(i - idsLista_.begin()));
    return true;
}

bool frmFormulas::PreguntarCierre() {
    return ResolverMisNotas();
}

void frmFormulas::closeEvent(QCloseEvent* evento) {
    if (!ConfirmarCierre()) {
        evento->ignore();
        return;
    }
    if (GridEnganchado() == grdIngredientes_)
        SoltarRueda();
    GuardarPosicionVentana(QStringLiteral("Formulas"), Marco());
    GuardarAnchosColumnas(QStringLiteral("FormulasGrid"), grdIngredientes_);
    evento->accept();
}

void frmFormulas::resizeEvent(QResizeEvent* evento) {
    VentanaModulo::resizeEvent(evento);
    if (Marco()->isMinimized())
        return;
    const QSize tamano = ClienteTwips(this);
    if (tamano == ultimoTamano_)
        return;
    ultimoTamano_ = tamano;
    DistribuirControles();
}

bool frmFormulas::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate)
        DistribuirControles();
    return VentanaModulo::event(evento);
}

bool frmFormulas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == txtFiltro_ && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        txtFiltro_->clear();
        return true;
    }
    if (objeto == lstFormulas_ && evento->type() == QEvent::KeyRelease) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        switch (tecla->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (!tecla->isAutoRepeat())
                ClicLista();
            break;
        default:
            break;
        }
    }
    return VentanaModulo::eventFilter(objeto, evento);
}

void frmFormulas::DistribuirControles() {
    const QSize cliente = ClienteTwips(this);
    if (cliente.width() <= 0 || cliente.height() <= 0)
        return;
    int columnas = 0;
    for (int c = 0; c < kColumnas; ++c)
        columnas += PixelesATwips(grdIngredientes_->columnWidth(c));
    const formulas::DisposicionFormulas d =
        formulas::DisponerFormulas(cliente.width(), cliente.height(), columnas);
    const std::pair<QWidget*, QRect> lugares[] = {{picPanel_, d.picPanel},
                                                  {lstFormulas_, d.lstFormulas},
                                                  {picDetalle_, d.picDetalle},
                                                  {lblNombre_, d.lblNombre},
                                                  {lblSubtitulo_, d.lblSubtitulo},
                                                  {lblTipoBadge_, d.lblTipoBadge},
                                                  {lblSecIngr_, d.lblSecIngr},
                                                  {lblEscala_, d.lblEscala},
                                                  {lblPreparar_, d.lblPreparar},
                                                  {txtVolumen_, d.txtVolumen},
                                                  {cboUnidadVolumen_, d.cboUnidadVolumen},
                                                  {grdIngredientes_, d.grdIngredientes},
                                                  {lblUsoLbl_, d.lblUsoLbl},
                                                  {txtUso_, d.txtUso},
                                                  {lblSecInfo_, d.lblSecInfo},
                                                  {lblDilLbl_, d.lblDilLbl},
                                                  {lblDilucion_, d.lblDilucion},
                                                  {lblMisNotasLbl_, d.lblMisNotasLbl},
                                                  {misNotas_->Caja(), d.txtMisNotas},
                                                  {misNotas_->Boton(), d.btnGuardarMisNotas},
                                                  {lblNotasLbl_, d.lblNotasLbl},
                                                  {txtNotas_, d.txtNotas},
                                                  {lblInsLbl_, d.lblInsLbl},
                                                  {txtInstrucciones_, d.txtInstrucciones}};
    for (const auto& [control, r] : lugares)
        ColocarTwips(control, r.x(), r.y(), r.width(), r.height());
}
