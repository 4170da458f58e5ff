#include "notes/frmNotas.h"

#include "notes/EscritorRtf.h"
#include "notes/FormatoSeleccion.h"
#include "notes/LectorRtf.h"
#include "shell/AlmacenDatos.h"
#include "shell/Anfitrion.h"
#include "shell/ApunteBorrador.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Fuentes.h"
#include "shell/Numeros.h"
#include "shell/OrdenAlfabetico.h"
#include "shell/Posiciones.h"
#include "shell/Tema.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <algorithm>

namespace {

const QString kClave = QStringLiteral("Notas");
const QString kPregunta = QStringLiteral("Hay cambios sin guardar. Guardar?");

const QStringList kTamanos = {
    QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
    QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
    QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("28"),
    QStringLiteral("32"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};
const QStringList kFuentes = {
    QStringLiteral("Calibri"),      QStringLiteral("Arial"),        QStringLiteral("Times New Roman"),
    QStringLiteral("Segoe UI"),     QStringLiteral("Verdana"),      QStringLiteral("Georgia"),
    QStringLiteral("Tahoma"),       QStringLiteral("Trebuchet MS"), QStringLiteral("Cambria"),
    QStringLiteral("Cambria Math"), QStringLiteral("Courier New"),  QStringLiteral("Impact"),
    QStringLiteral("Wingdings"),    QStringLiteral("Wingdings 2"),  QStringLiteral("Wingdings 3"),
    QStringLiteral("Webdings")};

// Designed client size and fixed heights, in twips.
constexpr int kAncho = 10800;
constexpr int kAlto = 7200;
constexpr int kAltoBarra = 900;
constexpr int kAltoEstado = 330;

// Selects the entry equal to the text, if there is one; otherwise the combo stays as it is.
void ElegirIgual(QComboBox* combo, const QString& texto) {
    const int i = combo->findText(texto, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0)
        combo->setCurrentIndex(i);
}

} // namespace

frmNotas::frmNotas(Anfitrion& anfitrion, QWidget* padre) : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmNotas"));
    setWindowTitle(QStringLiteral("Notas personales"));
    setFont(Fuente(Tema::FaceInterfaz, 9));
    CrearControles();
    FijarTamanoDisenado(QSize(TwipsAPixeles(kAncho), TwipsAPixeles(kAlto)));
    resize(TwipsAPixeles(kAncho), TwipsAPixeles(kAlto));
}

