#include "session/frmSesionRevelado.h"

#include "calculators/CompensacionTemp.h"
#include "devtimes/TiemposPropios.h"
#include "session/AlmacenSesiones.h"
#include "session/CifrasFabricante.h"
#include "shell/ApunteBorrador.h"
#include "shell/AvisoDatosPropios.h"
#include "shell/BaseDatos.h"
#include "shell/BorradorLinea.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Numeros.h"
#include "shell/Posiciones.h"
#include "timer/AjustesTemporizador.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

namespace {

const QString kTitulo = QStringLiteral("Sesión de revelado");
const QString kClave = QStringLiteral("SesionRevelado");
const QString kFormatoFecha = QStringLiteral("dd/MM/yyyy");
// The note's draft: after a crash it comes back as a personal note, the plan being gone.
const QString kDestinoNota = QStringLiteral("Sesion/nota");
enum ColumnaBano { ColEtapa, ColProducto, ColDilucion, ColTiempo, ColFuente, kColumnasBano };

QString Grados(int decimas) {
    return FormatoNumero(decimas / 10.0, u"0.0") + u" \u00B0C";
}

QString Ml(double ml) {
    return FormatoNumero(ml, u"0.00") + u" ml";
}

// A whole number typed in a box: empty is `vacio`; anything else but digits says why.
std::optional<int> Entero(const QLineEdit* caja, const QString& que, std::optional<int> vacio,
                          QString* error) {
    static const QRegularExpression digitos(QStringLiteral("^\\s*\\d{1,6}\\s*$"));
    const QString texto = caja->text();
    if (texto.trimmed().isEmpty()) {
        if (!vacio)
            *error = que + u": escriba un número entero.";
        return vacio;
    }
    if (!digitos.match(texto).hasMatch()) {
        *error = que + u": «" + texto.trimmed() + u"» no es un número entero.";
        return std::nullopt;
    }
    return texto.trimmed().toInt();
}

QString TextoFila(const DatosRevelado& d) {
    QString t = d.revelador + u' ' + d.dilucion + u" · EI " + d.ei;
    for (int f = 0; f < kNumFormatos; ++f)
        if (d.segundos[f])
            t += u" · " + NombreFormato(f) + u' ' + FormatoMinSeg(*d.segundos[f]);
    return t + u" · " + Grados(d.decimasBase);
}

bool MismaFila(const DatosRevelado& a, const DatosRevelado& b) {
    return a.revelador == b.revelador && a.dilucion == b.dilucion && a.ei == b.ei &&
           a.segundos == b.segundos && a.decimasBase == b.decimasBase;
}

QLineEdit* Caja(QWidget* padre, const char* nombre, const QString& sugerencia = QString()) {
    auto* c = new QLineEdit(padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setPlaceholderText(sugerencia);
    return c;
}

QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto = QString()) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QPushButton* Boton(QWidget* padre, const char* nombre, const QString& texto) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    return b;
}

// A store call; its failure is told with the prefix and leaves nothing changed. False then.
template <class F> bool Intentar(const QString& prefijo, F&& f) {
    try {
        f();
        return true;
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTitulo, prefijo + e.Descripcion(), Icono::Critico);
        return false;
    }
}

} // namespace

frmSesionRevelado::frmSesionRevelado(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmSesionRevelado"));
    setWindowTitle(kTitulo);
    CrearControles();
    connect(&AvisoDatosPropios::Instancia(), &AvisoDatosPropios::Cambiados, this,
            &frmSesionRevelado::Recargar);
    resize(1040, 800);
}

