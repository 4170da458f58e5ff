#include "devtimes/frmPeliculasReveladores.h"

#include "devtimes/Disposicion.h"
#include "devtimes/FormularioTiempoPropio.h"
#include "devtimes/frmTiempoPropio.h"
#include "shell/AlmacenDatos.h"
#include "shell/AvisoDatosPropios.h"
#include "shell/CajaNotas.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Tema.h"
#include "timer/DatosRevelado.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace {

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
    CrearMenus();
    CrearMenuEstimacion();
    connect(grdTiempos_, &QTableWidget::cellDoubleClicked, this,
            [this](int fila) { IniciarTemporizador(fila + 1); });
    connect(&AvisoDatosPropios::Instancia(), &AvisoDatosPropios::Cambiados, this,
            &frmPeliculasReveladores::RecargarPropios);
    resize(1000, 660);
}

void frmPeliculasReveladores::CrearMenus() {
    auto accion = [this](const QString& texto, const char* nombre, auto metodo) {
        auto* a = new QAction(texto, this);
        a->setObjectName(QString::fromLatin1(nombre));
        connect(a, &QAction::triggered, this, metodo);
        return a;
    };
    accIniciar_ = accion(QStringLiteral("Iniciar temporizador"), "mnuIniciarTemporizador",
                         [this] { IniciarTemporizador(filaMenu_); });
    accAnadir_ = accion(QStringLiteral("Añadir mi tiempo…"), "mnuAnadirMiTiempo",
                        &frmPeliculasReveladores::AnadirMiTiempo);
    accEditar_ = accion(QStringLiteral("Editar mi tiempo…"), "mnuEditarMiTiempo",
                        &frmPeliculasReveladores::EditarMiTiempo);
    accBorrar_ = accion(QStringLiteral("Borrar mi tiempo"), "mnuBorrarMiTiempo",
                        &frmPeliculasReveladores::BorrarMiTiempo);
    accCopiar_ = accion(QStringLiteral("Copiar como mi tiempo…"), "mnuCopiarComoMiTiempo",
                        &frmPeliculasReveladores::CopiarComoMiTiempo);
    menuGrid_ = new QMenu(this);
    menuGrid_->setObjectName(QStringLiteral("menuGrid"));
    accPlanificar_ = accion(QStringLiteral("Planificar sesión…"), "mnuPlanificarSesion", [this] {
        if (const auto datos = DatosDeFilaGrid(filaMenu_))
            anfitrion_.PlanificarSesion(*datos);
    });
    menuGrid_->addActions({accIniciar_, accPlanificar_});
    menuLista_ = new QMenu(this);
    menuLista_->setObjectName(QStringLiteral("menuLista"));
    for (QMenu* m : {menuGrid_, menuLista_}) {
        if (!m->isEmpty())
            m->addSeparator();
        m->addActions({accAnadir_, accEditar_, accBorrar_, accCopiar_});
    }
    grdTiempos_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grdTiempos_, &QTableWidget::customContextMenuRequested, this, &frmPeliculasReveladores::MenuGrid);
    lstItems_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstItems_, &QListWidget::customContextMenuRequested, this, &frmPeliculasReveladores::MenuLista);
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
    AjustarALineas(txtNotas_);
    lblNotaPersonal_ = new QLabel(QStringLiteral("Mis notas:"), picNotas_);
    lblNotaPersonal_->setObjectName(QStringLiteral("lblNotaPersonal"));
    Colocar(lblNotaPersonal_, QRect(60, 1320, 840, 285));
    notaMia_ = new CajaNotas(picNotas_, "txtNotaPersonal", "btnGuardarNota", true);
    notaMia_->Caja()->installEventFilter(this);

    chkInfoTecnica_ = new QCheckBox(QStringLiteral("Ver info técnica película"), this);
    chkInfoTecnica_->setObjectName(QStringLiteral("chkInfoTecnica"));
    ColorFondo(chkInfoTecnica_, Tema::FondoChkInfoTecnica);

    connect(chkInfoTecnica_, &QCheckBox::toggled, this, &frmPeliculasReveladores::CambioInfoTecnica);
}

bool frmPeliculasReveladores::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == notaMia_->Caja() && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        if (!notaMia_->Caja()->isReadOnly())
            notaMia_->Caja()->clear();
        return true;
    }
    return VentanaBusquedaTiempos::eventFilter(objeto, evento);
}

bool frmPeliculasReveladores::PreguntarCierre() {
    return notaMia_->Resolver();
}