void frmNotas::CrearControles() {
    picToolbar_ = CrearControl<QWidget>(this, "picToolbar", 0, 0, kAncho, kAltoBarra);
    btnNueva_ = CrearControl<QPushButton>(picToolbar_, "btnNueva", 60, 60, 960, 360);
    btnNueva_->setText(QStringLiteral("Nueva"));
    btnBorrar_ = CrearControl<QPushButton>(picToolbar_, "btnBorrar", 1080, 60, 960, 360);
    btnBorrar_->setText(QStringLiteral("Borrar"));
    btnGuardar_ = CrearControl<QPushButton>(picToolbar_, "btnGuardar", 2100, 60, 960, 360);
    btnGuardar_->setText(QStringLiteral("Guardar"));
    lblOrden_ = CrearControl<QLabel>(picToolbar_, "lblOrden", 3240, 105, 780, 270);
    lblOrden_->setText(QStringLiteral(" Orden:"));
    optFecha_ = CrearControl<QRadioButton>(picToolbar_, "optFecha", 4020, 90, 900, 300);
    optFecha_->setText(QStringLiteral("Fecha"));
    opTitulo_ = CrearControl<QRadioButton>(picToolbar_, "opTitulo", 4980, 90, 1000, 300);
    opTitulo_->setText(QStringLiteral("Título"));
    lblTituloLbl_ = CrearControl<QLabel>(picToolbar_, "lblTituloLbl", 60, 525, 660, 270);
    lblTituloLbl_->setText(QStringLiteral("Titulo:"));
    txtTitulo_ = CrearControl<QLineEdit>(picToolbar_, "txtTitulo", 720, 480, 5260, 345);

    lstNotas_ = CrearControl<QListWidget>(this, "lstNotas", 0, kAltoBarra, 3600, 5490);
    lstNotas_->setUniformItemSizes(true); // thousands of one-line entries lay out at once
    rtfNota_ = CrearControl<QTextEdit>(this, "rtfNota", 3600, kAltoBarra, 7200, 5010);
    rtfNota_->setFont(Fuente(Tema::FaceSinSerifa, 11));
    rtfNota_->setTabChangesFocus(false);

    frmModTexto_ = CrearControl<QGroupBox>(this, "frmModTexto", 4545, 5910, 5310, 480);
    cmdNegrita_ = CrearControl<QPushButton>(frmModTexto_, "cmdNegrita", 60, 75, 390, 330);
    cmdCursiva_ = CrearControl<QPushButton>(frmModTexto_, "cmdCursiva", 480, 75, 390, 330);
    cmdSubrayado_ = CrearControl<QPushButton>(frmModTexto_, "cmdSubrayado", 900, 75, 390, 330);
    cmbSize_ = CrearControl<QComboBox>(frmModTexto_, "cmbSize", 1380, 75, 900, 330);
    cmbSize_->setPlaceholderText(QStringLiteral("Tamaño"));
    cmbFont_ = CrearControl<QComboBox>(frmModTexto_, "cmbFont", 2340, 75, 2460, 330);
    cmbFont_->setPlaceholderText(QStringLiteral("Fuentes"));
    cmdColor_ = CrearControl<QPushButton>(frmModTexto_, "cmdColor", 4860, 75, 390, 330);
    cmdColor_->setToolTip(QStringLiteral("Color del texto"));

    picEstado_ = CrearControl<QWidget>(this, "picEstado", 0, kAlto - kAltoEstado, kAncho, kAltoEstado);
    lblEstado_ = CrearControl<QLabel>(picEstado_, "lblEstado", 60, 30, kAncho - 120, 270);

    for (QWidget* w : {static_cast<QWidget*>(txtTitulo_), static_cast<QWidget*>(rtfNota_),
                       static_cast<QWidget*>(cmbSize_), static_cast<QWidget*>(cmbFont_)})
        w->installEventFilter(this);

    apunte_ = new ApunteBorrador(this, [this]() -> std::optional<Borrador> {
        if (!modificada)
            return std::nullopt;
        Borrador b;
        b.destino = DestinoNota();
        b.titulo = txtTitulo_->text();
        b.etiqueta = b.titulo.trimmed().isEmpty() ? QStringLiteral("Notas personales (nota nueva)")
                                                  : u"Notas personales «" + b.titulo.trimmed() + u"»";
        b.texto = EscribirRtf(*rtfNota_->document());
        b.formato = QStringLiteral("rtf");
        // An empty new note is nothing to keep.
        if (idNota == 0 && b.titulo.isEmpty() && rtfNota_->document()->isEmpty())
            b.texto.clear();
        return b;
    });

    connect(lstNotas_, &QListWidget::currentRowChanged, this, &frmNotas::ClicLista);
    connect(btnNueva_, &QPushButton::clicked, this, &frmNotas::ClicNueva);
    connect(btnGuardar_, &QPushButton::clicked, this, &frmNotas::ClicGuardar);
    connect(btnBorrar_, &QPushButton::clicked, this, &frmNotas::ClicBorrar);
    connect(optFecha_, &QRadioButton::clicked, this, &frmNotas::CambioOrden);
    connect(opTitulo_, &QRadioButton::clicked, this, &frmNotas::CambioOrden);
    connect(txtTitulo_, &QLineEdit::textChanged, this, &frmNotas::CambioTexto);
    connect(rtfNota_, &QTextEdit::textChanged, this, &frmNotas::CambioTexto);
    connect(rtfNota_, &QTextEdit::cursorPositionChanged, this, &frmNotas::CambioSeleccion);
    connect(rtfNota_, &QTextEdit::selectionChanged, this, &frmNotas::CambioSeleccion);
    connect(rtfNota_, &QTextEdit::currentCharFormatChanged, this, &frmNotas::CambioSeleccion);
    connect(cmdNegrita_, &QPushButton::clicked, this, &frmNotas::CambiarNegrita);
    connect(cmdCursiva_, &QPushButton::clicked, this, &frmNotas::CambiarCursiva);
    connect(cmdSubrayado_, &QPushButton::clicked, this, &frmNotas::CambiarSubrayado);
    connect(cmdColor_, &QPushButton::clicked, this, &frmNotas::ElegirColor);
    connect(cmbSize_, &QComboBox::activated, this, &frmNotas::ElegirTamano);
    connect(cmbFont_, &QComboBox::activated, this, &frmNotas::ElegirFuente);
}

