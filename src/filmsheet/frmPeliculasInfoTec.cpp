#include "filmsheet/frmPeliculasInfoTec.h"
#include "shell/Tema.h"

#include "devtimes/TiemposPropios.h"
#include "filmsheet/FichaTecnica.h"
#include "filmsheet/GraficaEspectral.h"
#include "shell/AlmacenDatos.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Imagenes.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
constexpr int kAnchoCurva = 4277;
// The development-time window the sheet stands beside.
const QString kVentanaTiempos = QStringLiteral("frmPeliculasReveladores");
} // namespace

frmPeliculasInfoTec::frmPeliculasInfoTec(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmPeliculasInfoTec"));
    setWindowTitle(QStringLiteral("Info técnica"));
    ColorFondo(this, Qt::white);
    resize(TwipsAPixeles(10100), TwipsAPixeles(10200));

    picCabecera_ = CrearControl<QWidget>(this, "picCabecera", 0, 0, 10100, 900);
    ColorFondo(picCabecera_, Tema::FondoCabeceraFicha);
    lblNombre_ = CrearEtiqueta(picCabecera_, "lblNombre", {}, 120, 60, 7800, 420, kEtiquetaCentrada);
    lblDiscontinuada_ =
        CrearEtiqueta(picCabecera_, "lblDiscontinuada", {}, 120, 510, 1200, 285, kEtiquetaCentrada);
    lblDiscontinuada_->setAlignment(Qt::AlignCenter);
    ColorTexto(lblNombre_, Qt::white);
    ColorTexto(lblDiscontinuada_, Qt::white);

    picCaract_ = Panel("picCaract", "lblCaractTitulo", QStringLiteral("CARACTERÍSTICAS"), 900, 2100,
                       Tema::FondoCaracteristicas);
    CrearEtiqueta(picCaract_, "lblLblIso", QStringLiteral("ISO nominal:"), 120, 300, 1500, 225,
                  kEtiquetaCentrada);
    lblIso_ = CrearEtiqueta(picCaract_, "lblIso", {}, 1620, 300, 1800, 225, kEtiquetaCentrada);
    CrearEtiqueta(picCaract_, "lblLblGrano", QStringLiteral("Tipo de grano:"), 120, 570, 1500, 225,
                  kEtiquetaCentrada);
    lblGrano_ = CrearEtiqueta(picCaract_, "lblGrano", {}, 1620, 570, 1800, 225, kEtiquetaCentrada);
    CrearEtiqueta(picCaract_, "lblLblSens", QStringLiteral("Sensibilidad:"), 120, 840, 1500, 225,
                  kEtiquetaCentrada);
    lblSens_ = CrearEtiqueta(picCaract_, "lblSens", {}, 1620, 840, 2400, 225, kEtiquetaCentrada);
    CrearEtiqueta(picCaract_, "lblLblProceso", QStringLiteral("Proceso:"), 120, 1110, 1500, 225,
                  kEtiquetaCentrada);
    lblProceso_ = CrearEtiqueta(picCaract_, "lblProceso", {}, 1620, 1110, 3600, 225, kEtiquetaCentrada);
    CrearEtiqueta(picCaract_, "lblLblFabric", QStringLiteral("Fabricante:"), 120, 1380, 1500, 225,
                  kEtiquetaCentrada);
    lblFabric_ = CrearEtiqueta(picCaract_, "lblFabric", {}, 1620, 1380, 3600, 225, kEtiquetaCentrada);
    CrearEtiqueta(picCaract_, "lblLblFecha", QStringLiteral("Lanzamiento:"), 5400, 300, 1500, 225,
                  kEtiquetaCentrada);
    lblFecha_ = CrearEtiqueta(picCaract_, "lblFecha", {}, 6900, 300, 3000, 225, kEtiquetaCentrada);
    CrearEtiqueta(picCaract_, "lblLblFormato", QStringLiteral("Formatos:"), 5400, 570, 1500, 225,
                  kEtiquetaCentrada);
    lblFormato_ = CrearEtiqueta(picCaract_, "lblFormato", {}, 6900, 540, 3000, 375, kEtiquetaCentrada);
    CrearEtiqueta(picCaract_, "lblLblRevIdeal", QStringLiteral("Revelador ideal:"), 5400, 975, 1500, 225,
                  kEtiquetaCentrada);
    lblRevIdeal_ = CrearEtiqueta(picCaract_, "lblRevIdeal", {}, 6900, 960, 3000, 375, kEtiquetaCentrada);
    lblFormato_->setWordWrap(true);
    lblRevIdeal_->setWordWrap(true);

    picEspectral_ =
        Panel("picEspectral", "lblEspTitulo", QStringLiteral("RESPUESTA ESPECTRAL"), 3000, 2220, Qt::white);
    CrearEtiqueta(picEspectral_, "lblLblRango", QStringLiteral("Rango espectral:"), 120, 330, 1740, 225,
                  kEtiquetaCentrada);
    lblRango_ = CrearEtiqueta(picEspectral_, "lblRango", {}, 1860, 330, 1800, 225, kEtiquetaCentrada);
    CrearEtiqueta(picEspectral_, "lblLblFuenteRango", QStringLiteral("Fuente:"), 120, 600, 1740, 225,
                  kEtiquetaCentrada);
    lblFuenteRango_ =
        CrearEtiqueta(picEspectral_, "lblFuenteRango", {}, 1860, 600, 4500, 225, kEtiquetaCentrada);
    CrearEtiqueta(picEspectral_, "lblLblPico", QStringLiteral("Pico sensibilidad:"), 120, 870, 1740, 225,
                  kEtiquetaCentrada);
    lblPico_ = CrearEtiqueta(picEspectral_, "lblPico", {}, 1860, 870, 900, 225, kEtiquetaCentrada);
    CrearEtiqueta(picEspectral_, "lblLblCorteRojo", QStringLiteral("Corte rojo (nm):"), 120, 1140, 1740, 225,
                  kEtiquetaCentrada);
    lblCorteRojo_ = CrearEtiqueta(picEspectral_, "lblCorteRojo", {}, 1860, 1140, 900, 225, kEtiquetaCentrada);
    CrearEtiqueta(picEspectral_, "lblLblCorteIr", QStringLiteral("Corte IR (nm):"), 3300, 1140, 1500, 225,
                  kEtiquetaCentrada);
    lblCorteIr_ = CrearEtiqueta(picEspectral_, "lblCorteIr", {}, 4800, 1140, 900, 225, kEtiquetaCentrada);
    CrearEtiqueta(picEspectral_, "lblLblRecip", QStringLiteral("Fallo reciprocidad:"), 120, 1440, 1740, 225,
                  kEtiquetaCentrada);
    lblRecip_ = CrearEtiqueta(picEspectral_, "lblRecip", {}, 1860, 1440, 1800, 225, kEtiquetaCentrada);
    CrearEtiqueta(picEspectral_, "lblLblCorreccion", QStringLiteral("Corrección:"), 3300, 1440, 1500, 225,
                  kEtiquetaCentrada);
    lblCorreccion_ =
        CrearEtiqueta(picEspectral_, "lblCorreccion", {}, 4800, 1440, 1620, 225, kEtiquetaCentrada);
    lblNotaFuente_ =
        CrearEtiqueta(picEspectral_, "lblNotaFuente", {}, 120, 1950, 6300, 225, kEtiquetaCentrada);
    ColorTexto(lblNotaFuente_, Tema::TextoGris);

    picResolucion_ = Panel("picResolucion", "lblResolucionTitulo", QStringLiteral("GRANO Y RESOLUCIÓN"), 5220,
                           840, Tema::FondoResolucion);
    CrearEtiqueta(picResolucion_, "lblLblGranoRms", QStringLiteral("Grano RMS:"), 120, 300, 1500, 225,
                  kEtiquetaCentrada);
    lblGranoRms_ = CrearEtiqueta(picResolucion_, "lblGranoRms", {}, 1620, 300, 1200, 225, kEtiquetaCentrada);
    CrearEtiqueta(picResolucion_, "lblLblResLp", QStringLiteral("Resolución (lp/mm):"), 3300, 300, 1860, 225,
                  kEtiquetaCentrada);
    lblResLp_ = CrearEtiqueta(picResolucion_, "lblResLp", {}, 5160, 300, 1200, 225, kEtiquetaCentrada);

    picCurva_ = CrearControl<Lienzo>(this, "picCurva", 2961, 6180, kAnchoCurva, 3896);
    picCurva_->Limpiar(Qt::white);
    connect(picCurva_, &Lienzo::DobleClic, this, &frmPeliculasInfoTec::AbrirCurvaAmpliada);

    lblTipoCurva_ = CrearEtiqueta(this, "lblTipoCurva", {}, 120, 6180, 2700, 600, kEtiquetaCentrada);
    lblTipoCurva_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ColorTexto(lblTipoCurva_, Tema::TextoGris);

    lblSinDatos_ = CrearEtiqueta(this, "lblSinDatos", QStringLiteral("Sin datos técnicos para esta película"),
                                 0, 3060, 10100, 375, kEtiquetaCentrada);
    lblSinDatos_->setAlignment(Qt::AlignCenter);
    ColorTexto(lblSinDatos_, Tema::TextoGris);
    lblSinDatos_->hide();

    AplicarFuentes();
    lblNombre_->setFont(Fuente(Tema::FaceInterfaz, 15.75, true));
    QFont insignia = lblDiscontinuada_->font();
    insignia.setBold(true);
    lblDiscontinuada_->setFont(insignia);
}

