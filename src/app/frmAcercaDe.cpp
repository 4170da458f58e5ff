#include "app/frmAcercaDe.h"

#include "app/IconosPrograma.h"
#include "app/frmMDI.h"
#include "shell/Controles.h"
#include "shell/Rutas.h"
#include "shell/Tema.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

frmAcercaDe::frmAcercaDe(Anfitrion&, QWidget* padre) : VentanaModulo(padre) {
    setObjectName(QStringLiteral("frmAcercaDe"));
    setWindowTitle(QStringLiteral("Acerca de UXEL Garvola"));
    ColorFondo(this, Tema::FondoBotonesDirectos);
    ColocarTwips(this, 0, 0, 7200, 4500);

    auto* Image2 = CrearControl<QLabel>(this, "Image2", 240, 240, 1440, 1440);
    const QIcon logo = IconoPrograma(QStringLiteral("logo"));
    Image2->setPixmap(logo.pixmap(TamanoIcono(logo)));

    auto* titulo = CrearEtiqueta(this, "lblTitulo", QStringLiteral("UXEL Garvola"), 1920, 240, 5040, 480,
                                 kEtiquetaCentrada);
    titulo->setFont(Fuente(Tema::FaceInterfaz, 16, true));
    CrearEtiqueta(this, "lblVers", QStringLiteral("Versión"), 1920, 840, 840, 285, kEtiquetaCentrada)
        ->setFont(Fuente(Tema::FaceInterfaz, 9));
    CrearEtiqueta(this, "lblVersion", QString(), 2760, 840, 1500, 285, kEtiquetaCentrada)
        ->setFont(Fuente(Tema::FaceInterfaz, 9, true));
    const QFont arial = Fuente(Tema::FaceSinSerifa, 8);
    CrearEtiqueta(this, "lblCopyright", QString(), 1920, 1200, 5040, 255, kEtiquetaCentrada)->setFont(arial);
    CrearEtiqueta(this, "lblCopyright2", QString(), 1920, 1455, 5040, 255, kEtiquetaCentrada)->setFont(arial);

    auto* basado =
        CrearEtiqueta(this, "lblBasadoEn",
                      QStringLiteral("Tiempos de revelado, datos técnicos y fórmulas tomados de las hojas "
                                     "técnicas y formularios publicados por los fabricantes (Ilford, "
                                     "Kodak, Foma, Rollei, Ferrania, Agfa), como indica la nota de cada "
                                     "tiempo."),
                      240, 1920, 6720, 720, kEtiquetaCentrada);
    basado->setWordWrap(true);
    basado->setFont(Fuente(Tema::FaceInterfaz, 8.5));

    auto* carpeta =
        CrearEtiqueta(this, "lblCarpetaDatos", QString(), 240, 2760, 6720, 720, kEtiquetaCentrada);
    carpeta->setWordWrap(true);
    carpeta->setFont(Fuente(Tema::FaceInterfaz, 8.5));
    carpeta->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* aceptar = CrearControl<QPushButton>(this, "cmdAceptar", 5640, 3840, 1320, 420);
    aceptar->setText(QStringLiteral("Aceptar"));
    connect(aceptar, &QPushButton::clicked, this, [this] { Marco()->close(); });
}

void frmAcercaDe::Cargar() {
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(frmMDI::Version);
    findChild<QLabel*>(QStringLiteral("lblCopyright"))->setText(frmMDI::Copyright);
    findChild<QLabel*>(QStringLiteral("lblCopyright2"))->setText(frmMDI::Copyright2);
    findChild<QLabel*>(QStringLiteral("lblCarpetaDatos"))
        ->setText(u"Datos y documentos en: " + QDir::toNativeSeparators(CarpetaPrograma()));
}