void frmPeliculasReveladores::closeEvent(QCloseEvent* evento) {
    if (!ConfirmarCierre()) {
        evento->ignore();
        return;
    }
    VentanaBusquedaTiempos::closeEvent(evento);
}

// The own data lives in the NotesDb: when it cannot be read, the reference data still shows.
template <class F> static auto Propios(F leer) -> decltype(leer()) {
    try {
        return leer();
    } catch (const ErrorBD&) {
        return {};
    }
}

std::vector<ItemLista> frmPeliculasReveladores::LeerItems(const QString& filtro) {
    conTiempos_.clear();
    auto items = MezclarLista(LeerLista(modoPelicula_, filtro),
                              Propios([&] { return LeerNombresPropios(modoPelicula_, filtro); }));
    conTiempos_ = TienenTiempos(modoPelicula_, items);
    const std::vector<bool> propios = Propios([&] { return TienenTiemposPropios(modoPelicula_, items); });
    for (size_t i = 0; i < propios.size() && i < conTiempos_.size(); ++i)
        conTiempos_[i] = conTiempos_[i] || propios[i];
    return items;
}

QStringList frmPeliculasReveladores::LeerTemperaturasItem() {
    const QStringList referencia =
        idSeleccion_ > 0 ? LeerTemperaturas(modoPelicula_, idSeleccion_) : QStringList();
    return MezclarTemperaturas(referencia,
                               Propios([&] { return LeerTemperaturasPropias(modoPelicula_, TextoItem()); }));
}

std::vector<QStringList> frmPeliculasReveladores::LeerFilasItem(const QString& temperatura) {
    std::vector<QStringList> referencia;
    if (idSeleccion_ > 0)
        referencia = LeerTiempos(modoPelicula_, idSeleccion_, temperatura);
    const auto propios = Propios([&] { return LeerTiemposPropios(modoPelicula_, TextoItem(), temperatura); });
    std::vector<QStringList> textos;
    idsPropios_.clear();
    for (FilaTiempos& f : MezclarFilas(std::move(referencia), propios, modoPelicula_)) {
        textos.push_back(std::move(f.textos));
        idsPropios_.push_back(f.idPropio);
    }
    AnadirEstimadas(textos, temperatura);
    return textos;
}

void frmPeliculasReveladores::AlSeleccionarItem() {
    idSeleccion_ = IdItem();
    if (idSeleccion_ != 0 && chkInfoTecnica_->isChecked() && !recargando_)
        FichaTecnica(idSeleccion_);
}

qint64 frmPeliculasReveladores::IdPropio(int fila) const {
    return fila >= 1 && fila <= int(idsPropios_.size()) ? idsPropios_[size_t(fila - 1)] : 0;
}

QColor frmPeliculasReveladores::ColorFila(int fila) const {
    if (IdPropio(fila) != 0)
        return Tema::ColorFilaPropia;
    if (Estimada(fila))
        return Tema::ColorFilaEstimada;
    return fila % 2 == 1 ? Tema::ColorFilaAlterna : Tema::ColorBlanco;
}