QWidget* frmPeliculasInfoTec::Panel(const char* nombre, const char* nombreTitulo, const QString& titulo,
                                    int arriba, int alto, const QColor& fondo) {
    auto* panel = CrearControl<QWidget>(this, nombre, 0, arriba, 10100, alto);
    ColorFondo(panel, fondo);
    QLabel* t = CrearEtiqueta(panel, nombreTitulo, titulo, 120, 30, 6000, 225, kEtiquetaCentrada);
    t->setFont(Fuente(Tema::FaceInterfaz, 6.75, true));
    ColorTexto(t, Tema::TituloPanelFicha);
    return panel;
}

void frmPeliculasInfoTec::AplicarFuentes() {
    const QFont f = Fuente(Tema::FaceInterfaz, 8);
    for (QWidget* w :
         std::initializer_list<QWidget*>{picCabecera_, picCaract_, picEspectral_, picResolucion_,
                                         lblSinDatos_, lblTipoCurva_, picCurva_, lblDiscontinuada_})
        w->setFont(f);
    // Panel titles keep their own smaller bold face.
    for (QWidget* panel : {picCaract_, picEspectral_, picResolucion_})
        for (QLabel* l : panel->findChildren<QLabel*>())
            if (l->objectName().endsWith(u"Titulo"))
                l->setFont(Fuente(Tema::FaceInterfaz, 6.75, true));
}