void frmNotas::Cargar() {
    QFont negrita = cmdNegrita_->font(), cursiva = negrita, subrayada = negrita;
    negrita.setBold(true);
    cursiva.setItalic(true);
    subrayada.setUnderline(true);
    cmdNegrita_->setFont(negrita);
    cmdNegrita_->setText(QStringLiteral("N"));
    cmdCursiva_->setFont(cursiva);
    cmdCursiva_->setText(QStringLiteral("C"));
    cmdSubrayado_->setFont(subrayada);
    cmdSubrayado_->setText(QStringLiteral("S"));
    cmdColor_->setFont(negrita);
    cmdColor_->setText(QStringLiteral("A"));

    btnGuardar_->setEnabled(false);
    for (QWidget* w : {picToolbar_, static_cast<QWidget*>(optFecha_), static_cast<QWidget*>(opTitulo_),
                       static_cast<QWidget*>(lblOrden_), static_cast<QWidget*>(lblTituloLbl_), picEstado_})
        ColorFondo(w, Tema::ColorPanel);
    LlenarListas();
    const FormatoSeleccion f = LeerFormatoSeleccion(rtfNota_->textCursor());
    ElegirIgual(cmbSize_, f.puntos > 0 ? QString::number(RedondearEntero(f.puntos)) : QStringLiteral("11"));
    ElegirIgual(cmbFont_, f.fuente.isEmpty() ? Tema::FaceSinSerifa : f.fuente);
    ColorearEstilos(f);

    RestaurarPosicionVentana(kClave, this);

    optFecha_->setChecked(true);
    LlenarLista();
    if (lstNotas_->count() > 0)
        lstNotas_->setCurrentRow(0);
    else
        NuevaNota();
}

void frmNotas::LlenarListas() {
    if (cmbSize_->count() == 0)
        cmbSize_->addItems(kTamanos);
    if (cmbFont_->count() == 0) {
        cmbFont_->addItems(kFuentes);
        QStringList simbolos;
        for (const QString& familia : QFontDatabase::families())
            if (!kFuentes.contains(familia) && CharsetFuente(familia) == 2)
                simbolos << familia;
        std::sort(simbolos.begin(), simbolos.end(), AntesAlfabetico);
        cmbFont_->addItems(simbolos);
    }
}

bool frmNotas::PreguntarCierre() {
    if (!modificada)
        return true;
    const Respuesta r = Dialogo().PreguntarSiNoCancelar(
        kTituloAplicacion, QStringLiteral("Hay cambios sin guardar. Guardar antes de cerrar?"));
    if (r == Respuesta::No)
        SoltarBorrador();
    // A save that failed keeps the window open, so the text is not lost.
    return r == Respuesta::No || (r == Respuesta::Si && Guardar());
}

void frmNotas::closeEvent(QCloseEvent* evento) {
    if (!ConfirmarCierre()) {
        evento->ignore();
        return;
    }
    GuardarPosicionVentana(kClave, this);
    VentanaModulo::closeEvent(evento);
}

