#include "devtimes/frmTiempoPropio.h"

#include "devtimes/BorradorTiempoPropio.h"
#include "devtimes/FormularioTiempoPropio.h"
#include "shell/AlmacenDatos.h"
#include "shell/ApunteBorrador.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Tema.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kTitulo = QStringLiteral("Mi tiempo");

QComboBox* ComboNombres(QWidget* padre, const char* nombre, bool modoPelicula) {
    auto* c = new QComboBox(padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    QStringList nombres;
    try {
        for (const ItemLista& i :
             MezclarLista(LeerLista(modoPelicula, {}), LeerNombresPropios(modoPelicula, {})))
            nombres << i.nombre;
    } catch (const ErrorBD&) {
        // Without the lists the names are typed.
    }
    c->addItems(nombres);
    c->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    c->completer()->setFilterMode(Qt::MatchContains);
    c->completer()->setCompletionMode(QCompleter::PopupCompletion);
    return c;
}

QLineEdit* Caja(QWidget* padre, const char* nombre, const QString& ayuda = {}) {
    auto* c = new QLineEdit(padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setPlaceholderText(ayuda);
    return c;
}

} // namespace

frmTiempoPropio::frmTiempoPropio(const TiempoPropio& t, QWidget* padre) : QDialog(padre), tiempo_(t) {
    setObjectName(QStringLiteral("frmTiempoPropio"));
    setWindowTitle(t.id == 0 ? QStringLiteral("Añadir mi tiempo") : QStringLiteral("Editar mi tiempo"));
    setFont(Fuente(Tema::FaceInterfaz, 8.5));
    CrearControles();
    Llenar(t);
}

void frmTiempoPropio::CrearControles() {
    cboPelicula_ = ComboNombres(this, "cboPelicula", true);
    cboRevelador_ = ComboNombres(this, "cboRevelador", false);
    txtDilucion_ = Caja(this, "txtDilucion", QStringLiteral("1+50, stock…"));
    txtEI_ = Caja(this, "txtEI", QStringLiteral("400"));
    txt35_ = Caja(this, "txt35", QStringLiteral("8:30 u 8,5"));
    txt120_ = Caja(this, "txt120", QStringLiteral("8:30 u 8,5"));
    txtHoja_ = Caja(this, "txtHoja", QStringLiteral("8:30 u 8,5"));
    txtTemperatura_ = Caja(this, "txtTemperatura", QStringLiteral("20"));
    txtAgitacion_ = Caja(this, "txtAgitacion", QStringLiteral("10 s cada minuto…"));
    txtNota_ = new QPlainTextEdit(this);
    txtNota_->setObjectName(QStringLiteral("txtNota"));
    txtNota_->setTabChangesFocus(true);
    AjustarALineas(txtNota_);
    btnGuardar_ = new QPushButton(QStringLiteral("Guardar"), this);
    btnGuardar_->setObjectName(QStringLiteral("btnGuardar"));
    btnGuardar_->setDefault(true);
    btnCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));

    auto* rejilla = new QGridLayout(this);
    int fila = 0;
    auto poner = [&](const QString& titulo, QWidget* control, int columnas = 3) {
        auto* etiqueta = new QLabel(titulo + u':', this);
        etiqueta->setBuddy(control);
        // Beside the first line of a tall box, not its middle.
        rejilla->addWidget(etiqueta, fila, 0, Qt::AlignLeft | Qt::AlignTop);
        rejilla->addWidget(control, fila++, 1, 1, columnas);
    };
    poner(QStringLiteral("Película"), cboPelicula_);
    poner(QStringLiteral("Revelador"), cboRevelador_);
    poner(QStringLiteral("Dilución"), txtDilucion_);
    poner(QStringLiteral("EI"), txtEI_, 1);
    rejilla->addWidget(new QLabel(QStringLiteral("Temperatura (°C):"), this), fila - 1, 2);
    rejilla->addWidget(txtTemperatura_, fila - 1, 3);
    auto* tiempos = new QHBoxLayout;
    for (auto [titulo, caja] :
         {std::pair{"35 mm", txt35_}, std::pair{"120", txt120_}, std::pair{"Hoja", txtHoja_}}) {
        tiempos->addWidget(new QLabel(QString::fromUtf8(titulo) + u':', this));
        tiempos->addWidget(caja);
    }
    rejilla->addWidget(new QLabel(QStringLiteral("Tiempos:"), this), fila, 0);
    rejilla->addLayout(tiempos, fila++, 1, 1, 3);
    poner(QStringLiteral("Agitación"), txtAgitacion_);
    poner(QStringLiteral("Nota"), txtNota_);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btnGuardar_);
    botones->addWidget(btnCancelar_);
    rejilla->addLayout(botones, fila, 0, 1, 4);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnStretch(3, 1);
    resize(520, 380);

    connect(btnGuardar_, &QPushButton::clicked, this, &frmTiempoPropio::accept);
    connect(btnCancelar_, &QPushButton::clicked, this, &frmTiempoPropio::reject);
    apunte_ = new ApunteBorrador(this, [this]() -> std::optional<Borrador> {
        if (!cambiado_)
            return std::nullopt;
        const TiempoPropio t = Escrito();
        Borrador b;
        b.destino = DestinoTiempoPropio(tiempo_.id);
        b.etiqueta = t.pelicula.trimmed().isEmpty() && t.revelador.trimmed().isEmpty()
                         ? QStringLiteral("Mi tiempo (nuevo)")
                         : u"Mi tiempo de " + t.pelicula.trimmed() + u" en " + t.revelador.trimmed();
        b.texto = TextoBorradorTiempo(t);
        b.formato = QStringLiteral("tiempo");
        return b;
    });
    auto marcar = [this] {
        cambiado_ = true;
        apunte_->Cambio();
    };
    for (QComboBox* c : {cboPelicula_, cboRevelador_})
        connect(c, &QComboBox::editTextChanged, this, marcar);
    for (QLineEdit* c : {txtDilucion_, txtEI_, txt35_, txt120_, txtHoja_, txtTemperatura_, txtAgitacion_})
        connect(c, &QLineEdit::textEdited, this, marcar);
    connect(txtNota_, &QPlainTextEdit::textChanged, this, marcar);
}