void frmSesionRevelado::CrearControles() {
    auto* raiz = new QGridLayout(this);

    auto* fraTanque = new QGroupBox(QStringLiteral("Tanque"), this);
    fraTanque->setObjectName(QStringLiteral("fraTanque"));
    auto* gt = new QGridLayout(fraTanque);
    cboTanque_ = new QComboBox(fraTanque);
    cboTanque_->setObjectName(QStringLiteral("cboTanque"));
    gt->addWidget(cboTanque_, 0, 0, 1, 4);
    gt->addWidget(Etiqueta(fraTanque, "lblNombreTanque", QStringLiteral("Nombre:")), 1, 0);
    txtTanque_ = Caja(fraTanque, "txtTanque");
    gt->addWidget(txtTanque_, 1, 1, 1, 3);
    gt->addWidget(Etiqueta(fraTanque, "lblMlCarrete", QStringLiteral("ml por carrete: 35 mm / 120")), 2, 0, 1,
                  2);
    txtMl35_ = Caja(fraTanque, "txtMl35");
    txtMl120_ = Caja(fraTanque, "txtMl120");
    gt->addWidget(txtMl35_, 2, 2);
    gt->addWidget(txtMl120_, 2, 3);
    gt->addWidget(Etiqueta(fraTanque, "lblCabida", QStringLiteral("Carretes que admite: 35 mm / 120")), 3, 0,
                  1, 2);
    txtMax35_ = Caja(fraTanque, "txtMax35", QStringLiteral("sin indicar"));
    txtMax120_ = Caja(fraTanque, "txtMax120", QStringLiteral("sin indicar"));
    gt->addWidget(txtMax35_, 3, 2);
    gt->addWidget(txtMax120_, 3, 3);
    auto* btnGuardarTanque = Boton(fraTanque, "btnGuardarTanque", QStringLiteral("Guardar como mi tanque"));
    btnBorrarTanque_ = Boton(fraTanque, "btnBorrarTanque", QStringLiteral("Borrar mi tanque"));
    gt->addWidget(btnGuardarTanque, 4, 0, 1, 2);
    gt->addWidget(btnBorrarTanque_, 4, 2, 1, 2);
    lblTanqueNota_ = Etiqueta(fraTanque, "lblTanqueNota");
    gt->addWidget(lblTanqueNota_, 5, 0, 1, 4);
    raiz->addWidget(fraTanque, 0, 0);

    auto* fraCarga = new QGroupBox(QStringLiteral("Carga y revelado"), this);
    fraCarga->setObjectName(QStringLiteral("fraCarga"));
    auto* gc = new QGridLayout(fraCarga);
    gc->addWidget(Etiqueta(fraCarga, "lblCarga", QStringLiteral("Carretes 35 mm / 120, hojas:")), 0, 0);
    txtCarretes35_ = Caja(fraCarga, "txtCarretes35", QStringLiteral("0"));
    txtCarretes120_ = Caja(fraCarga, "txtCarretes120", QStringLiteral("0"));
    txtHojas_ = Caja(fraCarga, "txtHojas", QStringLiteral("0"));
    gc->addWidget(txtCarretes35_, 0, 1);
    gc->addWidget(txtCarretes120_, 0, 2);
    gc->addWidget(txtHojas_, 0, 3);
    gc->addWidget(Etiqueta(fraCarga, "lblVolumenTecleado", QStringLiteral("Volumen de trabajo (ml):")), 1, 0);
    txtVolumen_ = Caja(fraCarga, "txtVolumen", QStringLiteral("el del tanque"));
    gc->addWidget(txtVolumen_, 1, 1, 1, 3);
    gc->addWidget(Etiqueta(fraCarga, "lblPelicula", QStringLiteral("Película:")), 2, 0);
    cboPelicula_ = new QComboBox(fraCarga);
    cboPelicula_->setObjectName(QStringLiteral("cboPelicula"));
    gc->addWidget(cboPelicula_, 2, 1, 1, 3);
    gc->addWidget(Etiqueta(fraCarga, "lblFila", QStringLiteral("Revelador, dilución, EI:")), 3, 0);
    cboFila_ = new QComboBox(fraCarga);
    cboFila_->setObjectName(QStringLiteral("cboFila"));
    gc->addWidget(cboFila_, 3, 1, 1, 3);
    gc->addWidget(Etiqueta(fraCarga, "lblTempBano", QStringLiteral("Temperatura del baño (°C):")), 4, 0);
    txtTempBano_ = Caja(fraCarga, "txtTempBano");
    txtTempBano_->setText(FormatoNumero(20, u"0.0"));
    gc->addWidget(txtTempBano_, 4, 1);
    raiz->addWidget(fraCarga, 0, 1);

    auto* fraBotella = new QGroupBox(QStringLiteral("Botella de revelador"), this);
    fraBotella->setObjectName(QStringLiteral("fraBotella"));
    auto* gb = new QGridLayout(fraBotella);
    cboBotella_ = new QComboBox(fraBotella);
    cboBotella_->setObjectName(QStringLiteral("cboBotella"));
    gb->addWidget(cboBotella_, 0, 0, 1, 4);
    lblEstadoBotella_ = Etiqueta(fraBotella, "lblEstadoBotella");
    gb->addWidget(lblEstadoBotella_, 1, 0, 1, 4);
    lblNuevaBotella_ = Etiqueta(fraBotella, "lblNuevaBotella");
    gb->addWidget(lblNuevaBotella_, 2, 0, 1, 4);
    txtBotRevelador_ = Caja(fraBotella, "txtBotRevelador");
    txtBotDilucion_ = Caja(fraBotella, "txtBotDilucion", kDilucionConcentrado + u", stock o 1+4");
    txtBotMezclada_ = Caja(fraBotella, "txtBotMezclada", QStringLiteral("hoy (dd/mm/aaaa)"));
    txtBotMl_ = Caja(fraBotella, "txtBotMl", QStringLiteral("ml"));
    gb->addWidget(txtBotRevelador_, 3, 0);
    gb->addWidget(txtBotDilucion_, 3, 1);
    gb->addWidget(txtBotMezclada_, 3, 2);
    gb->addWidget(txtBotMl_, 3, 3);
    txtBotNota_ = Caja(fraBotella, "txtBotNota", QStringLiteral("nota (opcional)"));
    gb->addWidget(txtBotNota_, 4, 0, 1, 4);
    btnRegistrarBotella_ = Boton(fraBotella, "btnRegistrarBotella", QString());
    btnCorregirBotella_ = Boton(fraBotella, "btnCorregirBotella", QString());
    btnBorrarBotella_ = Boton(fraBotella, "btnBorrarBotella", QStringLiteral("Borrar botella"));
    auto* botonesBotella = new QHBoxLayout;
    botonesBotella->addWidget(btnRegistrarBotella_, 1);
    botonesBotella->addWidget(btnCorregirBotella_);
    botonesBotella->addWidget(btnBorrarBotella_);
    gb->addLayout(botonesBotella, 5, 0, 1, 4);
    lblEstadoBotella_->setMinimumHeight(lblEstadoBotella_->fontMetrics().lineSpacing() * 4 + 4);
    // A correction names the bottle, which takes a second line.
    lblNuevaBotella_->setMinimumHeight(lblNuevaBotella_->fontMetrics().lineSpacing() * 2 + 4);
    gb->setRowStretch(6, 1);
    MostrarModoBotella();
    raiz->addWidget(fraBotella, 1, 0);

    auto* fraResultado = new QGroupBox(QStringLiteral("Plan"), this);
    fraResultado->setObjectName(QStringLiteral("fraResultado"));
    auto* gr = new QGridLayout(fraResultado);
    lblError_ = Etiqueta(fraResultado, "lblError");
    ColorTexto(lblError_, QColor(176, 0, 0));
    lblVolumen_ = Etiqueta(fraResultado, "lblVolumen");
    lblConcentrado_ = Etiqueta(fraResultado, "lblConcentrado");
    lblTiempo_ = Etiqueta(fraResultado, "lblTiempo");
    lblMinimo_ = Etiqueta(fraResultado, "lblMinimo");
    lstAvisos_ = new QListWidget(fraResultado);
    lstAvisos_->setObjectName(QStringLiteral("lstAvisos"));
    lstAvisos_->setWordWrap(true);
    int fila = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{lblError_, lblVolumen_, lblConcentrado_, lblTiempo_,
                                                      lblMinimo_, lstAvisos_})
        gr->addWidget(w, fila++, 0);
    // Two lines each: a wrapped label in a layout otherwise gets the height of one.
    for (QLabel* l : {lblError_, lblTiempo_, lblMinimo_})
        l->setMinimumHeight(l->fontMetrics().lineSpacing() * 2 + 4);
    lstAvisos_->setMinimumHeight(lstAvisos_->fontMetrics().lineSpacing() * 4);
    raiz->addWidget(fraResultado, 1, 1);

    auto* fraBanos = new QGroupBox(QStringLiteral("Baños después del revelado"), this);
    fraBanos->setObjectName(QStringLiteral("fraBanos"));
    auto* gn = new QGridLayout(fraBanos);
    grdBanos_ = new QTableWidget(0, kColumnasBano, fraBanos);
    grdBanos_->setObjectName(QStringLiteral("grdBanos"));
    grdBanos_->setHorizontalHeaderLabels({QStringLiteral("Baño"), QStringLiteral("Producto"),
                                          QStringLiteral("Dilución"), QStringLiteral("Tiempo"),
                                          QStringLiteral("Fuente")});
    grdBanos_->verticalHeader()->hide();
    grdBanos_->horizontalHeader()->setStretchLastSection(true);
    gn->addWidget(grdBanos_, 0, 0, 1, 3);
    auto* btnBanos = Boton(fraBanos, "btnBanosPorDefecto", QStringLiteral("Baños de las hojas"));
    gn->addWidget(btnBanos, 1, 0);
    raiz->addWidget(fraBanos, 2, 0, 1, 2);

    auto* pie = new QHBoxLayout;
    pie->addWidget(Etiqueta(this, "lblNota", QStringLiteral("Nota:")));
    txtNota_ = Caja(this, "txtNota");
    borradorNota_ = ApuntarLinea(txtNota_, kDestinoNota, QStringLiteral("Nota de la sesión de revelado"));
    pie->addWidget(txtNota_, 1);
    auto* btnIniciar = Boton(this, "btnIniciar", QStringLiteral("Iniciar temporizador"));
    auto* btnGuardar = Boton(this, "btnGuardar", QStringLiteral("Guardar sesión"));
    pie->addWidget(btnIniciar);
    pie->addWidget(btnGuardar);
    raiz->addLayout(pie, 3, 0, 1, 2);
    raiz->setRowStretch(2, 1);
    raiz->setColumnStretch(0, 1);
    raiz->setColumnStretch(1, 1);
    grdBanos_->setMinimumHeight(grdBanos_->verticalHeader()->defaultSectionSize() * 5);

    for (QLineEdit* c : {txtCarretes35_, txtCarretes120_, txtHojas_, txtVolumen_, txtTempBano_})
        connect(c, &QLineEdit::textChanged, this, &frmSesionRevelado::Recalcular);
    for (QLineEdit* c : {txtTanque_, txtMl35_, txtMl120_, txtMax35_, txtMax120_})
        connect(c, &QLineEdit::textEdited, this, [this] {
            tanqueEditado_ = true;
            Recalcular();
        });
    connect(txtNota_, &QLineEdit::textEdited, this,
            [this] { notaGuardada_ = txtNota_->text().trimmed().isEmpty(); });
    connect(cboTanque_, &QComboBox::currentIndexChanged, this, &frmSesionRevelado::CambioTanque);
    connect(cboPelicula_, &QComboBox::currentIndexChanged, this, &frmSesionRevelado::CambioPelicula);
    connect(cboFila_, &QComboBox::currentIndexChanged, this, &frmSesionRevelado::Recalcular);
    connect(cboBotella_, &QComboBox::currentIndexChanged, this, &frmSesionRevelado::CambioBotella);
    connect(btnGuardarTanque, &QPushButton::clicked, this, &frmSesionRevelado::GuardarTanque);
    connect(btnBorrarTanque_, &QPushButton::clicked, this, &frmSesionRevelado::BorrarTanque);
    connect(btnRegistrarBotella_, &QPushButton::clicked, this, &frmSesionRevelado::RegistrarBotella);
    connect(btnCorregirBotella_, &QPushButton::clicked, this, &frmSesionRevelado::CorregirBotella);
    connect(btnBorrarBotella_, &QPushButton::clicked, this, &frmSesionRevelado::BorrarBotella);
    connect(btnBanos, &QPushButton::clicked, this, &frmSesionRevelado::PonerBanosPorDefecto);
    connect(btnIniciar, &QPushButton::clicked, this, &frmSesionRevelado::IniciarTemporizador);
    connect(btnGuardar, &QPushButton::clicked, this, &frmSesionRevelado::GuardarSesion);
}