void frmNotas::resizeEvent(QResizeEvent* evento) {
    VentanaModulo::resizeEvent(evento);
    Redistribuir();
}

bool frmNotas::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate && idNota == 0)
        txtTitulo_->setFocus();
    return VentanaModulo::event(evento);
}

bool frmNotas::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && (objeto == txtTitulo_ || objeto == rtfNota_) &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        if (modificada) {
            const Respuesta r = Dialogo().PreguntarSiNoCancelar(
                kTituloAplicacion, QStringLiteral("Hay cambios sin guardar.\n¿Desea guardarlos?"));
            if (r == Respuesta::Si)
                Guardar();
            else if (r == Respuesta::No)
                Revertir();
        }
        return true;
    }
    if (evento->type() == QEvent::FocusOut && (objeto == cmbSize_ || objeto == cmbFont_)) {
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::PopupFocusReason && razon != Qt::ActiveWindowFocusReason)
            rtfNota_->setFocus();
    }
    return VentanaModulo::eventFilter(objeto, evento);
}

void frmNotas::ClicLista(int fila) {
    if (silenciar || fila < 0)
        return;
    if (modificada &&
        Dialogo().PreguntarSiNo(kTituloAplicacion, kPregunta, Icono::Pregunta) == Respuesta::Si &&
        !Guardar()) {
        // The edited note stays on screen, still unsaved, and its entry stays selected.
        silenciar = true;
        lstNotas_->setCurrentRow(FilaDe(idNota));
        silenciar = false;
        return;
    }
    CargarNota();
}

void frmNotas::CargarNota() {
    QListWidgetItem* item = lstNotas_->currentItem();
    if (!item || !NotesDb())
        return;
    // Reached with unsaved text only once the user chose not to save it.
    if (modificada)
        SoltarBorrador();
    std::optional<Nota> nota;
    try {
        nota = LeerNota(item->data(Qt::UserRole).toLongLong());
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTituloAplicacion, u"Error al cargar la nota: " + e.Descripcion(), Icono::Critico);
        return;
    }
    if (nota) {
        silenciar = true;
        idNota = nota->id;
        fechaNota = nota->fecha;
        txtTitulo_->setText(nota->titulo);
        // A plain body takes the window's face, not the format the cursor had in the note before.
        VaciarEditor();
        if (EsRtf(nota->texto))
            LeerRtf(QStringView(nota->texto), *rtfNota_->document());
        else
            rtfNota_->setPlainText(nota->texto);
        rtfNota_->document()->clearUndoRedoStacks();
        rtfNota_->moveCursor(QTextCursor::Start);
        silenciar = false;
        CambioSeleccion();
    }
    EstadoGuardado(QString());
}

void frmNotas::ClicNueva() {
    if (modificada &&
        Dialogo().PreguntarSiNo(kTituloAplicacion, kPregunta, Icono::Pregunta) == Respuesta::Si && !Guardar())
        return;
    NuevaNota();
}

void frmNotas::NuevaNota() {
    if (modificada)
        SoltarBorrador();
    idNota = 0;
    fechaNota.clear();
    silenciar = true;
    // No saved note is shown, so none is selected: a click on any entry leaves the new one.
    lstNotas_->setCurrentRow(-1);
    txtTitulo_->clear();
    VaciarEditor();
    silenciar = false;
    CambioSeleccion();
    rtfGuardado.clear();
    tituloGuardado.clear();
    modificada = false;
    btnGuardar_->setEnabled(true);
    btnNueva_->setEnabled(false);
    btnBorrar_->setEnabled(false);
    lblEstado_->clear();
    if (isVisible())
        txtTitulo_->setFocus();
}

void frmNotas::ClicGuardar() {
    Guardar();
}

