#include "maintenance/frmServicio.h"

#include "exchange/ExportacionMisDatos.h"
#include "exchange/ImportacionMisDatos.h"
#include "maintenance/CopiaSeguridad.h"
#include "maintenance/Fondos.h"
#include "shell/Anfitrion.h"
#include "shell/AvisoDatosPropios.h"
#include "shell/BaseDatos.h"
#include "shell/Configuracion.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Imagenes.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"
#include "shell/Tema.h"
#include "shell/TextoAnsi.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <new>

namespace {
const QString kTituloBorrar = QStringLiteral("Borrar notas");
const QString kClaveFondo = QStringLiteral("Fondo");
const QString kTituloExportar = QStringLiteral("Exportar mis datos");
const QString kTituloImportar = QStringLiteral("Importar mis datos");
constexpr int kRolNumero = Qt::UserRole;
constexpr int kRolNombre = Qt::UserRole + 1;
constexpr double kAnchoBoton = 3840;

void Rechazar(const QString& ruta, const QString& motivo) {
    Dialogo().Informar(kTituloImportar,
                       u"No se puede importar " + QDir::toNativeSeparators(ruta) + u":\n" + motivo +
                           u"\n\nNo se ha escrito nada.",
                       Icono::Exclamacion);
}
} // namespace

// A package read and checked on a worker thread, which touches no database: the window thread
// only looks at the progress until the thread has ended, then takes the result.
struct LecturaPaquete {
    QString ruta;
    std::atomic<int> porMil{0};
    std::atomic<bool> cancelar{false};
    PaqueteMisDatos paquete;
    QString error;

    void Leer() {
        try {
            paquete = LeerMisDatos(ruta, [this](qint64 hechos, qint64 total) {
                porMil = total > 0 ? int(hechos * 1000 / total) : 0;
                return !cancelar;
            });
        } catch (const ErrorBD& e) {
            error = e.Descripcion();
        } catch (const std::bad_alloc&) {
            paquete = {};
            error = QStringLiteral("no hay memoria suficiente para leer el paquete.");
        }
    }
};

frmServicio::frmServicio(Anfitrion& anfitrion, QWidget* padre) : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmServicio"));
    setWindowTitle(QStringLiteral("Utilidades de servicio"));
    setFont(Fuente(Tema::FaceInterfaz, 9));

    CrearBorrado("Command1", 240, QStringLiteral("Borrar todas mis notas en Películas"),
                 NotasUsuario::Peliculas,
                 QStringLiteral("Se borrarán todas las notas de Mis notas en Películas."),
                 QStringLiteral("Notas de Películas borradas."));
    CrearBorrado("cmdBorrarMisNotasReveladores", 840, QStringLiteral("Borrar todas mis notas en Reveladores"),
                 NotasUsuario::Reveladores,
                 QStringLiteral("Se borrarán todas las notas de Mis notas en Reveladores."),
                 QStringLiteral("Notas de Reveladores borradas."));
    CrearBorrado("cmdBorrarNotasFormulas", 1440, QStringLiteral("Borrar todas mis notas en Fórmulas"),
                 NotasUsuario::Formulas,
                 QStringLiteral("Se borrará el contenido de Mis notas en todas las Fórmulas."),
                 QStringLiteral("Notas de Fórmulas borradas."));
    CrearBorrado("cmdBorrarNotasPersonales", 2040, QStringLiteral("Borrar todas mis notas personales"),
                 NotasUsuario::Personales, QStringLiteral("Se borrarán todas las Notas personales."),
                 QStringLiteral("Notas personales borradas."));
    auto* cmdCopia = CrearControl<QPushButton>(this, "cmdCopiaRespaldoBBDD", 240, 2880, kAnchoBoton, 495);
    cmdCopia->setText(QStringLiteral("Hacer copia de las bases de datos"));
    connect(cmdCopia, &QPushButton::clicked, this, [] { HacerCopiaSeguridad(); });
    auto* cmdExportar = CrearControl<QPushButton>(this, "cmdExportarMisDatos", 240, 3480, kAnchoBoton, 495);
    cmdExportar->setText(QStringLiteral("Exportar mis datos…"));
    connect(cmdExportar, &QPushButton::clicked, this, &frmServicio::Exportar);
    cmdImportar_ = CrearControl<QPushButton>(this, "cmdImportarMisDatos", 240, 4080, kAnchoBoton, 495);
    cmdImportar_->setText(QStringLiteral("Importar mis datos…"));
    connect(cmdImportar_, &QPushButton::clicked, this, &frmServicio::Importar);
    CrearBorrado("cmdBorrarTiemposPropios", 4680, QStringLiteral("Borrar todos mis tiempos"),
                 NotasUsuario::Tiempos,
                 QStringLiteral("Se borrarán todos mis tiempos, películas y reveladores propios."),
                 QStringLiteral("Tiempos propios borrados."));
    CrearBorrado(
        "cmdBorrarSesionesRevelado", 5280, QStringLiteral("Borrar mis tanques, botellas y sesiones"),
        NotasUsuario::Sesiones,
        QStringLiteral("Se borrarán todos mis tanques, botellas de revelador y sesiones de revelado."),
        QStringLiteral("Tanques, botellas y sesiones borrados."));

    auto* lblFondo = CrearControl<QLabel>(this, "lblFondo", 4320, 240, 5400, 255);
    lblFondo->setText(QStringLiteral("Elegir fondo de pantalla:"));
    lstFondos_ = CrearControl<QListWidget>(this, "lstFondos", 4320, 540, 5400, 2100);
    lstFondos_->setFont(Fuente(Tema::FaceFija, 9));
    picPreview_ = CrearControl<Lienzo>(this, "picPreview", 4320, 2760, 5400, 3000);
    picPreview_->Limpiar(palette().color(QPalette::Window));
    // Selection, not the current item: the list takes a current item when it gets the focus.
    connect(lstFondos_, &QListWidget::itemSelectionChanged, this, &frmServicio::ElegirFondo);

    barImportar_ = CrearControl<QProgressBar>(this, "barImportarMisDatos", 240, 5880, kAnchoBoton, 330);
    barImportar_->setRange(0, 1000);
    barImportar_->setFormat(QStringLiteral("Leyendo el paquete… %p %"));
    barImportar_->hide();
    relojImportar_ = new QTimer(this);
    relojImportar_->setInterval(100);
    connect(relojImportar_, &QTimer::timeout, this, [this] {
        if (lectura_)
            barImportar_->setValue(lectura_->porMil);
    });

    resize(TwipsAPixeles(9960), TwipsAPixeles(6480));
    FijarTamanoDisenado(size());
}

