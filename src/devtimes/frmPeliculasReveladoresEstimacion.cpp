// The estimated rows of the development-time search window: asked for from a grid row's context
// menu, shown among the item's rows in their own colour, never stored.

#include "devtimes/frmPeliculasReveladores.h"

#include "shell/AlmacenDatos.h"
#include "shell/Dialogos.h"

#include <QComboBox>
#include <QMenu>
#include <QTableWidget>

namespace {

const QString kTituloIso = QStringLiteral("Estimar para otro ISO");
const QString kTituloTemperatura = QStringLiteral("Estimar para otra temperatura");

} // namespace

void frmPeliculasReveladores::CrearMenuEstimacion() {
    accEstimarIso_ = new QAction(QStringLiteral("Estimar para otro ISO…"), this);
    accEstimarIso_->setObjectName(QStringLiteral("mnuEstimarIso"));
    connect(accEstimarIso_, &QAction::triggered, this, &frmPeliculasReveladores::EstimarOtroIso);
    accEstimarTemp_ = new QAction(QStringLiteral("Estimar para otra temperatura…"), this);
    accEstimarTemp_->setObjectName(QStringLiteral("mnuEstimarTemperatura"));
    connect(accEstimarTemp_, &QAction::triggered, this, &frmPeliculasReveladores::EstimarOtraTemperatura);
    // Right after "Iniciar temporizador".
    const QList<QAction*> acciones = menuGrid_->actions();
    QAction* antes = acciones.size() > 1 ? acciones[1] : nullptr;
    menuGrid_->insertActions(antes, {accEstimarIso_, accEstimarTemp_});
    connect(menuGrid_, &QMenu::aboutToShow, this, [this] {
        const bool estimable = filaMenu_ >= 1 && IdPropio(filaMenu_) == 0 && !Estimada(filaMenu_) &&
                               idSeleccion_ > 0 &&
                               !HojaDeFila({"", "", "", "", "", "", "", Celda(filaMenu_, 7)}).isEmpty();
        accEstimarIso_->setEnabled(estimable);
        accEstimarTemp_->setEnabled(estimable);
    });
}

void frmPeliculasReveladores::EstimarOtroIso() {
    Estimar(false);
}

void frmPeliculasReveladores::EstimarOtraTemperatura() {
    Estimar(true);
}

const FilaEstimada* frmPeliculasReveladores::Estimada(int fila) const {
    if (fila < 1 || fila > int(estimadaDeFila_.size()))
        return nullptr;
    const int i = estimadaDeFila_[size_t(fila - 1)];
    return i >= 0 ? &estimadas_[size_t(i)] : nullptr;
}

void frmPeliculasReveladores::AnadirEstimadas(std::vector<QStringList>& textos, const QString& temperatura) {
    const QString dueno = (modoPelicula_ ? u"P|" : u"R|") + TextoItem();
    if (dueno != duenoEstimadas_) {
        estimadas_.clear();
        duenoEstimadas_ = dueno;
    }
    estimadaDeFila_.assign(textos.size(), -1);
    for (size_t i = 0; i < estimadas_.size(); ++i) {
        const QStringList& e = estimadas_[i].textos;
        if (!temperatura.isEmpty() && e.value(6) != temperatura)
            continue;
        const size_t donde = PosicionEstimada(textos, e);
        textos.insert(textos.begin() + std::ptrdiff_t(donde), e);
        idsPropios_.insert(idsPropios_.begin() + std::ptrdiff_t(donde), 0);
        estimadaDeFila_.insert(estimadaDeFila_.begin() + std::ptrdiff_t(donde), int(i));
    }
}

void frmPeliculasReveladores::Estimar(bool porTemperatura) {
    const int fila = filaMenu_;
    if (fila < 1 || fila > filasDatos_ || IdPropio(fila) != 0 || Estimada(fila) || idSeleccion_ <= 0)
        return;
    const QString& titulo = porTemperatura ? kTituloTemperatura : kTituloIso;
    QStringList textos;
    for (int c = 0; c < grdTiempos_->columnCount(); ++c)
        textos << Celda(fila, c);
    // What was typed is asked for again until it reads, or the user cancels.
    QString tecleado;
    std::optional<double> valor;
    while (!valor) {
        const auto respuesta =
            Dialogo().PedirTexto(titulo,
                                 porTemperatura ? QStringLiteral("Temperatura del baño, de 10 a 30 °C:")
                                                : QStringLiteral("ISO de exposición:"),
                                 tecleado);
        if (!respuesta)
            return;
        tecleado = *respuesta;
        valor = porTemperatura ? NumeroTecleado(QString(tecleado).remove(QStringLiteral("°C")), 10, 30)
                               : NumeroTecleado(tecleado, 1, 100000);
        if (!valor)
            Dialogo().Informar(titulo,
                               porTemperatura
                                   ? QStringLiteral("Escriba una temperatura de 10 a 30 °C, por ejemplo 23.")
                                   : QStringLiteral("Escriba un ISO de 1 a 100000, por ejemplo 640."),
                               Icono::Exclamacion);
    }
    // The whole ladder of the item, every temperature, from the reference data alone.
    std::vector<QStringList> filas;
    try {
        filas = LeerTiempos(modoPelicula_, idSeleccion_, QString());
    } catch (const ErrorBD& e) {
        InformarError(QStringLiteral("Error al cargar los tiempos: "), e);
        return;
    }
    const auto donde = std::find(filas.begin(), filas.end(), textos);
    QString motivo = QStringLiteral("Sin estimación: la fila ya no está en los datos de referencia.");
    std::optional<FilaEstimada> estimada;
    if (donde != filas.end()) {
        const size_t i = size_t(donde - filas.begin());
        estimada = porTemperatura ? EstimarFilaTemperatura(filas, i, *valor,
                                                           modoPelicula_ ? textos[0] : TextoItem(), &motivo)
                                  : EstimarFilaEi(filas, i, *valor, &motivo);
    }
    if (!estimada) {
        Dialogo().Informar(titulo, motivo);
        return;
    }
    // The same estimate asked again replaces the earlier one.
    std::erase_if(estimadas_, [&](const FilaEstimada& f) { return f.textos == estimada->textos; });
    estimadas_.push_back(*estimada);
    const int indice = int(estimadas_.size()) - 1;
    if (cboTemp_->currentIndex() > 0 && cboTemp_->currentText() != estimada->textos.value(6))
        cboTemp_->setCurrentIndex(0); // the filter would hide it; this reloads the times
    else
        CargarTiempos();
    for (int f = 1; f <= filasDatos_; ++f)
        if (estimadaDeFila_[size_t(f - 1)] == indice) {
            grdTiempos_->setCurrentCell(f - 1, 0, QItemSelectionModel::NoUpdate);
            grdTiempos_->scrollToItem(grdTiempos_->item(f - 1, 0));
            SeleccionarFila(f);
            MostrarFila(f);
            break;
        }
}