bool frmNotas::Guardar() {
    if (!NotesDb()) {
        Dialogo().Informar(
            kTituloAplicacion,
            QStringLiteral("No se pudo guardar la nota: la base de datos de notas no está abierta."),
            Icono::Critico);
        return false;
    }
    const QString titulo = TituloGuardado(txtTitulo_->text());
    const QString cuerpo = EscribirRtf(*rtfNota_->document());
    const QString destino = DestinoNota();
    try {
        if (idNota != 0) {
            const qint64 id = ActualizarNota(idNota, fechaNota, titulo, cuerpo);
            if (id == idNota) {
                if (QListWidgetItem* item = lstNotas_->item(FilaDe(idNota)))
                    item->setText(FechaNota(idNota) + u"  " + titulo);
            } else {
                // The row was gone (the notes were cleared meanwhile) and the note was added anew.
                MostrarInsertada(id);
            }
        } else {
            MostrarInsertada(InsertarNota(titulo, cuerpo));
        }
    } catch (const ErrorBD& e) {
        silenciar = false;
        Dialogo().Informar(kTituloAplicacion, u"No se pudo guardar la nota: " + e.Descripcion(),
                           Icono::Critico);
        return false;
    }
    apunte_->Quitar(destino);
    EstadoGuardado(QStringLiteral("Guardado."));
    return true;
}

void frmNotas::MostrarInsertada(qint64 id) {
    idNota = id;
    const std::optional<Nota> nota = LeerNota(id);
    fechaNota = nota ? nota->fecha : QVariant();
    silenciar = true;
    LlenarLista();
    lstNotas_->setCurrentRow(FilaDe(idNota));
    silenciar = false;
}

void frmNotas::EstadoGuardado(const QString& estado) {
    rtfGuardado = EscribirRtf(*rtfNota_->document());
    tituloGuardado = txtTitulo_->text();
    modificada = false;
    btnGuardar_->setEnabled(false);
    btnNueva_->setEnabled(true);
    btnBorrar_->setEnabled(true);
    lblEstado_->setText(estado);
}

void frmNotas::ClicBorrar() {
    if (idNota == 0)
        return;
    if (Dialogo().PreguntarSiNo(kTituloAplicacion, QStringLiteral("Borrar esta nota?"), Icono::Pregunta) !=
        Respuesta::Si)
        return;
    try {
        BorrarNota(idNota);
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTituloAplicacion, u"No se pudo borrar la nota: " + e.Descripcion(),
                           Icono::Critico);
        return;
    }
    modificada = false;
    LlenarLista();
    if (lstNotas_->count() > 0) {
        if (lstNotas_->currentRow() == 0)
            CargarNota();
        else
            lstNotas_->setCurrentRow(0);
    } else {
        NuevaNota();
    }
}

void frmNotas::CambioOrden() {
    LlenarLista();
}

void frmNotas::LlenarLista() {
    if (!NotesDb())
        return;
    QListWidgetItem* actual = lstNotas_->currentItem();
    const qint64 recordado = actual ? actual->data(Qt::UserRole).toLongLong() : 0;
    std::vector<ItemNota> items;
    try {
        items = ListarNotas(Orden());
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTituloAplicacion, u"Error al cargar la lista: " + e.Descripcion(),
                           Icono::Critico);
        return;
    }
    // Emptying the list is no click; selecting the remembered entry again is one.
    const bool antes = silenciar;
    silenciar = true;
    lstNotas_->setUpdatesEnabled(false);
    lstNotas_->clear();
    QStringList textos;
    textos.reserve(qsizetype(items.size()));
    for (const ItemNota& i : items)
        textos << i.texto;
    lstNotas_->addItems(textos);
    // The ids are not shown, so the view need not hear of each one.
    lstNotas_->model()->blockSignals(true);
    for (int i = 0; i < int(items.size()); ++i)
        lstNotas_->item(i)->setData(Qt::UserRole, items[size_t(i)].id);
    lstNotas_->model()->blockSignals(false);
    lstNotas_->setUpdatesEnabled(true);
    silenciar = antes;
    if (recordado != 0) {
        const int fila = FilaDe(recordado);
        if (fila >= 0)
            lstNotas_->setCurrentRow(fila);
    }
}