void frmSesionRevelado::Cargar() {
    anfitrion_.CentrarChild(this);
    RestaurarPosicionVentana(kClave, this);
    llenando_ = true;
    LlenarTanques(0, QString());
    LlenarPeliculas();
    LlenarBotellas(0);
    MostrarBanos(BanosPorDefecto());
    llenando_ = false;
    CambioTanque();
    CambioPelicula();
}

void frmSesionRevelado::LlenarTanques(qint64 idElegido, const QString& nombreElegido) {
    const bool antes = llenando_;
    llenando_ = true;
    tanques_ = TanquesTipicos();
    std::vector<Tanque> propios;
    if (Intentar(QStringLiteral("Error al leer los tanques: "), [&] { propios = LeerTanques(); }))
        tanques_.insert(tanques_.end(), propios.begin(), propios.end());
    cboTanque_->clear();
    int elegido = 0;
    for (int i = 0; i < int(tanques_.size()); ++i) {
        const Tanque& t = tanques_[size_t(i)];
        cboTanque_->addItem(t.id == 0 ? t.nombre : t.nombre + kMarcaPropio);
        if ((idElegido != 0 && t.id == idElegido) ||
            (idElegido == 0 && t.id == 0 && t.nombre == nombreElegido))
            elegido = i;
    }
    cboTanque_->setCurrentIndex(elegido);
    llenando_ = antes;
}

