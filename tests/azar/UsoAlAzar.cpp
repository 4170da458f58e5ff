// Random but valid use of the whole program, as a user with too much time would: every module
// opened through its menu, then thousands of clicks, keys, typed texts, list and grid selections,
// resizes, closings and menu commands, every question answered at random. The same seed gives the
// same actions. It fails on a crash (and, built with the sanitizers, on their reports), on a Qt
// warning about a null object or a broken connection, on an action the program takes over the time
// limit to handle, and on a database that is not intact at the end.
//
//   uso_azar [--semillas 1,2,3] [--acciones N] [--limite-ms M] [--detalle]

#include "app/Arranque.h"
#include "app/frmMDI.h"
#include "azar/DialogosAlAzar.h"
#include "documents/Escritorio.h"
#include "shell/AjustesUsuario.h"
#include "shell/AlmacenDatos.h"
#include "shell/BaseDatos.h"
#include "shell/Fuentes.h"
#include "shell/Rutas.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <pthread.h>
#include <thread>
#include <unistd.h>

#ifdef __SANITIZE_ADDRESS__
extern "C" void __sanitizer_set_death_callback(void (*callback)(void));
#endif

namespace {

// What was being done, readable from a signal handler when the program dies.
char gUltima[600] = "";

void EscribirUltima() {
    const char pre[] = "\nuso_azar: última acción: ";
    (void)!write(2, pre, sizeof pre - 1);
    (void)!write(2, gUltima, strlen(gUltima));
    (void)!write(2, "\n", 1);
}

void AlMorir(int senal) {
    EscribirUltima();
    std::signal(senal, SIG_DFL);
    std::raise(senal);
}

std::atomic<int> gFallos{0};
QtMessageHandler gManejadorPrevio = nullptr;

// Warnings that mean a fault of the program: a null object used, a connection that did not form.
void AlAvisar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    const bool fallo = tipo == QtCriticalMsg || tipo == QtFatalMsg ||
                       (tipo == QtWarningMsg &&
                        (texto.contains(u"QObject::connect") || texto.contains(u"QObject::disconnect") ||
                         texto.contains(u"null", Qt::CaseInsensitive) || texto.contains(u"No such signal") ||
                         texto.contains(u"No such slot")));
    if (fallo) {
        ++gFallos;
        fprintf(stderr, "uso_azar: FALLO: aviso de Qt durante «%s»: %s\n", gUltima, qPrintable(texto));
    }
    if (gManejadorPrevio)
        gManejadorPrevio(tipo, contexto, texto);
}

bool CopiarCarpeta(const QString& origen, const QString& destino) {
    QDir().mkpath(destino);
    QDirIterator it(origen, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = it.next();
        const QString relativo = QDir(origen).relativeFilePath(ruta);
        if (it.fileInfo().isDir())
            QDir().mkpath(destino + u'/' + relativo);
        else if (!QFile::copy(ruta, destino + u'/' + relativo))
            return false;
    }
    return true;
}

QString Describir(const QWidget* w) {
    if (!w)
        return QStringLiteral("(nada)");
    // Unnamed parts (a grid's scroll bar) are named by the control that holds them.
    QString nombre;
    for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
        const QString este =
            p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName();
        nombre = nombre.isEmpty() ? este : este + u'.' + nombre;
        if (!p->objectName().isEmpty() && !p->objectName().startsWith(u"qt_"))
            break;
    }
    if (nombre.isEmpty())
        nombre = QString::fromLatin1(w->metaObject()->className());
    // The module window inside its sub-window, or the top-level window.
    const QWidget* ventana = w;
    while (ventana->parentWidget() && !ventana->isWindow() &&
           !qobject_cast<const QMdiSubWindow*>(ventana->parentWidget()))
        ventana = ventana->parentWidget();
    if (ventana != w)
        nombre = (ventana->objectName().isEmpty() ? QString::fromLatin1(ventana->metaObject()->className())
                                                  : ventana->objectName()) +
                 u'/' + nombre;
    return nombre;
}