int frmNotas::FilaDe(qint64 id) const {
    for (int i = 0; i < lstNotas_->count(); ++i)
        if (lstNotas_->item(i)->data(Qt::UserRole).toLongLong() == id)
            return i;
    return -1;
}

OrdenNotas frmNotas::Orden() const {
    return opTitulo_->isChecked() ? OrdenNotas::Titulo : OrdenNotas::Fecha;
}

void frmNotas::CambioTexto() {
    if (silenciar)
        return;
    modificada = true;
    apunte_->Cambio();
    btnGuardar_->setEnabled(true);
    btnNueva_->setEnabled(false);
    btnBorrar_->setEnabled(false);
    lblEstado_->clear();
}

void frmNotas::Revertir() {
    SoltarBorrador();
    silenciar = true;
    if (idNota == 0) {
        txtTitulo_->clear();
        VaciarEditor();
    } else {
        txtTitulo_->setText(tituloGuardado);
        LeerRtf(QStringView(rtfGuardado), *rtfNota_->document());
    }
    silenciar = false;
    CambioSeleccion();
    modificada = false;
    rtfGuardado = EscribirRtf(*rtfNota_->document());
    tituloGuardado = txtTitulo_->text();
    btnGuardar_->setEnabled(false);
    btnNueva_->setEnabled(idNota >= 1);
    btnBorrar_->setEnabled(idNota >= 1);
    lblEstado_->setText(QStringLiteral("Edición cancelada."));
    rtfNota_->setFocus();
}

QString frmNotas::DestinoNota() const {
    return idNota == 0 ? QStringLiteral("Nota/nueva")
                       : u"Nota/" + QString::number(idNota) + u'/' + fechaNota.toString();
}

void frmNotas::SoltarBorrador() {
    apunte_->Quitar(DestinoNota());
}

void frmNotas::PonerBorrador(const Borrador& b) {
    if (modificada &&
        Dialogo().PreguntarSiNo(kTituloAplicacion, kPregunta, Icono::Pregunta) == Respuesta::Si && !Guardar())
        return;
    const bool deNota = b.destino.startsWith(u"Nota/");
    const qint64 id = deNota ? b.destino.section(u'/', 1, 1).toLongLong() : 0;
    std::optional<Nota> nota;
    if (id > 0 && NotesDb()) {
        try {
            nota = LeerNota(id);
        } catch (const ErrorBD&) {
        }
    }
    // The same id with another date is another note: the id was used again. Text on screen the
    // user chose not to save goes, with its draft, as the note is loaded or emptied.
    if (nota && nota->fecha.toString() == b.destino.section(u'/', 2) && FilaDe(id) >= 0) {
        silenciar = true;
        lstNotas_->setCurrentRow(FilaDe(id));
        silenciar = false;
        CargarNota();
    } else {
        NuevaNota();
    }
    if (deNota || !b.titulo.isEmpty())
        txtTitulo_->setText(b.titulo);
    else
        txtTitulo_->setText(b.etiqueta);
    VaciarEditor();
    if (b.formato == u"rtf" && EsRtf(b.texto))
        LeerRtf(QStringView(b.texto), *rtfNota_->document());
    else
        rtfNota_->setPlainText(b.texto);
    CambioTexto();
    rtfNota_->moveCursor(QTextCursor::Start);
    // Kept at once under the target it now has; the one it was typed for is left without it.
    apunte_->Ahora();
    if (DestinoNota() != b.destino)
        Borradores().Quitar(b.destino);
}

void frmNotas::CambioSeleccion() {
    // While the window fills the editor its cursor is not to be trusted: it is read once filled.
    if (silenciar)
        return;
    const FormatoSeleccion f = LeerFormatoSeleccion(rtfNota_->textCursor());
    if (f.puntos > 0)
        ElegirIgual(cmbSize_, QString::number(RedondearEntero(f.puntos)));
    if (!f.fuente.isEmpty())
        ElegirIgual(cmbFont_, f.fuente);
    ColorearEstilos(f);
}