void frmSesionRevelado::CambioTanque() {
    if (llenando_)
        return;
    const int i = cboTanque_->currentIndex();
    if (i < 0 || i >= int(tanques_.size()))
        return;
    const Tanque& t = tanques_[size_t(i)];
    auto numero = [](int n) { return n > 0 ? QString::number(n) : QString(); };
    llenando_ = true;
    txtTanque_->setText(t.nombre);
    txtMl35_->setText(numero(t.ml35));
    txtMl120_->setText(numero(t.ml120));
    txtMax35_->setText(numero(t.maxCarretes35));
    txtMax120_->setText(numero(t.maxCarretes120));
    llenando_ = false;
    tanqueEditado_ = false;
    btnBorrarTanque_->setEnabled(t.id != 0);
    lblTanqueNota_->setText(
        t.id == 0 ? QStringLiteral("Volúmenes típicos, no de un fabricante: compruebe los de su "
                                   "tanque y guárdelo como suyo.")
                  : QString());
    Recalcular();
}

void frmSesionRevelado::LlenarPeliculas() {
    std::vector<ItemLista> items;
    Intentar(QStringLiteral("Error al cargar la lista: "), [&] {
        QStringList propias;
        try {
            propias = LeerNombresPropios(true, QString());
        } catch (const ErrorBD&) {
            // The own names are extra: the reference list stands without them.
        }
        items = MezclarLista(LeerLista(true, QString()), propias);
    });
    const QString antes = cboPelicula_->currentText();
    cboPelicula_->clear();
    for (const ItemLista& it : items)
        cboPelicula_->addItem(it.nombre, it.id);
    int elegida = cboPelicula_->findText(antes);
    if (elegida < 0) {
        // Opening on a film without times would greet the user with an error.
        std::vector<bool> referencia, propios;
        Intentar(QStringLiteral("Error al cargar la lista: "), [&] {
            referencia = TienenTiempos(true, items);
            try {
                propios = TienenTiemposPropios(true, items);
            } catch (const ErrorBD&) {
                // Without the own times the reference ones still choose.
            }
        });
        for (size_t i = 0; elegida < 0 && i < items.size(); ++i)
            if ((i < referencia.size() && referencia[i]) || (i < propios.size() && propios[i]))
                elegida = int(i);
    }
    cboPelicula_->setCurrentIndex(std::max(0, elegida));
}

void frmSesionRevelado::CambioPelicula() {
    if (!llenando_)
        LlenarFilas(std::nullopt);
}

void frmSesionRevelado::LlenarFilas(const std::optional<DatosRevelado>& buscada) {
    const QString pelicula = cboPelicula_->currentText();
    const int id = cboPelicula_->currentData().toInt();
    std::vector<FilaTiempos> filas;
    Intentar(QStringLiteral("Error al cargar los tiempos: "), [&] {
        std::vector<TiempoPropio> propios;
        try {
            propios = LeerTiemposPropios(true, pelicula, QString());
        } catch (const ErrorBD&) {
            // The reference rows stand without the own ones.
        }
        filas = MezclarFilas(id > 0 ? LeerTiempos(true, id, QString()) : std::vector<QStringList>(), propios,
                             true);
    });
    filas_.clear();
    for (const FilaTiempos& f : filas) {
        const QStringList& t = f.textos;
        filas_.push_back(DatosDeFila(pelicula, t.value(0), t.value(1), t.value(2),
                                     {t.value(3), t.value(4), t.value(5)}, t.value(6)));
    }
    int elegida = filas_.empty() ? -1 : 0;
    if (buscada) {
        const auto igual = std::find_if(filas_.begin(), filas_.end(),
                                        [&](const DatosRevelado& d) { return MismaFila(d, *buscada); });
        if (igual != filas_.end()) {
            elegida = int(igual - filas_.begin());
        } else {
            // An estimated row, or one the lists no longer hold, stays as the search window showed it.
            filas_.insert(filas_.begin(), *buscada);
            elegida = 0;
        }
    }
    const bool antes = llenando_;
    llenando_ = true;
    cboFila_->clear();
    for (const DatosRevelado& d : filas_)
        cboFila_->addItem(TextoFila(d));
    cboFila_->setCurrentIndex(elegida);
    llenando_ = antes;
    Recalcular();
}

void frmSesionRevelado::LlenarBotellas(qint64 idElegida) {
    const bool antes = llenando_;
    llenando_ = true;
    botellas_.clear();
    Intentar(QStringLiteral("Error al leer las botellas: "), [&] { botellas_ = LeerBotellas(); });
    cboBotella_->clear();
    cboBotella_->addItem(QStringLiteral("(ninguna)"));
    int elegida = 0;
    for (int i = 0; i < int(botellas_.size()); ++i) {
        cboBotella_->addItem(NombreBotella(botellas_[size_t(i)]));
        if (idElegida != 0 && botellas_[size_t(i)].id == idElegida)
            elegida = i + 1;
    }
    cboBotella_->setCurrentIndex(elegida);
    llenando_ = antes;
}

