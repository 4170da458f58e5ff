#include "timer/PanelCuaderno.h"

#include "shell/ApunteBorrador.h"
#include "shell/BaseDatos.h"
#include "shell/BorradorLinea.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Tema.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

// Placed at (5160, 3690) twips in the timer: the controls keep the timer's own geometry.
PanelCuaderno::PanelCuaderno(QWidget* padre) : QWidget(padre) {
    Situar(this, "panelCuaderno", 5160, 3690, 5520, 3060);
    auto* lblSecCuaderno =
        CrearEtiqueta(this, "lblSecCuaderno", QStringLiteral("CUADERNO DE REVELADO"), 0, 0, 5520, 240);
    lblSecCuaderno->setFont(Fuente(Tema::FaceInterfaz, 8, true));
    lstCuaderno_ = CrearControl<QListWidget>(this, "lstCuaderno", 0, 270, 5520, 2340);
    lstCuaderno_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstCuaderno_, &QListWidget::customContextMenuRequested, this, &PanelCuaderno::Menu);
    txtNotaCuaderno_ = CrearControl<QLineEdit>(this, "txtNotaCuaderno", 0, 2730, 3480, 300);
    txtNotaCuaderno_->setPlaceholderText(QStringLiteral("Nota"));
    borradorNota_ =
        ApuntarLinea(txtNotaCuaderno_, kDestinoNotaCuaderno, QStringLiteral("Nota del cuaderno de revelado"));
    btnGuardarCuaderno_ = CrearControl<QPushButton>(this, "btnGuardarCuaderno", 3600, 2715, 1920, 345);
    btnGuardarCuaderno_->setText(QStringLiteral("Guardar en el cuaderno"));
    btnGuardarCuaderno_->setEnabled(false);
    connect(btnGuardarCuaderno_, &QPushButton::clicked, this, &PanelCuaderno::Guardar);
}

void PanelCuaderno::Llenar() {
    lstCuaderno_->clear();
    cuaderno_.clear();
    try {
        cuaderno_ = LeerCuaderno();
        for (const EntradaCuaderno& e : cuaderno_)
            lstCuaderno_->addItem(TextoEntrada(e));
    } catch (const ErrorBD& error) {
        Dialogo().Informar(QString(), u"Error al cargar el cuaderno: " + error.Descripcion(), Icono::Critico);
    }
}

QString PanelCuaderno::Nota() const {
    return txtNotaCuaderno_->text();
}

void PanelCuaderno::Guardado() {
    btnGuardarCuaderno_->setEnabled(false);
    txtNotaCuaderno_->clear();
    borradorNota_->Quitar(kDestinoNotaCuaderno);
    Llenar();
}

void PanelCuaderno::HabilitarGuardar(bool si) {
    btnGuardarCuaderno_->setEnabled(si);
}

void PanelCuaderno::OlvidarBorrador() {
    borradorNota_->Quitar(kDestinoNotaCuaderno);
}

void PanelCuaderno::Menu(const QPoint& punto) {
    const int fila = lstCuaderno_->indexAt(punto).row();
    if (fila < 0 || fila >= int(cuaderno_.size()))
        return;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menuCuaderno"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* guardar = menu->addAction(QStringLiteral("Guardar como mi tiempo…"));
    guardar->setObjectName(QStringLiteral("mnuGuardarComoMiTiempo"));
    const TiempoPropio t = TiempoDeEntrada(cuaderno_[size_t(fila)]);
    connect(guardar, &QAction::triggered, this, [this, t] { Q_EMIT ComoTiempoPropio(t); });
    menu->popup(lstCuaderno_->viewport()->mapToGlobal(punto));
}