void frmNotas::ColorearEstilos(const FormatoSeleccion& f) {
    const QColor apagado = QApplication::palette().color(QPalette::Base);
    ColorFondo(cmdNegrita_, f.negrita ? Tema::ColorEstiloActivo : apagado);
    ColorFondo(cmdCursiva_, f.cursiva ? Tema::ColorEstiloActivo : apagado);
    ColorFondo(cmdSubrayado_, f.subrayado ? Tema::ColorEstiloActivo : apagado);
    // The "A" shows the colour of the selection; the editor's own for the automatic one or a mix.
    QPalette paleta = cmdColor_->palette();
    paleta.setColor(QPalette::ButtonText,
                    f.color.isValid() ? f.color : rtfNota_->palette().color(QPalette::Text));
    cmdColor_->setPalette(paleta);
}

void frmNotas::VaciarEditor() {
    rtfNota_->clear();
    rtfNota_->setCurrentCharFormat(QTextCharFormat());
}

void frmNotas::Aplicar(const QTextCharFormat& formato) {
    rtfNota_->mergeCurrentCharFormat(formato);
    CambioSeleccion();
    rtfNota_->setFocus();
}

void frmNotas::CambiarNegrita() {
    QTextCharFormat f;
    f.setFontWeight(LeerFormatoSeleccion(rtfNota_->textCursor()).negrita ? QFont::Normal : QFont::Bold);
    Aplicar(f);
}

void frmNotas::CambiarCursiva() {
    QTextCharFormat f;
    f.setFontItalic(!LeerFormatoSeleccion(rtfNota_->textCursor()).cursiva);
    Aplicar(f);
}

void frmNotas::CambiarSubrayado() {
    QTextCharFormat f;
    f.setFontUnderline(!LeerFormatoSeleccion(rtfNota_->textCursor()).subrayado);
    Aplicar(f);
}

void frmNotas::ElegirTamano(int indice) {
    const double puntos = LeerNumeroInicial(cmbSize_->itemText(indice));
    if (puntos <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(puntos);
    Aplicar(f);
}

void frmNotas::ElegirFuente(int indice) {
    QTextCharFormat f;
    f.setFontFamilies({cmbFont_->itemText(indice)});
    Aplicar(f);
}

void frmNotas::ElegirColor() {
    const QColor actual = LeerFormatoSeleccion(rtfNota_->textCursor()).color;
    const std::optional<QColor> color =
        Dialogo().PedirColor(QStringLiteral("Color del texto"),
                             actual.isValid() ? actual : rtfNota_->palette().color(QPalette::Text));
    if (!color) {
        rtfNota_->setFocus();
        return;
    }
    QTextCharFormat f;
    f.setForeground(*color);
    Aplicar(f);
}

void frmNotas::Redistribuir() {
    if (isMinimized())
        return;
    const QSize cliente = ClienteTwips(this);
    const int W = cliente.width(), H = cliente.height();
    const int T = PixelesATwips(picToolbar_->height()), S = PixelesATwips(picEstado_->height());
    ColocarTwips(picToolbar_, 0, 0, W, T);
    ColocarTwips(picEstado_, 0, H - S, W, S);
    ColocarTwips(lblEstado_, 60, 30, std::max(0, W - 120), 270);
    const int h = H - T - S;
    if (h < 100)
        return;
    const int L = W / 3, R = W - L;
    const int alto = PixelesATwips(frmModTexto_->height()), ancho = PixelesATwips(frmModTexto_->width());
    ColocarTwips(lstNotas_, 0, T, L, h);
    ColocarTwips(rtfNota_, L, T, R, h - alto);
    ColocarTwips(frmModTexto_, L + (R - ancho) / 2, T + h - alto, ancho, alto);
}