// One seed's run: a fresh copy of the program folder, the main window started as the program
// starts it, then the actions, each taken from the event loop so that a menu or a dialog that
// runs its own loop is acted on from inside it, as a user would.
class Conductor : public QObject {
public:
    // Counts resizes per widget within one action: a layout that never settles shows as thousands.
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Resize && objeto->isWidgetType() && ++redimensiones_[objeto] == 2000) {
            ++gFallos;
            fprintf(stderr, "uso_azar: FALLO: «%s»: %s cambia de tamaño sin parar\n", gUltima,
                    qPrintable(Describir(static_cast<QWidget*>(objeto))));
        }
        return false;
    }

    Conductor(quint32 semilla, int acciones, int limiteMs, bool detalle)
        : azar_(semilla), semilla_(semilla), total_(acciones), limiteMs_(limiteMs), detalle_(detalle) {}

    bool Correr(const QString& datos) {
        QTemporaryDir dir;
        if (!CopiarCarpeta(datos, dir.path())) {
            fprintf(stderr, "uso_azar: no se pudo copiar %s\n", qPrintable(datos));
            return false;
        }
        FijarCarpetaPrograma(dir.path());
        FijarCarpetaAjustes(dir.path() + QStringLiteral("/ajustes"));
        auto dialogos = std::make_unique<DialogosAlAzar>(azar_, dir.path() + QStringLiteral("/archivos"));
        DialogosAlAzar* mios = dialogos.get();
        InstalarDialogos(std::move(dialogos));
        InstalarAbridorEscritorio([this](const QString&) { return azar_.bounded(2) == 1; });

        const int fallosAntes = gFallos;
        qApp->installEventFilter(this);
        if (!Arrancar())
            return false;
        // Every module once through its menu, so that none is left out.
        for (QAction* a : Acciones())
            if (a->objectName() != QStringLiteral("mnuSalir")) {
                Marcar(u"abrir " + a->objectName());
                a->trigger();
                QCoreApplication::processEvents();
            }

        pthread_getcpuclockid(pthread_self(), &relojVentana_);
        std::atomic<bool> terminado{false};
        std::thread vigia([&] { Vigilar(terminado); });
        QTimer::singleShot(0, this, [this] { Paso(); });
        bucle_.exec();
        terminado = true;
        vigia.join();

        qApp->removeEventFilter(this);
        const bool intactas = ComprobarBases();
        delete principal_;
        CerrarBasesDatos();
        InstalarAbridorEscritorio({});
        FijarCarpetaPrograma({});
        const int fallos = gFallos - fallosAntes + (intactas ? 0 : 1);
        printf("semilla %u: %d acciones, %d preguntas, %d reinicios, %d fallos\n", semilla_, hechas_,
               mios->preguntas, reinicios_, fallos);
        fflush(stdout);
        return fallos == 0;
    }

