#include "devtimes/frmPeliculasReveladores.h"

#include "devtimes/Disposicion.h"
#include "filmsheet/frmPeliculasInfoTec.h"
#include "shell/AlmacenDatos.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Tema.h"
#include "timer/frmTemporizador.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTableWidget>

namespace {

// A narrow button whose caption wraps onto several lines.
class BotonAjustado : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton opcion;
        initStyleOption(&opcion);
        opcion.text.clear();
        p.drawControl(QStyle::CE_PushButton, opcion);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

// Inside the notes panel, in twips; the widths follow the window.
constexpr int kIzquierdaCajas = 960;

} // namespace

frmPeliculasReveladores::frmPeliculasReveladores(Anfitrion& anfitrion, QWidget* padre)
    : VentanaBusquedaTiempos(anfitrion,
                             {QStringLiteral("PelRev"), QStringLiteral("PelRevGrid"), QString(),
                              QStringLiteral("Notas"), 3200, QStringLiteral("films"), QStringLiteral("devs"),
                              true},
                             padre) {
    setObjectName(QStringLiteral("frmPeliculasReveladores"));
    CrearNotas();
    menuGrid_ = new QMenu(this);
    menuGrid_->setObjectName(QStringLiteral("menuGrid"));
    QAction* iniciar = menuGrid_->addAction(QStringLiteral("Iniciar temporizador"));
    iniciar->setObjectName(QStringLiteral("mnuIniciarTemporizador"));
    connect(iniciar, &QAction::triggered, this, [this] { IniciarTemporizador(filaMenu_); });
    grdTiempos_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grdTiempos_, &QTableWidget::customContextMenuRequested, this, &frmPeliculasReveladores::MenuGrid);
    connect(grdTiempos_, &QTableWidget::cellDoubleClicked, this,
            [this](int fila) { IniciarTemporizador(fila + 1); });
    resize(1000, 660);
}

void frmPeliculasReveladores::CrearNotas() {
    picNotas_ = new QWidget(this);
    picNotas_->setObjectName(QStringLiteral("picNotas"));
    lblNotasTitulo_ = new QLabel(QStringLiteral("Notas:"), picNotas_);
    lblNotasTitulo_->setObjectName(QStringLiteral("lblNotasTitulo"));
    MarcarTitulo(lblNotasTitulo_);
    Colocar(lblNotasTitulo_, QRect(60, 60, 840, 285));
    txtNotas_ = new QPlainTextEdit(picNotas_);
    txtNotas_->setObjectName(QStringLiteral("txtNotas"));
    txtNotas_->setReadOnly(true);
    lblNotaPersonal_ = new QLabel(QStringLiteral("Mis notas:"), picNotas_);
    lblNotaPersonal_->setObjectName(QStringLiteral("lblNotaPersonal"));
    Colocar(lblNotaPersonal_, QRect(60, 1320, 840, 285));
    txtNotaPersonal_ = new QPlainTextEdit(picNotas_);
    txtNotaPersonal_->setObjectName(QStringLiteral("txtNotaPersonal"));
    txtNotaPersonal_->installEventFilter(this);
    btnGuardarNota_ = new BotonAjustado(QStringLiteral("Guardar mis notas"), picNotas_);
    btnGuardarNota_->setObjectName(QStringLiteral("btnGuardarNota"));
    btnGuardarNota_->setEnabled(false);

    chkInfoTecnica_ = new QCheckBox(QStringLiteral("Ver info técnica película"), this);
    chkInfoTecnica_->setObjectName(QStringLiteral("chkInfoTecnica"));
    ColorFondo(chkInfoTecnica_, Tema::FondoChkInfoTecnica);

    connect(btnGuardarNota_, &QPushButton::clicked, this, &frmPeliculasReveladores::GuardarNotaMia);
    connect(txtNotaPersonal_, &QPlainTextEdit::textChanged, this,
            &frmPeliculasReveladores::CambioNotaPersonal);
    connect(chkInfoTecnica_, &QCheckBox::toggled, this, &frmPeliculasReveladores::CambioInfoTecnica);
}