QString frmSesionRevelado::NombreBotella(const Botella& b) const {
    return b.revelador + u' ' + b.dilucion + u", " + QString::number(b.ml) + u" ml, mezclada el " +
           b.mezclada.toString(kFormatoFecha);
}

const Botella* frmSesionRevelado::BotellaElegida() const {
    const int b = cboBotella_->currentIndex() - 1;
    return b >= 0 && b < int(botellas_.size()) ? &botellas_[size_t(b)] : nullptr;
}

void frmSesionRevelado::CambioBotella() {
    MostrarModoBotella();
    Recalcular();
}

void frmSesionRevelado::MostrarModoBotella() {
    if (corrigiendo_) {
        lblNuevaBotella_->setText(u"Corrección de la botella " + NombreBotella(*corrigiendo_) +
                                  u": revelador, dilución, mezclada, ml, nota");
        btnRegistrarBotella_->setText(QStringLiteral("Guardar corrección"));
        btnCorregirBotella_->setText(QStringLiteral("Dejar la corrección"));
        txtBotRevelador_->setPlaceholderText(QString());
    } else {
        lblNuevaBotella_->setText(QStringLiteral("Nueva: revelador, dilución, mezclada, ml, nota"));
        btnRegistrarBotella_->setText(QStringLiteral("Registrar botella"));
        btnCorregirBotella_->setText(QStringLiteral("Corregir botella"));
        txtBotRevelador_->setPlaceholderText(QStringLiteral("el de la fila"));
    }
    btnCorregirBotella_->setEnabled(corrigiendo_ || BotellaElegida());
    btnBorrarBotella_->setEnabled(BotellaElegida() != nullptr);
}

void frmSesionRevelado::VaciarCajasBotella() {
    for (QLineEdit* c : {txtBotRevelador_, txtBotDilucion_, txtBotMezclada_, txtBotMl_, txtBotNota_})
        c->clear();
}

void frmSesionRevelado::Llenar(const DatosRevelado& fila) {
    llenando_ = true;
    int i = cboPelicula_->findText(fila.pelicula);
    if (i < 0) {
        cboPelicula_->addItem(fila.pelicula, 0);
        i = cboPelicula_->count() - 1;
    }
    cboPelicula_->setCurrentIndex(i);
    txtTempBano_->setText(FormatoNumero(fila.decimasBase / 10.0, u"0.0"));
    llenando_ = false;
    LlenarFilas(fila);
}

void frmSesionRevelado::MostrarBanos(const std::vector<Bano>& banos) {
    grdBanos_->setRowCount(0);
    for (const Bano& b : banos) {
        const int f = grdBanos_->rowCount();
        grdBanos_->insertRow(f);
        auto* etapa = new QTableWidgetItem(NombreEtapa(b.etapa));
        etapa->setData(Qt::UserRole, b.etapa);
        etapa->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        etapa->setCheckState(b.omitido ? Qt::Unchecked : Qt::Checked);
        etapa->setToolTip(QStringLiteral("Desmarcado, el baño se omite"));
        grdBanos_->setItem(f, ColEtapa, etapa);
        grdBanos_->setItem(f, ColProducto, new QTableWidgetItem(b.producto));
        grdBanos_->setItem(f, ColDilucion, new QTableWidgetItem(b.dilucion));
        grdBanos_->setItem(f, ColTiempo, new QTableWidgetItem(FormatoMinSeg(b.segundos)));
        auto* fuente = new QTableWidgetItem(b.fuente);
        fuente->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        fuente->setToolTip(b.fuente);
        grdBanos_->setItem(f, ColFuente, fuente);
    }
    grdBanos_->resizeColumnsToContents();
}

void frmSesionRevelado::PonerBanosPorDefecto() {
    MostrarBanos(BanosPorDefecto());
}

std::optional<std::vector<Bano>> frmSesionRevelado::BanosDeTabla(QString* error) const {
    std::vector<Bano> banos;
    for (int f = 0; f < grdBanos_->rowCount(); ++f) {
        auto texto = [&](int c) { return grdBanos_->item(f, c) ? grdBanos_->item(f, c)->text() : QString(); };
        Bano b;
        b.etapa = grdBanos_->item(f, ColEtapa)->data(Qt::UserRole).toInt();
        b.omitido = grdBanos_->item(f, ColEtapa)->checkState() != Qt::Checked;
        b.producto = texto(ColProducto).trimmed();
        b.dilucion = texto(ColDilucion).trimmed();
        b.fuente = texto(ColFuente);
        const TiempoTecleado t = LeerTiempoTecleado(texto(ColTiempo));
        if (!t.segundos) {
            if (!b.omitido) {
                *error = u"Tiempo no válido en el baño " + NombreEtapa(b.etapa) + u": " + t.error + u'.';
                return std::nullopt;
            }
        } else {
            b.segundos = *t.segundos;
        }
        banos.push_back(b);
    }
    return banos;
}