private:
    bool Arrancar() {
        principal_ = new frmMDI;
        if (!::Arrancar(*principal_)) {
            fprintf(stderr, "uso_azar: el programa no arrancó\n");
            return false;
        }
        principal_->show();
        QCoreApplication::processEvents();
        return true;
    }

    void Marcar(const QString& que) {
        snprintf(gUltima, sizeof gUltima, "semilla %u, acción %d: %s", semilla_, hechas_, qPrintable(que));
        latido_ = Ahora();
        redimensiones_.clear();
        if (detalle_)
            fprintf(stderr, "%s\n", gUltima);
    }

    static qint64 Ahora() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    // Processor time of the window thread: what a handler costs, whatever else the machine runs.
    qint64 ProcesadorMs() const {
        timespec t{};
        if (clock_gettime(relojVentana_, &t) != 0)
            return 0;
        return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    }

    // An action that keeps the window thread busy past the limit is a fault; one that has not
    // ended after a minute, busy or waiting, is a hang and ends the run.
    void Vigilar(const std::atomic<bool>& terminado) {
        qint64 avisado = -1, inicio = -1, procesadorInicio = 0;
        while (!terminado) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const qint64 latido = latido_;
            if (latido != inicio) {
                inicio = latido;
                procesadorInicio = ProcesadorMs();
                continue;
            }
            if (ProcesadorMs() - procesadorInicio > limiteMs_ && avisado != inicio) {
                avisado = inicio;
                ++gFallos;
                fprintf(stderr, "uso_azar: FALLO: «%s» ocupa más de %d ms de procesador\n", gUltima,
                        limiteMs_);
            }
            if (Ahora() - inicio > 60000) {
                EscribirUltima();
                std::abort();
            }
        }
    }

    QList<QAction*> Acciones() const {
        QList<QAction*> todas;
        std::function<void(QMenu*)> recorrer = [&](QMenu* m) {
            for (QAction* a : m->actions()) {
                if (a->menu())
                    recorrer(a->menu());
                else if (!a->isSeparator() && a->isEnabled() && a->isVisible())
                    todas << a;
            }
        };
        for (QAction* a : principal_->menuBar()->actions())
            if (a->menu())
                recorrer(a->menu());
        return todas;
    }

    void Paso() {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* modal = QApplication::activeModalWidget();
        // Past the last action only what is still open is closed, so no inner loop is left running.
        const bool cerrando = hechas_ >= total_;
        if (cerrando && !popup && !modal) {
            bucle_.quit();
            return;
        }
        ++hechas_;
        // The next step first: if this one opens a menu or a dialog, the next acts inside it.
        QTimer::singleShot(0, this, [this] { Paso(); });
        latido_ = Ahora();
        if (cerrando) {
            Marcar(u"Escape en " + Describir(popup ? popup : modal));
            QTest::keyClick(popup ? popup : modal, Qt::Key_Escape);
            return;
        }
        if (popup) {
            ActuarEnMenu(popup);
            return;
        }
        if (modal) {
            ActuarEnControl(modal);
            return;
        }
        if (!principal_ || !principal_->isVisible()) {
            // The user quit: the program is started again on the same folder.
            Marcar(QStringLiteral("arrancar de nuevo"));
            if (principal_)
                principal_->deleteLater();
            ++reinicios_;
            if (!Arrancar())
                bucle_.quit();
            return;
        }
        const int r = azar_.bounded(100);
        if (r < 6)
            OrdenDeMenu();
        else if (r < 11)
            OperarVentana();
        else if (r < 16)
            Tecla(QApplication::focusWidget() ? QApplication::focusWidget() : principal_.data());
        else
            ActuarEnControl(Raiz());
    }

    // Where a click lands: mostly the active module window, sometimes any window of the program.
    QWidget* Raiz() {
        QList<QWidget*> otras;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->isVisible() && t != principal_ && !(t->windowFlags() & Qt::Popup) &&
                t->windowType() != Qt::ToolTip)
                otras << t;
        QMdiSubWindow* activa = principal_->Area()->activeSubWindow();
        const int r = azar_.bounded(10);
        if (r < 6 && activa && activa->widget())
            return activa->widget();
        if (r < 8 && !otras.isEmpty())
            return otras[azar_.bounded(int(otras.size()))];
        return principal_;
    }

    void OrdenDeMenu() {
        const QList<QAction*> acciones = Acciones();
        if (acciones.isEmpty())
            return;
        QAction* a = acciones[azar_.bounded(int(acciones.size()))];
        Marcar(u"menú " + a->objectName() + u' ' + a->text());
        a->trigger();
    }

    void OperarVentana() {
        QMdiSubWindow* sub = principal_->Area()->activeSubWindow();
        const QList<QMdiSubWindow*> todas = principal_->Area()->subWindowList();
        if (!todas.isEmpty() && azar_.bounded(3) == 0)
            sub = todas[azar_.bounded(int(todas.size()))];
        switch (azar_.bounded(9)) {
        case 0:
            if (sub) {
                Marcar(u"cerrar " + Describir(sub->widget()));
                sub->close();
            }
            break;
        case 1:
            if (sub) {
                Marcar(u"minimizar " + Describir(sub->widget()));
                sub->showMinimized();
            }
            break;
        case 2:
            if (sub) {
                Marcar(u"maximizar " + Describir(sub->widget()));
                sub->showMaximized();
            }
            break;
        case 3:
        case 4:
            if (sub) {
                Marcar(u"restaurar " + Describir(sub->widget()));
                sub->showNormal();
                principal_->Area()->setActiveSubWindow(sub);
            }
            break;
        case 5:
            if (sub) {
                const QSize s(azar_.bounded(60, 1400), azar_.bounded(40, 1000));
                Marcar(QStringLiteral("redimensionar %1 a %2x%3")
                           .arg(Describir(sub->widget()))
                           .arg(s.width())
                           .arg(s.height()));
                sub->resize(s);
            }
            break;
        case 6: {
            const QSize s(azar_.bounded(200, 1800), azar_.bounded(150, 1200));
            Marcar(
                QStringLiteral("redimensionar la ventana principal a %1x%2").arg(s.width()).arg(s.height()));
            principal_->resize(s);
            break;
        }
        case 7:
            Marcar(QStringLiteral("minimizar y restaurar la ventana principal"));
            principal_->showMinimized();
            QCoreApplication::processEvents();
            principal_->showNormal();
            break;
        default:
            if (!todas.isEmpty()) {
                QMdiSubWindow* otra = todas[azar_.bounded(int(todas.size()))];
                Marcar(u"activar " + Describir(otra->widget()));
                principal_->Area()->setActiveSubWindow(otra);
            }
        }
    }

    void ActuarEnMenu(QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        if (!menu || azar_.bounded(5) == 0) {
            Marcar(u"Escape en " + Describir(popup));
            QTest::keyClick(popup, Qt::Key_Escape);
            return;
        }
        const int bajadas = azar_.bounded(1, int(menu->actions().size()) + 2);
        Marcar(QStringLiteral("menú contextual: %1 abajo y Intro").arg(bajadas));
        for (int i = 0; i < bajadas; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    void Tecla(QWidget* destino) {
        static const Qt::Key teclas[] = {Qt::Key_Up,        Qt::Key_Down,     Qt::Key_Left,   Qt::Key_Right,
                                         Qt::Key_Tab,       Qt::Key_Return,   Qt::Key_Escape, Qt::Key_Delete,
                                         Qt::Key_Backspace, Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,
                                         Qt::Key_Space};
        if (azar_.bounded(3) == 0) {
            const QChar letra(u'a' + azar_.bounded(26));
            Marcar(u"tecla " + letra + u" en " + Describir(destino));
            QTest::keyClick(destino, letra.toLatin1());
            return;
        }
        const Qt::Key k = teclas[azar_.bounded(int(std::size(teclas)))];
        Marcar(QStringLiteral("tecla %1 en %2").arg(int(k), 0, 16).arg(Describir(destino)));
        QTest::keyClick(destino, k);
    }

    void ActuarEnControl(QWidget* raiz) {
        QList<QWidget*> controles;
        for (QWidget* w : raiz->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() &&
                (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                 qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                 qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                 qobject_cast<QAbstractSlider*>(w) || qobject_cast<QAbstractSpinBox*>(w)))
                controles << w;
        if (controles.isEmpty()) {
            Tecla(raiz);
            return;
        }
        QWidget* w = controles[azar_.bounded(int(controles.size()))];
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            Marcar(u"clic en " + Describir(b) + u" «" + b->text() + u"»");
            // An option button or a check box reacts on its mark and caption only.
            const bool marca = qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b);
            QTest::mouseClick(b, Qt::LeftButton, {}, marca ? QPoint(8, b->height() / 2) : b->rect().center());
        } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
                   qobject_cast<QPlainTextEdit*>(w)) {
            Escribir(w);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (c->isEditable() && azar_.bounded(2) == 0) {
                Escribir(c->lineEdit());
            } else {
                const bool abajo = azar_.bounded(3) != 0;
                Marcar(u"combo " + Describir(c) + (abajo ? u" abajo" : u" arriba"));
                QTest::keyClick(c, abajo ? Qt::Key_Down : Qt::Key_Up);
            }
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            Elegir(v);
        } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
            const int valor =
                s->maximum() > s->minimum() ? azar_.bounded(s->minimum(), s->maximum() + 1) : s->minimum();
            Marcar(QStringLiteral("deslizar %1 a %2").arg(Describir(s)).arg(valor));
            s->setValue(valor);
        } else {
            Tecla(w);
        }
    }

    void Escribir(QWidget* caja) {
        caja->setFocus();
        const int r = azar_.bounded(10);
        if (r < 2) {
            Marcar(u"vaciar " + Describir(caja));
            QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(caja, Qt::Key_Delete);
        } else if (r < 4) {
            Tecla(caja);
        } else {
            const QString texto = TextoAlAzar(azar_);
            Marcar(QStringLiteral("escribir %1 caracteres en %2").arg(texto.size()).arg(Describir(caja)));
            if (texto.size() > 40) {
                // A long text arrives by pasting, as from another program.
                QGuiApplication::clipboard()->setText(texto);
                QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
            } else {
                Teclear(caja, texto);
            }
        }
    }

    // Key by key, as typed; characters no key of the test keyboard has arrive as text.
    static void Teclear(QWidget* caja, const QString& texto) {
        for (qsizetype i = 0; i < texto.size(); ++i) {
            QString c(texto[i]);
            if (texto[i].isHighSurrogate() && i + 1 < texto.size())
                c += texto[++i];
            if (c.size() == 1 && c[0].unicode() >= 0x20 && c[0].unicode() < 0x7f) {
                QTest::keyClick(caja, c[0].toLatin1());
                continue;
            }
            QKeyEvent pulsar(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
            QKeyEvent soltar(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, c);
            QCoreApplication::sendEvent(caja, &pulsar);
            QCoreApplication::sendEvent(caja, &soltar);
        }
    }

    void Elegir(QAbstractItemView* v) {
        QAbstractItemModel* m = v->model();
        if (!m || m->rowCount(v->rootIndex()) == 0) {
            Tecla(v);
            return;
        }
        const QModelIndex raiz = v->rootIndex();
        const int columnas = std::max(1, m->columnCount(raiz));
        const QModelIndex i = m->index(azar_.bounded(m->rowCount(raiz)), azar_.bounded(columnas), raiz);
        v->scrollTo(i);
        const QPoint punto = v->visualRect(i).center();
        const int r = azar_.bounded(10);
        if (r < 6) {
            Marcar(QStringLiteral("clic en %1 fila %2").arg(Describir(v)).arg(i.row()));
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, punto);
        } else if (r < 8) {
            Marcar(QStringLiteral("doble clic en %1 fila %2").arg(Describir(v)).arg(i.row()));
            QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, punto);
        } else if (r < 9) {
            Marcar(QStringLiteral("menú contextual en %1 fila %2").arg(Describir(v)).arg(i.row()));
            QTest::mouseClick(v->viewport(), Qt::RightButton, {}, punto);
            QContextMenuEvent evento(QContextMenuEvent::Mouse, punto, v->viewport()->mapToGlobal(punto));
            QCoreApplication::sendEvent(v->viewport(), &evento);
        } else {
            Tecla(v);
        }
    }

    bool ComprobarBases() {
        if (!ReferenceDb() || !NotesDb()) {
            try {
                AbrirBasesDatos();
            } catch (const ErrorBD& e) {
                fprintf(stderr, "uso_azar: FALLO: las bases no se abren al final: %s\n",
                        qPrintable(e.Descripcion()));
                return false;
            }
        }
        bool bien = true;
        for (BaseDatos* bd : {ReferenceDb(), NotesDb()}) {
            try {
                Consulta c = bd->Consultar(QStringLiteral("PRAGMA integrity_check"));
                const QString r = c.Fin() ? QString() : c.Campo(0).toString();
                if (r != QStringLiteral("ok")) {
                    fprintf(stderr, "uso_azar: FALLO: integrity_check: %s\n", qPrintable(r));
                    bien = false;
                }
            } catch (const ErrorBD& e) {
                fprintf(stderr, "uso_azar: FALLO: integrity_check: %s\n", qPrintable(e.Descripcion()));
                bien = false;
            }
        }
        return bien;
    }

    QRandomGenerator azar_;
    quint32 semilla_;
    int total_;
    int limiteMs_;
    bool detalle_;
    int hechas_ = 0;
    int reinicios_ = 0;
    std::atomic<qint64> latido_{0};
    QHash<QObject*, int> redimensiones_;
    clockid_t relojVentana_ = CLOCK_THREAD_CPUTIME_ID;
    QPointer<frmMDI> principal_;
    QEventLoop bucle_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Garvola"));
    QStandardPaths::setTestModeEnabled(true);
    InstalarSustitutos();
    for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(s, AlMorir);