Qt::Alignment frmPeliculasReveladores::AlineacionUltima(const QString& texto) const {
    // By content: numbers to the right, text to the left.
    bool numero = false;
    texto.trimmed().toDouble(&numero);
    return (numero ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void frmPeliculasReveladores::AlCargarLista() {
    // Entries without times show in grey, and the count says how many have them.
    int con = 0;
    for (int i = 0; i < lstItems_->count(); ++i) {
        const bool tiene = size_t(i) < conTiempos_.size() && conTiempos_[size_t(i)];
        con += tiene ? 1 : 0;
        if (!tiene)
            lstItems_->item(i)->setForeground(Tema::ColorSinTiempos);
    }
    lblConteo_->setText(TextoConteoConTiempos(modoPelicula_, lstItems_->count(), con));
    idSeleccion_ = 0;
    filaMostrada_ = 0;
    txtNotas_->clear();
    VaciarNotas();
}

bool frmPeliculasReveladores::VaciarNotas() {
    if (recargando_ && notaMia_->Cambiada())
        return false;
    if (!notaMia_->Resolver())
        return false;
    // The emptied box belongs to no row: a later save must not land on the previous one, and
    // nothing typed into it could be saved anywhere.
    notaMia_->Vaciar();
    idNotaMia_ = idPeliculaNota_ = idReveladorNota_ = 0;
    return true;
}

void frmPeliculasReveladores::AlCambiarCabeceras() {
    chkInfoTecnica_->setVisible(modoPelicula_);
    chkInfoTecnica_->setEnabled(modoPelicula_);
    if (!modoPelicula_)
        chkInfoTecnica_->setChecked(false);
}

void frmPeliculasReveladores::MostrarFila(int fila) {
    filaMostrada_ = fila;
    // While reloading, unsaved notes stay in the box for their own film and developer.
    if (!(recargando_ && notaMia_->Cambiada()))
        CargarNotaMia(fila);
    const bool dentro = fila >= 1 && fila <= filasDatos_;
    if (const FilaEstimada* estimada = dentro ? Estimada(fila) : nullptr) {
        txtNotas_->setPlainText(estimada->metodo);
        return;
    }
    if (dentro && IdPropio(fila) != 0) {
        // The user's note is free text: it is shown as written, never read as codes.
        const auto propio = Propios([&] { return LeerTiempoPropio(IdPropio(fila)); });
        txtNotas_->setPlainText(propio ? DescribirTiempoPropio(*propio) : Celda(fila, 7));
        return;
    }
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
    // A text that could not be saved stays in the box, still for its own row.
    if (!VaciarNotas())
        return;
    // An own film or developer has no reference id for a note to hang on.
    if (!ReferenceDb() || fila < 1 || fila > filasDatos_ || idSeleccion_ <= 0)
        return;
    try {
        const int otro = BuscarIdOtroLado(modoPelicula_, Celda(fila, 0));
        if (otro == 0)
            return;
        const int pelicula = modoPelicula_ ? idSeleccion_ : otro;
        const int revelador = modoPelicula_ ? otro : idSeleccion_;
        const bool modo = modoPelicula_;
        const auto nota = LeerNotaMia(modo, pelicula, revelador);
        idPeliculaNota_ = pelicula;
        idReveladorNota_ = revelador;
        idNotaMia_ = nota ? nota->idNota : 0;
        // The side the note was read on: a mode change may already have switched the window.
        auto guardar = [this, modo, pelicula, revelador](const QString& texto) {
            if (!ReferenceDb())
                throw ErrorBD(QStringLiteral("la base de datos de referencia está cerrada."));
            idNotaMia_ = ::GuardarNotaMia(modo, idNotaMia_, pelicula, revelador, texto);
        };
        const QString item = TextoItem(), otroNombre = Celda(fila, 0).trimmed();
        notaMia_->Mostrar(
            QStringLiteral("%1/%2/%3").arg(modo ? u"Pelicula" : u"Revelador").arg(pelicula).arg(revelador),
            nota ? nota->texto : QString(), guardar,
            u"Mis notas de " + (modo ? item + u" × " + otroNombre : otroNombre + u" × " + item));
    } catch (const ErrorBD& e) {
        InformarError(QStringLiteral("Error al leer mis notas: "), e);
    }
}

bool frmPeliculasReveladores::PonerBorrador(const QString& destino, const QString& texto) {
    const QStringList partes = destino.split(u'/');
    if (partes.size() != 3 || (partes[0] != u"Pelicula" && partes[0] != u"Revelador"))
        return false;
    const bool modo = partes[0] == u"Pelicula";
    const int pelicula = partes[1].toInt(), revelador = partes[2].toInt();
    if (modo != modoPelicula_) {
        if (modo)
            ModoPelicula();
        else
            ModoRevelador();
    }
    if (modo != modoPelicula_ || !SeleccionarId(modo ? pelicula : revelador))
        return false;
    try {
        for (int fila = 1; fila <= filasDatos_; ++fila)
            if (BuscarIdOtroLado(modo, Celda(fila, 0)) == (modo ? revelador : pelicula)) {
                SeleccionarFila(fila);
                MostrarFila(fila);
                if (notaMia_->Destino() != destino)
                    return false;
                notaMia_->PonerSinGuardar(texto);
                return true;
            }
    } catch (const ErrorBD&) {
    }
    return false;
}

void frmPeliculasReveladores::CambioInfoTecnica() {
    if (!chkInfoTecnica_->isChecked())
        FichaTecnica(0);
    else if (idSeleccion_ != 0)
        FichaTecnica(idSeleccion_);
}

void frmPeliculasReveladores::FichaTecnica(int idPelicula) {
    if (idPelicula > 0)
        anfitrion_.MostrarFichaTecnica(idPelicula, QString());
    else if (idPelicula == kIdPropio)
        anfitrion_.MostrarFichaTecnica(0, TextoItem());
    else
        anfitrion_.CerrarFichaTecnica();
}

void frmPeliculasReveladores::Redistribuir(int W, int H, int T) {
    const DisposicionTiempos d = DisponerTiempos(W, H, T);
    ColocarComunes(d);
    Colocar(picNotas_, d.picNotas);
    Colocar(txtNotas_, QRect(kIzquierdaCajas, 60, d.anchoNotas, 1140));
    const QRect notaPersonal(kIzquierdaCajas, 1320, d.anchoNotaPersonal, 1275);
    Colocar(notaMia_->Caja(), notaPersonal);
    Colocar(notaMia_->Boton(), DisponerBotonNota(notaPersonal));
    Colocar(chkInfoTecnica_, d.chkInfoTecnica);
}

void frmPeliculasReveladores::MenuGrid(const QPoint& punto) {
    const int fila = grdTiempos_->rowAt(punto.y()) + 1;
    HabilitarMenu(fila >= 1 && fila <= filasDatos_ ? fila : 0);
    menuGrid_->popup(grdTiempos_->viewport()->mapToGlobal(punto));
}

void frmPeliculasReveladores::MenuLista(const QPoint& punto) {
    // A right click on another entry loads it first, as the commands act on what is shown.
    const QListWidgetItem* entrada = lstItems_->itemAt(punto);
    if (entrada && !(entrada == lstItems_->currentItem() && entrada->isSelected()))
        SeleccionarEntrada(lstItems_->row(entrada));
    // The list's commands act on the row shown in detail.
    HabilitarMenu(filaActual_ >= 1 ? filaActual_ : filasDatos_ >= 1 ? 1 : 0);
    menuLista_->popup(lstItems_->viewport()->mapToGlobal(punto));
}

void frmPeliculasReveladores::HabilitarMenu(int fila) {
    filaMenu_ = fila;
    const bool propia = IdPropio(fila) != 0;
    accIniciar_->setEnabled(fila >= 1 && !Celda(fila, 0).trimmed().isEmpty());
    accPlanificar_->setEnabled(accIniciar_->isEnabled());
    accAnadir_->setEnabled(NotesDb() != nullptr);
    accEditar_->setEnabled(propia);
    accBorrar_->setEnabled(propia);
    accCopiar_->setEnabled(fila >= 1 && !propia && NotesDb() != nullptr);
}

TiempoPropio frmPeliculasReveladores::TiempoDeFila(int fila) const {
    TiempoPropio t;
    (modoPelicula_ ? t.pelicula : t.revelador) = TextoItem();
    if (fila < 1 || fila > filasDatos_)
        return t;
    (modoPelicula_ ? t.revelador : t.pelicula) = Celda(fila, 0);
    t.dilucion = Celda(fila, 1);
    t.ei = Celda(fila, 2);
    t.tiempo35 = SinMarcaEstimado(Celda(fila, 3));
    t.tiempo120 = SinMarcaEstimado(Celda(fila, 4));
    t.tiempoHoja = SinMarcaEstimado(Celda(fila, 5));
    if (const FilaEstimada* estimada = Estimada(fila))
        t.nota = estimada->metodo;
    t.temperatura = Celda(fila, 6);
    return t;
}

void frmPeliculasReveladores::AnadirMiTiempo() {
    AbrirDialogo(TiempoDeFila(0));
}

void frmPeliculasReveladores::CopiarComoMiTiempo() {
    AbrirDialogo(CopiaDeReferencia(TiempoDeFila(filaMenu_)));
}

void frmPeliculasReveladores::EditarMiTiempo() {
    const qint64 id = IdPropio(filaMenu_);
    if (id == 0)
        return;
    if (const auto t = LeerPropioVigente(id))
        AbrirDialogo(*t);
}

std::optional<TiempoPropio> frmPeliculasReveladores::LeerPropioVigente(qint64 id) {
    try {
        if (auto t = LeerTiempoPropio(id))
            return t;
    } catch (const ErrorBD& e) {
        InformarError(QStringLiteral("Error al leer mi tiempo: "), e);
        return std::nullopt;
    }
    Dialogo().Informar(QStringLiteral("Mi tiempo"),
                       QStringLiteral("Ese tiempo propio ya no existe: se borró o se reemplazó después de "
                                      "mostrarlo. Se muestran los tiempos guardados ahora."),
                       Icono::Exclamacion);
    RecargarPropios();
    return std::nullopt;
}

void frmPeliculasReveladores::BorrarMiTiempo() {
    const int fila = filaMenu_;
    const qint64 id = IdPropio(fila);
    if (id == 0)
        return;
    if (!LeerPropioVigente(id))
        return;
    const TiempoPropio t = TiempoDeFila(fila);
    const QString texto = u"Se borrará su tiempo de " + t.pelicula + u" en " + t.revelador + u' ' +
                          t.dilucion + u" a EI " + t.ei + u".\n¿Continuar?";
    if (Dialogo().PreguntarSiNo(QStringLiteral("Borrar mi tiempo"), texto, Icono::Pregunta) != Respuesta::Si)
        return;
    try {
        BorrarTiempoPropio(id);
    } catch (const ErrorBD& e) {
        InformarError(QStringLiteral("Error al borrar mi tiempo: "), e);
        return;
    }
    // An own item left without times stays listed while it is recorded as own.
    MostrarGuardado(t);
}

frmTiempoPropio* frmPeliculasReveladores::AbrirDialogo(const TiempoPropio& t) {
    auto* dialogo = new frmTiempoPropio(t, this);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialogo, &frmTiempoPropio::Guardado, this, &frmPeliculasReveladores::MostrarGuardado);
    dialogo->open();
    return dialogo;
}

bool frmPeliculasReveladores::PonerBorradorTiempo(const TiempoPropio& t) {
    if (t.id > 0 && !Propios([&] { return LeerTiempoPropio(t.id); }))
        return false;
    AbrirDialogo(t)->PonerBorrador(t);
    return true;
}

void frmPeliculasReveladores::MostrarGuardado(const TiempoPropio& t) {
    const QString nombre = modoPelicula_ ? t.pelicula : t.revelador;
    CargarLista();
    if (!SeleccionarNombre(nombre) && !txtFiltro_->text().isEmpty()) {
        // The filter hides it: the whole list shows it.
        llenando_ = true;
        txtFiltro_->clear();
        llenando_ = false;
        CargarLista();
        SeleccionarNombre(nombre);
    }
    for (int fila = 1; fila <= filasDatos_; ++fila)
        if (t.id != 0 && IdPropio(fila) == t.id) {
            grdTiempos_->setCurrentCell(fila - 1, 0, QItemSelectionModel::NoUpdate);
            grdTiempos_->scrollToItem(grdTiempos_->item(fila - 1, 0));
            SeleccionarFila(fila);
            MostrarFila(fila);
            break;
        }
}

void frmPeliculasReveladores::RecargarPropios() {
    if (!ReferenceDb() || recargando_)
        return;
    const QString nombre = TextoItem();
    const int fila = filaMostrada_ >= 1 && filaMostrada_ <= filasDatos_ ? filaMostrada_ : 0;
    const qint64 propia = IdPropio(fila);
    QStringList textos;
    for (int c = 0; fila >= 1 && c < grdTiempos_->columnCount(); ++c)
        textos << Celda(fila, c);
    const bool pintada = fila >= 1 && filaActual_ == fila;
    const int desplazamientoLista = lstItems_->verticalScrollBar()->value();
    const int desplazamientoGrid = grdTiempos_->verticalScrollBar()->value();

    recargando_ = true;
    CargarLista();
    if (!nombre.isEmpty())
        SeleccionarNombre(nombre);
    // The same row: an own one by its id, a reference one by its texts.
    int igual = 0;
    for (int f = 1; fila >= 1 && f <= filasDatos_ && igual == 0; ++f) {
        QStringList otra;
        for (int c = 0; c < grdTiempos_->columnCount(); ++c)
            otra << Celda(f, c);
        if (propia != 0 ? IdPropio(f) == propia : IdPropio(f) == 0 && otra == textos)
            igual = f;
    }
    if (igual >= 1) {
        grdTiempos_->setCurrentCell(igual - 1, 0, QItemSelectionModel::NoUpdate);
        if (pintada)
            SeleccionarFila(igual);
        if (igual != filaMostrada_)
            MostrarFila(igual);
    }
    lstItems_->verticalScrollBar()->setValue(desplazamientoLista);
    grdTiempos_->verticalScrollBar()->setValue(desplazamientoGrid);
    recargando_ = false;
}

std::optional<DatosRevelado> frmPeliculasReveladores::DatosDeFilaGrid(int fila) const {
    if (fila < 1 || fila > filasDatos_ || Celda(fila, 0).trimmed().isEmpty())
        return std::nullopt;
    const QString otro = Celda(fila, 0);
    return DatosDeFila(modoPelicula_ ? TextoItem() : otro, modoPelicula_ ? otro : TextoItem(), Celda(fila, 1),
                       Celda(fila, 2),
                       {SinMarcaEstimado(Celda(fila, 3)), SinMarcaEstimado(Celda(fila, 4)),
                        SinMarcaEstimado(Celda(fila, 5))},
                       Celda(fila, 6));
}

void frmPeliculasReveladores::IniciarTemporizador(int fila) {
    if (const auto datos = DatosDeFilaGrid(fila))
        anfitrion_.IniciarTemporizador(*datos);
}