std::optional<EntradaPlan> frmSesionRevelado::EntradaDeControles(QString* error) const {
    EntradaPlan e;
    const auto tanque = TanqueDeCajas(error);
    const auto c35 = Entero(txtCarretes35_, QStringLiteral("Carretes de 35 mm"), 0, error);
    const auto c120 = Entero(txtCarretes120_, QStringLiteral("Carretes de 120"), 0, error);
    const auto hojas = Entero(txtHojas_, QStringLiteral("Hojas"), 0, error);
    std::optional<int> volumen;
    if (!txtVolumen_->text().trimmed().isEmpty()) {
        volumen = Entero(txtVolumen_, QStringLiteral("Volumen de trabajo"), std::nullopt, error);
        if (!volumen)
            return std::nullopt;
    }
    if (!tanque || !c35 || !c120 || !hojas)
        return std::nullopt;
    e.tanque = *tanque;
    if (e.tanque.nombre.isEmpty())
        e.tanque.nombre = QStringLiteral("(sin nombre)");
    e.carga = {*c35, *c120, *hojas};
    e.mlTecleados = volumen;
    const int f = cboFila_->currentIndex();
    if (f < 0 || f >= int(filas_.size())) {
        const QString pelicula = cboPelicula_->currentText();
        *error = filas_.empty() && !pelicula.isEmpty()
                     ? pelicula + u" no tiene tiempos de revelado: elija otra película."
                     : QStringLiteral("Elija la película y la fila de revelador, dilución y EI.");
        return std::nullopt;
    }
    e.fila = filas_[size_t(f)];
    const auto bano = DecimasTecleadas(txtTempBano_->text());
    if (!bano) {
        *error =
            u"La temperatura del baño debe ser un número entre " + Grados(100) + u" y " + Grados(300) + u'.';
        return std::nullopt;
    }
    e.decimasBano = *bano;
    e.hoy = QDate::currentDate();
    e.compensacion = LeerCompensacion();
    const int b = cboBotella_->currentIndex() - 1;
    if (b >= 0 && b < int(botellas_.size())) {
        e.botella = botellas_[size_t(b)];
        bool leidas = true;
        try {
            e.sesionesBotella = LeerSesionesBotella(e.botella->id);
        } catch (const ErrorBD& fallo) {
            leidas = false;
            *error = u"Error al leer las sesiones de la botella: " + fallo.Descripcion();
        }
        if (!leidas)
            return std::nullopt;
    }
    return e;
}

void frmSesionRevelado::Recalcular() {
    if (llenando_)
        return;
    QString error;
    entrada_ = EntradaDeControles(&error);
    if (entrada_) {
        plan_ = Planificar(*entrada_);
    } else {
        plan_ = PlanSesion();
        plan_.error = error;
    }
    lblError_->setText(plan_.error);
    lstAvisos_->clear();
    const bool hay = plan_.error.isEmpty();
    lblVolumen_->setText(hay ? QString(u"Solución de trabajo: " + QString::number(plan_.mlTrabajo) + u" ml")
                             : QString());
    QString concentrado;
    if (hay && plan_.proporcionConocida)
        concentrado =
            plan_.mlAgua > 0
                ? QString(u"Concentrado: " + Ml(plan_.mlConcentrado) + u"   Agua: " + Ml(plan_.mlAgua))
                : QString(u"Sin diluir: " + Ml(plan_.mlConcentrado) + u" de solución");
    lblConcentrado_->setText(concentrado);
    lblTiempo_->setText(hay ? u"Revelado: " + FormatoMinSeg(plan_.segundosRevelado) + u" a " +
                                  Grados(entrada_->decimasBano) + u" (" + NombreFormato(plan_.formato) +
                                  u' ' + FormatoMinSeg(plan_.segundosEstandar) + u" a " +
                                  Grados(entrada_->fila.decimasBase) + u", factor x" +
                                  FormatoNumero(plan_.factor, u"0.000") + u')'
                            : QString());
    lblMinimo_->setText(hay ? plan_.minimo : QString());
    lblEstadoBotella_->setText(plan_.estadoBotella);
    if (hay)
        lstAvisos_->addItems(plan_.avisos);
}

bool frmSesionRevelado::PlanValido(std::vector<Bano>* banos) {
    Recalcular();
    QString error = plan_.error;
    std::optional<std::vector<Bano>> leidos;
    if (error.isEmpty())
        leidos = BanosDeTabla(&error);
    if (!error.isEmpty()) {
        Dialogo().Informar(kTitulo, error, Icono::Exclamacion);
        return false;
    }
    *banos = std::move(*leidos);
    return true;
}

void frmSesionRevelado::IniciarTemporizador() {
    std::vector<Bano> banos;
    if (!PlanValido(&banos))
        return;
    SesionPlanificada s;
    s.datos = entrada_->fila;
    // The timer corrects the plan's base time itself: the other formats' times are not this one.
    s.datos.segundos = {};
    s.datos.segundos[plan_.formato] = plan_.segundosEstandar;
    s.formato = plan_.formato;
    s.decimasBano = entrada_->decimasBano;
    s.esquema = EsquemaDeSesion(plan_.segundosRevelado, banos, LeerEsquemaActual());
    s.nota = ResumenSesion(SesionDePlan(*entrada_, plan_, banos, QString(), QDateTime::currentDateTime()),
                           entrada_->botella ? NombreBotella(*entrada_->botella) : QString());
    anfitrion_.IniciarTemporizador(s);
}

void frmSesionRevelado::GuardarSesion() {
    std::vector<Bano> banos;
    if (!PlanValido(&banos))
        return;
    const Sesion s = SesionDePlan(*entrada_, plan_, banos, txtNota_->text(), QDateTime::currentDateTime());
    if (!Intentar(QStringLiteral("Error al guardar la sesión: "), [&] { ::GuardarSesion(s); }))
        return;
    notaGuardada_ = true;
    borradorNota_->Quitar(kDestinoNota);
    anfitrion_.EstadoMostrar(u"Sesión guardada: " + TextoCarga(s.carga) + u" de " + s.pelicula);
    Recalcular(); // the bottle now counts this session
}