#ifdef __SANITIZE_ADDRESS__
    __sanitizer_set_death_callback(EscribirUltima);
#endif
    gManejadorPrevio = qInstallMessageHandler(AlAvisar);

    QList<quint32> semillas = {1, 2, 3};
    int acciones = 1000;
    // Sanitized code runs several times slower; the limit stands for the same work.
#ifdef __SANITIZE_ADDRESS__
    int limiteMs = 6000;
#else
    int limiteMs = 2000;
#endif
    bool detalle = false;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString valor = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == u"--semillas") {
            semillas.clear();
            for (const QString& s : valor.split(u',', Qt::SkipEmptyParts))
                semillas << s.toUInt();
            ++i;
        } else if (a == u"--acciones") {
            acciones = valor.toInt();
            ++i;
        } else if (a == u"--limite-ms") {
            limiteMs = valor.toInt();
            ++i;
        } else if (a == u"--detalle") {
            detalle = true;
        } else {
            fprintf(stderr, "uso: uso_azar [--semillas 1,2,3] [--acciones N] [--limite-ms M] [--detalle]\n");
            return 2;
        }
    }

    int pasadas = 0, falladas = 0;
    for (quint32 s : semillas) {
        Conductor c(s, acciones, limiteMs, detalle);
        if (c.Correr(QStringLiteral(GARVOLA_CARPETA_DATOS)))
            ++pasadas;
        else
            ++falladas;
    }
    printf("%d passed, %d failed\n", pasadas, falladas);
    return falladas == 0 ? 0 : 1;
}