bool frmPeliculasReveladores::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == txtNotaPersonal_ && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        if (!txtNotaPersonal_->isReadOnly())
            txtNotaPersonal_->clear();
        return true;
    }
    return VentanaBusquedaTiempos::eventFilter(objeto, evento);
}

void frmPeliculasReveladores::closeEvent(QCloseEvent* evento) {
    PreguntarPorNota();
    VentanaBusquedaTiempos::closeEvent(evento);
}

std::vector<ItemLista> frmPeliculasReveladores::LeerItems(const QString& filtro) {
    return LeerLista(modoPelicula_, filtro);
}

QStringList frmPeliculasReveladores::LeerTemperaturasItem() {
    return LeerTemperaturas(modoPelicula_, idSeleccion_);
}

std::vector<QStringList> frmPeliculasReveladores::LeerFilasItem(const QString& temperatura) {
    return LeerTiempos(modoPelicula_, idSeleccion_, temperatura);
}

void frmPeliculasReveladores::AlSeleccionarItem() {
    idSeleccion_ = IdItem();
    if (idSeleccion_ > 0 && chkInfoTecnica_->isChecked())
        FichaTecnica(idSeleccion_);
}

QColor frmPeliculasReveladores::ColorFila(int fila) const {
    return fila % 2 == 1 ? ColorFilaAlterna : ColorBlanco;
}