std::optional<Tanque> frmSesionRevelado::TanqueDeCajas(QString* error) const {
    const int i = cboTanque_->currentIndex();
    Tanque t = i >= 0 && i < int(tanques_.size()) ? tanques_[size_t(i)] : Tanque();
    if (!tanqueEditado_ && i >= 0)
        return t;
    t.nombre = txtTanque_->text().trimmed();
    const auto ml35 = Entero(txtMl35_, QStringLiteral("ml por carrete de 35 mm"), 0, error);
    const auto ml120 = Entero(txtMl120_, QStringLiteral("ml por carrete de 120"), 0, error);
    const auto max35 = Entero(txtMax35_, QStringLiteral("Carretes de 35 mm que admite"), 0, error);
    const auto max120 = Entero(txtMax120_, QStringLiteral("Carretes de 120 que admite"), 0, error);
    if (!ml35 || !ml120 || !max35 || !max120)
        return std::nullopt;
    t.ml35 = *ml35;
    t.ml120 = *ml120;
    t.maxCarretes35 = *max35;
    t.maxCarretes120 = *max120;
    return t;
}

void frmSesionRevelado::GuardarTanque() {
    QString error;
    const int i = cboTanque_->currentIndex();
    const Tanque* elegido = i >= 0 && i < int(tanques_.size()) ? &tanques_[size_t(i)] : nullptr;
    const bool editado = tanqueEditado_;
    tanqueEditado_ = true; // the boxes as they stand
    auto t = TanqueDeCajas(&error);
    tanqueEditado_ = editado;
    if (t && t->nombre.isEmpty())
        error = QStringLiteral("Escriba el nombre del tanque.");
    else if (t && std::any_of(TanquesTipicos().begin(), TanquesTipicos().end(), [&](const Tanque& p) {
                 return PlegarNombre(p.nombre) == PlegarNombre(t->nombre);
             }))
        error = QStringLiteral("Dé a su tanque un nombre propio: ese es el de un tanque típico.");
    else if (t && t->ml35 <= 0 && t->ml120 <= 0)
        error = QStringLiteral("Escriba los ml que pide el tanque por carrete de 35 mm o de 120.");
    if (!error.isEmpty())
        return Dialogo().Informar(kTitulo, error, Icono::Exclamacion);
    t->id = 0;
    // Saving an own tank under its own name rewrites it; any other name is a new tank.
    if (elegido && elegido->id != 0 && PlegarNombre(elegido->nombre) == PlegarNombre(t->nombre))
        t->id = elegido->id;
    qint64 id = 0;
    if (!Intentar(QStringLiteral("Error al guardar el tanque: "), [&] { id = ::GuardarTanque(*t); }))
        return;
    LlenarTanques(id, QString());
    CambioTanque();
}

void frmSesionRevelado::BorrarTanque() {
    const int i = cboTanque_->currentIndex();
    if (i < 0 || i >= int(tanques_.size()) || tanques_[size_t(i)].id == 0)
        return;
    const Tanque t = tanques_[size_t(i)];
    if (Dialogo().PreguntarSiNo(kTitulo, u"Se borrará su tanque «" + t.nombre + u"».\n¿Continuar?",
                                Icono::Pregunta) != Respuesta::Si)
        return;
    if (!Intentar(QStringLiteral("Error al borrar el tanque: "), [&] { ::BorrarTanque(t.id); }))
        return;
    LlenarTanques(0, QString());
    CambioTanque();
}

std::optional<Botella> frmSesionRevelado::BotellaDeCajas(QString* error) const {
    Botella b;
    b.revelador = txtBotRevelador_->text().trimmed();
    const int f = cboFila_->currentIndex();
    // A correction names its developer itself: an emptied box must not take the row's.
    if (!corrigiendo_ && b.revelador.isEmpty() && f >= 0 && f < int(filas_.size()))
        b.revelador = filas_[size_t(f)].revelador;
    b.dilucion = txtBotDilucion_->text().trimmed();
    b.nota = txtBotNota_->text().trimmed();
    const QString fecha = txtBotMezclada_->text().trimmed();
    b.mezclada = fecha.isEmpty() ? QDate::currentDate() : QDate::fromString(fecha, kFormatoFecha);
    if (!b.mezclada.isValid())
        b.mezclada = QDate::fromString(fecha, QStringLiteral("d/M/yyyy"));
    const auto ml = Entero(txtBotMl_, QStringLiteral("ml de la botella"), std::nullopt, error);
    if (b.revelador.isEmpty())
        *error = corrigiendo_ ? QStringLiteral("Escriba el revelador de la botella.")
                              : QStringLiteral("Escriba el revelador de la botella o elija una fila.");
    else if (b.dilucion.isEmpty())
        *error = u"Escriba la dilución de la botella (" + kDilucionConcentrado + u", stock o 1+4).";
    else if (!b.mezclada.isValid())
        *error = u"Fecha de mezcla no válida: «" + fecha + u"» (dd/mm/aaaa).";
    else if (b.mezclada > QDate::currentDate())
        *error = QStringLiteral("La fecha de mezcla no puede ser posterior a hoy.");
    else if (ml && *ml <= 0)
        *error = QStringLiteral("Los ml de la botella deben ser más de cero.");
    if (!error->isEmpty())
        return std::nullopt;
    b.ml = *ml;
    return b;
}