frmServicio::~frmServicio() {
    if (hilo_) {
        // A window closed while reading: the reading stops at its next row and is dropped.
        hilo_->disconnect(this);
        lectura_->cancelar = true;
        hilo_->wait();
    }
}

bool frmServicio::Importando() const {
    return hilo_ != nullptr;
}

void frmServicio::Cargar() {
    cargando_ = true;
    const QString fondo = LeerCfg(kClaveFondo);
    lstFondos_->clear();
    int numero = 0;
    for (const Fondo& f : ListarFondos()) {
        auto* linea = new QListWidgetItem(f.linea, lstFondos_);
        linea->setData(kRolNumero, ++numero);
        linea->setData(kRolNombre, f.nombre);
    }
    MarcarFondo(fondo);
    cargando_ = false;
    anfitrion_.CentrarChild(this);
}

void frmServicio::ElegirFondo() {
    if (cargando_)
        return;
    const QList<QListWidgetItem*> elegidas = lstFondos_->selectedItems();
    if (elegidas.isEmpty())
        return;
    // The whole name: the line shows at most 30 characters of it.
    const QString nombre = elegidas.front()->data(kRolNombre).toString();
    if (!CabeEnAnsi(nombre)) {
        Dialogo().Informar(
            QString(),
            QStringLiteral("El archivo \"") + nombre +
                QStringLiteral("\" no se puede usar como fondo: su nombre tiene caracteres "
                               "que garvola.cfg no puede guardar.\nSe mantiene el fondo actual."),
            Icono::Exclamacion);
        cargando_ = true;
        MarcarFondo(LeerCfg(kClaveFondo));
        cargando_ = false;
        return;
    }
    MostrarPreview(nombre);
    if (QFileInfo(RutaFondo(nombre)).isFile())
        anfitrion_.FijarFondo(nombre);
    if (!GuardarCfg(kClaveFondo, nombre))
        Dialogo().Informar(QString(), QStringLiteral("No se pudo guardar el fondo elegido en garvola.cfg."),
                           Icono::Exclamacion);
}

void frmServicio::Exportar() {
    const QString propuesta = QDir::homePath() + u"/mis_datos_garvola_" +
                              QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + u".zip";
    const auto ruta = Dialogo().PedirArchivoGuardar(
        kTituloExportar, propuesta,
        QStringLiteral("Archivo ZIP (*.zip);;Carpeta (cualquier nombre sin .zip) (*)"));
    if (!ruta)
        return;
    try {
        const ResumenExportacion resumen = ExportarMisDatos(*ruta);
        Dialogo().Informar(kTituloExportar, TextoExportado(resumen, QDir::toNativeSeparators(*ruta)),
                           resumen.omitidas.isEmpty() ? Icono::Informacion : Icono::Exclamacion);
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTituloExportar, u"No se pudieron exportar mis datos: " + e.Descripcion(),
                           Icono::Critico);
    }
}

void frmServicio::Importar() {
    if (hilo_)
        return;
    const auto ruta = Dialogo().PedirArchivoAbrir(kTituloImportar, QDir::homePath(),
                                                  QStringLiteral("Mis datos (*.zip manifiesto.csv)"));
    if (!ruta)
        return;
    lectura_ = std::make_shared<LecturaPaquete>();
    lectura_->ruta = *ruta;
    // The reading is what a large or hostile package makes long and heavy; it needs no database.
    hilo_.reset(QThread::create([lectura = lectura_] { lectura->Leer(); }));
    connect(hilo_.get(), &QThread::finished, this, &frmServicio::PaqueteLeido, Qt::QueuedConnection);
    MostrarLectura(true);
    hilo_->start();
}