void frmPeliculasInfoTec::Mostrar(int idPelicula, const QString& nombrePropio) {
    idPelicula_ = idPelicula;
    Marco()->show();
    Posicionar();
    if (idPelicula != 0 || nombrePropio.isEmpty()) {
        CargarDatos();
        return;
    }
    LimpiarCampos();
    rutaCurva_.clear();
    picCurva_->setToolTip({});
    nombrePelicula_ = nombrePropio;
    lblNombre_->setText(nombrePropio + kMarcaPropio);
    setWindowTitle(u"Info técnica: " + nombrePropio);
    MostrarSinDatos(true);
}

void frmPeliculasInfoTec::MostrarSinDatos(bool sinDatos) {
    lblSinDatos_->setVisible(sinDatos);
    for (QWidget* p : {picCaract_, picEspectral_, picResolucion_})
        p->setVisible(!sinDatos);
}

void frmPeliculasInfoTec::Posicionar() {
    QMdiArea* area = anfitrion_.Area();
    if (!area)
        return;
    QWidget* tiempos = nullptr;
    for (QMdiSubWindow* sub : area->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == kVentanaTiempos)
            tiempos = sub;
    if (!tiempos || tiempos->isMinimized())
        return;
    QWidget* marco = Marco();
    int izquierda = tiempos->x() + tiempos->width();
    if (izquierda + marco->width() > area->viewport()->width())
        izquierda = tiempos->x() - marco->width();
    marco->move(std::max(izquierda, 0), tiempos->y());
}

void frmPeliculasInfoTec::LimpiarCampos() {
    for (QLabel* l :
         {lblNombre_,    lblFabric_,    lblIso_,          lblGrano_, lblSens_,        lblProceso_,
          lblFecha_,     lblFormato_,   lblRevIdeal_,     lblRango_, lblFuenteRango_, lblPico_,
          lblCorteRojo_, lblCorteIr_,   lblNotaFuente_,   lblRecip_, lblCorreccion_,  lblGranoRms_,
          lblResLp_,     lblTipoCurva_, lblDiscontinuada_})
        l->clear();
    ColorFondo(lblDiscontinuada_, Tema::InsigniaInactiva);
    picCurva_->Limpiar(Qt::white);
}