void frmSesionRevelado::RegistrarBotella() {
    QString error;
    auto b = BotellaDeCajas(&error);
    if (!b)
        return Dialogo().Informar(kTitulo, error, Icono::Exclamacion);
    if (corrigiendo_) {
        // Its id stays, so the sessions that drew from it still count against it.
        std::optional<Botella> guardada;
        if (!Intentar(QStringLiteral("Error al leer la botella: "),
                      [&] { guardada = LeerBotella(corrigiendo_->id); }))
            return;
        if (!guardada) {
            // Deleted meanwhile: what was typed stays, to be recorded as a new bottle.
            corrigiendo_.reset();
            MostrarModoBotella();
            return Dialogo().Informar(
                kTitulo,
                QStringLiteral("La botella que corregía ya no existe: pulse «Registrar "
                               "botella» para guardar lo escrito como una botella nueva."),
                Icono::Exclamacion);
        }
        b->id = corrigiendo_->id;
    }
    qint64 id = 0;
    if (!Intentar(corrigiendo_ ? QStringLiteral("Error al corregir la botella: ")
                               : QStringLiteral("Error al registrar la botella: "),
                  [&] { id = GuardarBotella(*b); }))
        return;
    corrigiendo_.reset();
    VaciarCajasBotella();
    LlenarBotellas(id);
    MostrarModoBotella();
    Recalcular();
}

void frmSesionRevelado::CorregirBotella() {
    if (corrigiendo_) {
        corrigiendo_.reset();
        VaciarCajasBotella();
        MostrarModoBotella();
        return;
    }
    const Botella* elegida = BotellaElegida();
    if (!elegida)
        return;
    const Botella b = *elegida;
    if (SinGuardar().contains(QStringLiteral("la botella nueva")) &&
        Dialogo().PreguntarSiNo(kTitulo,
                                QStringLiteral("Lo escrito para la botella nueva se sustituirá por los datos "
                                               "de la botella elegida.\n¿Continuar?"),
                                Icono::Pregunta) != Respuesta::Si)
        return;
    corrigiendo_ = b;
    txtBotRevelador_->setText(b.revelador);
    txtBotDilucion_->setText(b.dilucion);
    txtBotMezclada_->setText(b.mezclada.toString(kFormatoFecha));
    txtBotMl_->setText(QString::number(b.ml));
    txtBotNota_->setText(b.nota);
    MostrarModoBotella();
}

void frmSesionRevelado::BorrarBotella() {
    const Botella* elegida = BotellaElegida();
    if (!elegida)
        return;
    const Botella b = *elegida;
    std::vector<Sesion> sesiones;
    if (!Intentar(QStringLiteral("Error al leer las sesiones de la botella: "),
                  [&] { sesiones = LeerSesionesBotella(b.id); }))
        return;
    QString texto = u"Se borrará la botella " + NombreBotella(b) + u'.';
    if (sesiones.size() == 1)
        texto += QStringLiteral("\nLa sesión guardada que la usó se conserva, sin botella.");
    else if (sesiones.size() > 1)
        texto += u"\nLas " + QString::number(sesiones.size()) +
                 u" sesiones guardadas que la usaron se conservan, sin botella.";
    if (Dialogo().PreguntarSiNo(kTitulo, texto + u"\n¿Continuar?", Icono::Pregunta) != Respuesta::Si)
        return;
    if (!Intentar(QStringLiteral("Error al borrar la botella: "), [&] { ::BorrarBotella(b.id); }))
        return;
    // A correction of it has nothing left to correct; what was typed stays as a new bottle.
    if (corrigiendo_ && corrigiendo_->id == b.id)
        corrigiendo_.reset();
    LlenarBotellas(0);
    MostrarModoBotella();
    Recalcular();
}

void frmSesionRevelado::Recargar() {
    const int t = cboTanque_->currentIndex();
    const Tanque tanque = t >= 0 && t < int(tanques_.size()) ? tanques_[size_t(t)] : Tanque();
    const int b = cboBotella_->currentIndex() - 1;
    const qint64 botella = b >= 0 && b < int(botellas_.size()) ? botellas_[size_t(b)].id : 0;
    // Boxes the user is editing keep what was typed.
    const bool editado = tanqueEditado_;
    llenando_ = true;
    LlenarTanques(tanque.id, tanque.nombre);
    LlenarBotellas(botella);
    llenando_ = false;
    const int ahora = cboTanque_->currentIndex();
    if (!editado && (ahora < 0 || tanques_[size_t(ahora)] != tanque))
        CambioTanque();
    tanqueEditado_ = editado;
    // Own times may have changed too: the row in use stays chosen.
    const int f = cboFila_->currentIndex();
    LlenarFilas(f >= 0 && f < int(filas_.size()) ? std::optional(filas_[size_t(f)]) : std::nullopt);
}

QStringList frmSesionRevelado::SinGuardar() const {
    QStringList que;
    if (tanqueEditado_)
        que << QStringLiteral("el tanque");
    if (corrigiendo_) {
        QString error;
        auto b = BotellaDeCajas(&error);
        if (b)
            b->id = corrigiendo_->id;
        if (b != corrigiendo_)
            que << QStringLiteral("la corrección de la botella");
    } else {
        for (const QLineEdit* c :
             {txtBotRevelador_, txtBotDilucion_, txtBotMezclada_, txtBotMl_, txtBotNota_})
            if (!c->text().trimmed().isEmpty()) {
                que << QStringLiteral("la botella nueva");
                break;
            }
    }
    if (!notaGuardada_ && !txtNota_->text().trimmed().isEmpty())
        que << QStringLiteral("la nota de la sesión");
    return que;
}

bool frmSesionRevelado::PreguntarCierre() {
    const QStringList que = SinGuardar();
    if (que.isEmpty())
        return true;
    if (Dialogo().PreguntarSiNo(
            kTitulo, u"No está guardado lo escrito en " + que.join(u", ") + u".\n¿Cerrar y perderlo?",
            Icono::Pregunta) != Respuesta::Si)
        return false;
    borradorNota_->Quitar(kDestinoNota);
    return true;
}

void frmSesionRevelado::closeEvent(QCloseEvent* evento) {
    if (!ConfirmarCierre()) {
        evento->ignore();
        return;
    }
    GuardarPosicionVentana(kClave, this);
    VentanaModulo::closeEvent(evento);
}