void frmServicio::MostrarLectura(bool leyendo) {
    cmdImportar_->setEnabled(!leyendo);
    barImportar_->setValue(0);
    barImportar_->setVisible(leyendo);
    if (leyendo)
        relojImportar_->start();
    else
        relojImportar_->stop();
}

void frmServicio::PaqueteLeido() {
    hilo_->wait();
    hilo_.reset();
    const std::shared_ptr<LecturaPaquete> lectura = std::move(lectura_);
    MostrarLectura(false);
    if (!lectura->error.isEmpty()) {
        Rechazar(lectura->ruta, lectura->error);
        return;
    }
    ImportarLeido(lectura->ruta, lectura->paquete);
}

void frmServicio::ImportarLeido(const QString& ruta, const PaqueteMisDatos& paquete) {
    PlanImportacion plan;
    try {
        plan = PlanificarImportacion(paquete);
    } catch (const ErrorBD& e) {
        Rechazar(ruta, e.Descripcion());
        return;
    }
    if (plan.Nuevos() == 0 && plan.Existentes() == 0) {
        Dialogo().Informar(kTituloImportar, u"No hay nada que importar.\n\n" + TextoPlan(plan),
                           Icono::Informacion);
        return;
    }
    bool reemplazar = false;
    if (plan.Existentes() == 0) {
        if (Dialogo().PreguntarSiNo(kTituloImportar, TextoPlan(plan) + u"\n\n¿Añadir los datos nuevos?",
                                    Icono::Pregunta) != Respuesta::Si)
            return;
    } else {
        const Respuesta r = Dialogo().PreguntarSiNoCancelar(
            kTituloImportar,
            TextoPlan(plan) + u"\n\n¿Añadir los nuevos y conservar los que ya existen?\n"
                              u"Sí: añadir los nuevos y conservar los existentes.\n"
                              u"No: añadir los nuevos y reemplazar los existentes por los del archivo.\n"
                              u"Cancelar: no importar nada.",
            Icono::Pregunta);
        if (r == Respuesta::Cancelar)
            return;
        reemplazar = r == Respuesta::No;
    }
    PlanImportacion hecho;
    try {
        hecho = ImportarMisDatos(paquete, reemplazar);
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTituloImportar,
                           u"No se pudieron importar mis datos: " + e.Descripcion() +
                               u"\nNo se ha escrito nada.",
                           Icono::Critico);
        return;
    }
    AvisarDatosPropiosCambiados();
    Dialogo().Informar(kTituloImportar, TextoImportado(hecho, reemplazar), Icono::Informacion);
}

void frmServicio::CrearBorrado(const char* nombre, double arriba, const QString& titulo, NotasUsuario notas,
                               const QString& pregunta, const QString& confirmacion) {
    auto* boton = CrearControl<QPushButton>(this, nombre, 240, arriba, kAnchoBoton, 495);
    boton->setText(titulo);
    connect(boton, &QPushButton::clicked, this,
            [this, notas, pregunta, confirmacion] { Borrar(notas, pregunta, confirmacion); });
}

void frmServicio::Borrar(NotasUsuario notas, const QString& pregunta, const QString& confirmacion) {
    if (Dialogo().PreguntarSiNo(kTituloBorrar, pregunta + QStringLiteral("\n¿Continuar?"), Icono::Pregunta) !=
        Respuesta::Si)
        return;
    const QString prefijo = QStringLiteral("No se pudieron borrar las notas: ");
    try {
        if (!BorrarNotas(notas)) {
            Dialogo().Informar(kTituloBorrar, prefijo + QStringLiteral("la base de datos está cerrada."),
                               Icono::Exclamacion);
            return;
        }
    } catch (const ErrorBD& e) {
        Dialogo().Informar(kTituloBorrar, prefijo + e.Descripcion(), Icono::Critico);
        return;
    }
    Dialogo().Informar(kTituloBorrar, confirmacion, Icono::Informacion);
}

void frmServicio::MarcarFondo(const QString& nombre) {
    lstFondos_->clearSelection();
    lstFondos_->setCurrentRow(-1);
    picPreview_->Limpiar();
    for (int i = 0; i < lstFondos_->count(); ++i) {
        QListWidgetItem* linea = lstFondos_->item(i);
        if (linea->data(kRolNombre).toString() == nombre) {
            lstFondos_->setCurrentItem(linea);
            lstFondos_->scrollToItem(linea);
            MostrarPreview(nombre);
            return;
        }
    }
}

void frmServicio::MostrarPreview(const QString& nombre) {
    picPreview_->Limpiar();
    const QString ruta = RutaFondo(nombre);
    if (!QFileInfo(ruta).isFile())
        return;
    picPreview_->ImagenAjustada(CargarImagen(ruta));
}
