#include "app/frmAyuda.h"

#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Numeros.h"
#include "shell/Rutas.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

frmAyuda::frmAyuda(Anfitrion&, QWidget* padre) : VentanaModulo(padre) {
    setObjectName(QStringLiteral("frmAyuda"));
    setWindowTitle(QStringLiteral("Ayuda"));
    ColocarTwips(this, 0, 0, 12000, 9000);
    WebBrowser1_ = CrearControl<QTextBrowser>(this, "WebBrowser1", 120, 120, 11760, 8760);
    // Links to the web leave for the desktop's browser; those inside the manual stay here.
    WebBrowser1_->setOpenExternalLinks(true);
}

QString frmAyuda::RutaManual() {
    return RutaPrograma(QStringLiteral("UXEL Garvola _ Manual.htm"));
}

void frmAyuda::Mostrar(Anfitrion& anfitrion) {
    if (VentanaModulo* abierta = anfitrion.Buscar(typeid(frmAyuda))) {
        anfitrion.Activar(abierta);
        return;
    }
    // Asked before the window exists, so a missing manual never leaves an empty window behind.
    const QString ruta = RutaManual();
    if (!QFileInfo(ruta).isFile()) {
        Dialogo().Informar(kTituloAplicacion,
                           u"No se encontró el fichero de ayuda:\r\n\r\n" + QDir::toNativeSeparators(ruta),
                           Icono::Exclamacion);
        return;
    }
    anfitrion.Abrir<frmAyuda>();
}

void frmAyuda::Cargar() {
    WebBrowser1_->setSource(QUrl::fromLocalFile(RutaManual()));
}

void frmAyuda::resizeEvent(QResizeEvent* evento) {
    VentanaModulo::resizeEvent(evento);
    if (isMinimized())
        return;
    const QSize cliente = ClienteTwips(this);
    ColocarTwips(WebBrowser1_, 120, 120, std::max(kTwipsPorPixel, cliente.width() - 240),
                 std::max(kTwipsPorPixel, cliente.height() - 240));
}