void frmTiempoPropio::Llenar(const TiempoPropio& t) {
    cboPelicula_->setEditText(t.pelicula);
    cboRevelador_->setEditText(t.revelador);
    txtDilucion_->setText(t.dilucion);
    txtEI_->setText(t.ei);
    txt35_->setText(t.tiempo35);
    txt120_->setText(t.tiempo120);
    txtHoja_->setText(t.tiempoHoja);
    txtTemperatura_->setText(t.temperatura);
    txtAgitacion_->setText(t.agitacion);
    txtNota_->setPlainText(t.nota);
    cambiado_ = false;
    // The first field still to be written; a prefilled time is changed at its EI.
    QWidget* foco = t.pelicula.isEmpty()    ? static_cast<QWidget*>(cboPelicula_)
                    : t.revelador.isEmpty() ? static_cast<QWidget*>(cboRevelador_)
                                            : txtEI_;
    foco->setFocus();
    if (foco == txtEI_)
        txtEI_->selectAll();
}

TiempoPropio frmTiempoPropio::Escrito() const {
    TiempoPropio t;
    t.id = tiempo_.id;
    t.pelicula = cboPelicula_->currentText();
    t.revelador = cboRevelador_->currentText();
    t.dilucion = txtDilucion_->text();
    t.ei = txtEI_->text();
    t.tiempo35 = txt35_->text();
    t.tiempo120 = txt120_->text();
    t.tiempoHoja = txtHoja_->text();
    t.temperatura = txtTemperatura_->text();
    t.agitacion = txtAgitacion_->text();
    t.nota = TextoEscrito(txtNota_);
    return t;
}

QWidget* frmTiempoPropio::Campo(const QString& titulo) const {
    const std::pair<const char*, QWidget*> campos[] = {{"Película", cboPelicula_},
                                                       {"Revelador", cboRevelador_},
                                                       {"Dilución", txtDilucion_},
                                                       {"EI", txtEI_},
                                                       {"120", txt120_},
                                                       {"Hoja", txtHoja_},
                                                       {"Temperatura", txtTemperatura_},
                                                       {"Agitación", txtAgitacion_},
                                                       {"Nota", txtNota_}};
    for (const auto& [nombre, control] : campos)
        if (titulo == QString::fromUtf8(nombre))
            return control;
    return txt35_;
}

void frmTiempoPropio::accept() {
    const auto validado = ValidarTiempoPropio(Escrito());
    if (const auto* error = std::get_if<CampoInvalido>(&validado)) {
        Dialogo().Informar(kTitulo, error->mensaje, Icono::Exclamacion);
        Campo(error->campo)->setFocus();
        return;
    }
    TiempoPropio t = std::get<TiempoPropio>(validado);
    try {
        std::optional<qint64> igual = BuscarTiempoIgual(t);
        if (igual) {
            const QString texto = u"Ya tiene un tiempo propio de " + t.pelicula + u" en " + t.revelador +
                                  u' ' + t.dilucion + u" a EI " + t.ei + u" y " + t.temperatura +
                                  u" °C.\n¿Reemplazarlo por este?";
            if (Dialogo().PreguntarSiNo(kTitulo, texto, Icono::Pregunta) != Respuesta::Si)
                return;
        }
        t.id = GuardarTiempoPropio(t, igual);
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTitulo, u"No se pudo guardar el tiempo: " + e.Descripcion(), Icono::Exclamacion);
        return;
    }
    apunte_->Quitar(DestinoTiempoPropio(tiempo_.id));
    tiempo_ = t;
    cambiado_ = false;
    Q_EMIT Guardado(tiempo_);
    QDialog::accept();
}

void frmTiempoPropio::reject() {
    if (cambiado_ && Dialogo().PreguntarSiNo(kTitulo, QStringLiteral("¿Descartar lo escrito sin guardarlo?"),
                                             Icono::Pregunta) != Respuesta::Si)
        return;
    apunte_->Quitar(DestinoTiempoPropio(tiempo_.id));
    QDialog::reject();
}

void frmTiempoPropio::PonerBorrador(const TiempoPropio& t) {
    Llenar(t);
    cambiado_ = true;
    apunte_->Cambio();
}
