// garvola-capturas DESTINO: renders each window of the program, offscreen and from the shipped
// data set, into DESTINO/manual_img/<command>.png for the user manual. The build runs it, so the
// pictures follow the windows as they change.
#include "app/Modulos.h"
#include "app/frmMDI.h"
#include "datos/ConstructorDatos.h"
#include "shell/AjustesUsuario.h"
#include "shell/BaseDatos.h"
#include "shell/DialogosQt.h"
#include "shell/Fuentes.h"
#include "shell/Rutas.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

namespace {

void Esperar() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

bool Guardar(QWidget* ventana, const QString& ruta) {
    Esperar();
    if (ventana->grab().save(ruta, "PNG"))
        return true;
    std::fprintf(stderr, "No se pudo escribir %s\n", qPrintable(ruta));
    return false;
}

// The windows are shown with something chosen, as a user sees them at work.
void ElegirEnLista(QWidget* ventana, const QString& control, const QString& nombre) {
    auto* lista = ventana->findChild<QListWidget*>(control);
    if (!lista)
        return;
    const QList<QListWidgetItem*> hallados = lista->findItems(nombre, Qt::MatchContains);
    if (hallados.isEmpty())
        return;
    lista->scrollToItem(hallados.first());
    lista->setCurrentItem(hallados.first());
    Q_EMIT lista->itemClicked(hallados.first());
}

void ElegirCarpeta(QWidget* ventana, const QStringList& camino) {
    auto* arbol = ventana->findChild<QTreeWidget*>();
    if (!arbol || arbol->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* nodo = arbol->topLevelItem(0);
    for (const QString& nombre : camino) {
        arbol->expandItem(nodo);
        QTreeWidgetItem* hijo = nullptr;
        for (int i = 0; i < nodo->childCount() && !hijo; ++i)
            if (nodo->child(i)->text(0) == nombre)
                hijo = nodo->child(i);
        if (!hijo)
            return;
        nodo = hijo;
    }
    arbol->setCurrentItem(nodo);
}

void CopiarCarpeta(const QString& origen, const QString& destino) {
    QDir().mkpath(destino);
    for (const QString& f : QDir(origen).entryList(QDir::Files))
        QFile::copy(origen + u'/' + f, destino + u'/' + f);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: garvola-capturas DESTINO\n");
        return 2;
    }
    const QString destino = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/manual_img");
    QDir().mkpath(destino);
    InstalarDialogos(std::make_unique<DialogosQt>());
    InstalarSustitutos();

    // A fresh program folder and settings, so the pictures never show a user's own data.
    QTemporaryDir carpeta;
    try {
        ConstruirCarpetaPrograma(carpeta.path());
    } catch (const ErrorBD& e) {
        std::fprintf(stderr, "garvola-capturas: %s\n", qPrintable(e.Descripcion()));
        return 1;
    }
    CopiarCarpeta(QStringLiteral(GARVOLA_ICONOS), carpeta.path() + QStringLiteral("/iconos"));
    QFile::copy(QStringLiteral(GARVOLA_MANUAL),
                carpeta.path() + QStringLiteral("/UXEL Garvola _ Manual.htm"));
    CopiarCarpeta(QStringLiteral(GARVOLA_ICONOS), carpeta.path() + QStringLiteral("/manual_img"));
    FijarCarpetaPrograma(carpeta.path());
    // Settings apart, so the image viewer's tree shows only the program folder.
    QTemporaryDir ajustes;
    FijarCarpetaAjustes(ajustes.path());

    frmMDI principal;
    principal.resize(1280, 860);
    principal.Cargar();
    principal.show();
    bool bien = Guardar(&principal, destino + QStringLiteral("/principal.png"));

    for (const Modulo& m : Modulos()) {
        const QString accion = QString::fromLatin1(m.accion);
        principal.Area()->closeAllSubWindows();
        principal.Accion(accion)->trigger();
        Esperar();
        QMdiSubWindow* sub = principal.Area()->activeSubWindow();
        if (!sub)
            continue;
        if (accion == QStringLiteral("mnuBuscarPeliRevel"))
            ElegirEnLista(sub->widget(), QStringLiteral("lstItems"), QStringLiteral("HP5"));
        if (accion == QStringLiteral("mnuBuscarPeliRevelDiscont"))
            ElegirEnLista(sub->widget(), QStringLiteral("lstItems"), QStringLiteral("APX 100"));
        if (accion == QStringLiteral("mnuVerFormulas"))
            ElegirEnLista(sub->widget(), QStringLiteral("lstFormulas"), QStringLiteral("D-76"));
        if (accion == QStringLiteral("mnuVisorImag"))
            ElegirCarpeta(sub->widget(), {QStringLiteral("imag"), QStringLiteral("films")});
        bien &= Guardar(sub, destino + u'/' + accion + QStringLiteral(".png"));
    }
    principal.Area()->closeAllSubWindows();
    principal.close();
    return bien ? 0 : 1;
}