Qt::Alignment frmPeliculasReveladores::AlineacionUltima(const QString& texto) const {
    // By content: numbers to the right, text to the left.
    bool numero = false;
    texto.trimmed().toDouble(&numero);
    return (numero ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void frmPeliculasReveladores::AlCargarLista() {
    idSeleccion_ = 0;
    txtNotas_->clear();
    VaciarNotas();
}

void frmPeliculasReveladores::VaciarNotas() {
    PreguntarPorNota();
    // The emptied box belongs to no row: a later save must not land on the previous one, and
    // nothing typed into it could be saved anywhere.
    const bool llenandoAntes = llenando_;
    llenando_ = true;
    txtNotaPersonal_->clear();
    llenando_ = llenandoAntes;
    txtNotaPersonal_->setReadOnly(true);
    idNotaMia_ = idPeliculaNota_ = idReveladorNota_ = 0;
    btnGuardarNota_->setEnabled(false);
}

void frmPeliculasReveladores::PreguntarPorNota() {
    if (!btnGuardarNota_->isEnabled())
        return;
    if (Dialogo().PreguntarSiNo(kTituloAplicacion,
                                QStringLiteral("Hay cambios sin guardar en Mis notas. ¿Guardar?"),
                                Icono::Pregunta) == Respuesta::Si)
        GuardarNotaMia();
    btnGuardarNota_->setEnabled(false);
}

void frmPeliculasReveladores::AlCambiarCabeceras() {
    chkInfoTecnica_->setVisible(modoPelicula_);
    chkInfoTecnica_->setEnabled(modoPelicula_);
    if (!modoPelicula_)
        chkInfoTecnica_->setChecked(false);
}

void frmPeliculasReveladores::MostrarFila(int fila) {
    CargarNotaMia(fila);
    const bool dentro = fila >= 1 && fila <= filasDatos_;
    const QString codigos = dentro ? Celda(fila, 7) : QString();
    if (codigos.trimmed().isEmpty()) {
        txtNotas_->clear();
        return;
    }
    try {
        txtNotas_->setPlainText(DescribirCodigos(codigos));
    } catch (const ErrorBD& e) {
        txtNotas_->setPlainText(codigos);
        InformarError(QStringLiteral("Error al leer las notas: "), e);
    }
}

void frmPeliculasReveladores::CargarNotaMia(int fila) {
    VaciarNotas();
    if (!ReferenceDb() || fila < 1 || fila > filasDatos_ || idSeleccion_ == 0)
        return;
    try {
        const int otro = BuscarIdOtroLado(modoPelicula_, Celda(fila, 0));
        if (otro == 0)
            return;
        idPeliculaNota_ = modoPelicula_ ? idSeleccion_ : otro;
        idReveladorNota_ = modoPelicula_ ? otro : idSeleccion_;
        modoNota_ = modoPelicula_;
        txtNotaPersonal_->setReadOnly(false);
        if (const auto nota = LeerNotaMia(modoPelicula_, idPeliculaNota_, idReveladorNota_)) {
            idNotaMia_ = nota->idNota;
            llenando_ = true;
            txtNotaPersonal_->setPlainText(nota->texto);
            llenando_ = false;
        }
    } catch (const ErrorBD& e) {
        llenando_ = false;
        InformarError(QStringLiteral("Error al leer mis notas: "), e);
    }
}

void frmPeliculasReveladores::CambioNotaPersonal() {
    if (!llenando_ && idPeliculaNota_ != 0 && idReveladorNota_ != 0)
        btnGuardarNota_->setEnabled(true);
}

void frmPeliculasReveladores::GuardarNotaMia() {
    if (!ReferenceDb() || idPeliculaNota_ == 0 || idReveladorNota_ == 0)
        return;
    try {
        // The side the note was read on: a mode change may already have switched the window.
        idNotaMia_ = ::GuardarNotaMia(modoNota_, idNotaMia_, idPeliculaNota_, idReveladorNota_,
                                      TextoEscrito(txtNotaPersonal_));
    } catch (const ErrorBD& e) {
        // The text stays in the box, and the button enabled, for another try.
        InformarError(QStringLiteral("Error al guardar notas: "), e);
        return;
    }
    btnGuardarNota_->setEnabled(false);
}

void frmPeliculasReveladores::CambioInfoTecnica() {
    if (!chkInfoTecnica_->isChecked())
        FichaTecnica(0);
    else if (idSeleccion_ > 0)
        FichaTecnica(idSeleccion_);
}

void frmPeliculasReveladores::FichaTecnica(int idPelicula) {
    if (idPelicula > 0)
        frmPeliculasInfoTec::MostrarPelicula(anfitrion_, idPelicula);
    else
        frmPeliculasInfoTec::Cerrar(anfitrion_);
}

void frmPeliculasReveladores::Redistribuir(int W, int H, int T) {
    const DisposicionTiempos d = DisponerTiempos(W, H, T);
    ColocarComunes(d);
    Colocar(picNotas_, d.picNotas);
    Colocar(txtNotas_, QRect(kIzquierdaCajas, 60, d.anchoNotas, 1140));
    const QRect notaPersonal(kIzquierdaCajas, 1320, d.anchoNotaPersonal, 1275);
    Colocar(txtNotaPersonal_, notaPersonal);
    Colocar(btnGuardarNota_, DisponerBotonNota(notaPersonal));
    Colocar(chkInfoTecnica_, d.chkInfoTecnica);
}

void frmPeliculasReveladores::MenuGrid(const QPoint& punto) {
    filaMenu_ = grdTiempos_->rowAt(punto.y()) + 1;
    if (filaMenu_ < 1 || filaMenu_ > filasDatos_)
        return;
    menuGrid_->popup(grdTiempos_->viewport()->mapToGlobal(punto));
}

void frmPeliculasReveladores::IniciarTemporizador(int fila) {
    if (fila < 1 || fila > filasDatos_ || Celda(fila, 0).trimmed().isEmpty())
        return;
    const QString otro = Celda(fila, 0);
    const DatosRevelado datos =
        DatosDeFila(modoPelicula_ ? TextoItem() : otro, modoPelicula_ ? otro : TextoItem(), Celda(fila, 1),
                    Celda(fila, 2), {Celda(fila, 3), Celda(fila, 4), Celda(fila, 5)}, Celda(fila, 6));
    anfitrion_.Abrir<frmTemporizador>()->Llenar(datos);
}