void frmPeliculasInfoTec::CargarDatos() {
    LimpiarCampos();
    rutaCurva_.clear();
    picCurva_->setToolTip({});
    if (!ReferenceDb() || idPelicula_ == 0)
        return;
    std::optional<DatosFicha> datos;
    try {
        nombrePelicula_ = LeerNombrePelicula(idPelicula_);
        datos = LeerDatosFicha(idPelicula_);
    } catch (const ErrorBD& e) {
        Dialogo().Informar({}, u"Error al cargar la ficha técnica: " + e.Descripcion(), Icono::Exclamacion);
        return;
    }
    lblNombre_->setText(nombrePelicula_.isEmpty() ? u"Película " + QString::number(idPelicula_)
                                                  : nombrePelicula_);
    setWindowTitle(u"Info técnica: " + nombrePelicula_);
    MostrarSinDatos(!datos);
    if (!datos)
        return;
    const DatosFicha& d = *datos;
    lblFabric_->setText(FormatearValor(d.fabricante));
    lblIso_->setText(FormatearValor(d.isoNominal));
    lblGrano_->setText(FormatearValor(d.tipoGrano));
    lblSens_->setText(FormatearValor(d.sensibilidadEspectral));
    lblProceso_->setText(FormatearValor(d.procesoCompatible));
    lblFecha_->setText(FormatearValor(d.fechaLanzamiento));
    lblFormato_->setText(FormatearValor(d.formatoDisponible));
    lblRevIdeal_->setText(FormatearValor(d.reveladorIdeal));
    const Insignia insignia = InsigniaDiscontinuada(d.discontinuada);
    lblDiscontinuada_->setText(insignia.texto);
    ColorFondo(lblDiscontinuada_, insignia.fondo);
    lblRango_->setText(FormatearValor(d.rangoEspectralNm));
    lblFuenteRango_->setText(d.fuenteRangoEspectral);
    ColorTexto(lblFuenteRango_, ColorFuente(d.fuenteRangoEspectral));
    lblPico_->setText(FormatearValor(d.picoSensibilidadNm));
    lblCorteRojo_->setText(FormatearValor(d.corteRojoNm));
    lblCorteIr_->setText(FormatearValor(d.corteIrNm));
    lblNotaFuente_->setText(NotaFuente(d.fuenteRangoEspectral));
    lblRecip_->setText(d.falloReciprocidad);
    ColorTexto(lblRecip_, ColorReciprocidad(d.falloReciprocidad));
    lblCorreccion_->setText(FormatearValor(d.correccionReciprocidad));
    lblGranoRms_->setText(FormatearValor(d.tamanioGranoRms));
    lblResLp_->setText(FormatearValor(d.resolucionLpMm));

    rutaCurva_ = BuscarCurvaOficial(nombrePelicula_);
    const QImage curva = rutaCurva_.isEmpty() ? QImage() : CargarImagen(rutaCurva_);
    if (curva.isNull()) {
        DibujarCurvaEstimada();
        return;
    }
    PintarImagenAjustada(curva);
    lblTipoCurva_->setText(QStringLiteral("Curva oficial\ndel fabricante"));
    ColorTexto(lblTipoCurva_, Tema::FuenteFabricante);
    picCurva_->setToolTip(QStringLiteral("Doble clic para ver la imagen ampliada"));
}

void frmPeliculasInfoTec::DibujarCurvaEstimada() {
    const ParametrosEspectrales p = DerivarParametros(
        lblRango_->text(), lblPico_->text(), lblCorteRojo_->text(), lblCorteIr_->text(), lblSens_->text());
    ::DibujarCurvaEstimada(*picCurva_, p);
    // Two lines: a label breaks at LF.
    lblTipoCurva_->setText(QStringLiteral("Curva aprox.\n(datos estimados)"));
    ColorTexto(lblTipoCurva_, Tema::FuenteEstimada);
}

void frmPeliculasInfoTec::PintarImagenAjustada(const QImage& imagen) {
    picCurva_->Limpiar(Qt::white);
    picCurva_->ImagenAjustada(imagen);
}

void frmPeliculasInfoTec::AbrirCurvaAmpliada() {
    if (rutaCurva_.isEmpty() || !QFileInfo::exists(rutaCurva_))
        return;
    anfitrion_.MostrarImagenCompleta(rutaCurva_, nombrePelicula_, false);
}

void frmPeliculasInfoTec::resizeEvent(QResizeEvent* evento) {
    VentanaModulo::resizeEvent(evento);
    const int w = width();
    if (w <= 0)
        return;
    for (QWidget* p :
         {picCabecera_, picCaract_, picEspectral_, picResolucion_, static_cast<QWidget*>(lblSinDatos_)})
        p->resize(w, p->height());
    const int ancho = PixelesATwips(w);
    picCurva_->move(TwipsAPixeles((ancho - kAnchoCurva) / 2), picCurva_->y());
    lblTipoCurva_->move(TwipsAPixeles(120), lblTipoCurva_->y());
}
