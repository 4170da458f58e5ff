// Types into one box of the real program's windows, for the test that kills it: the main window is
// started on the given folders as the program starts it, the module opened through the main window,
// and one letter typed every few milliseconds. After each key it prints the number of letters
// typed and the monotonic clock in ms. Arguments: kind (nota, misnotas, formula), program folder,
// settings folder, seed of the letters.
#include "app/Arranque.h"
#include "app/frmMDI.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "formulas/frmFormulas.h"
#include "notes/frmNotas.h"
#include "shell/AjustesUsuario.h"
#include "shell/Dialogos.h"
#include "shell/Rutas.h"

#include "TextoTecleado.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {
// No question is expected while typing: any is reported and answered with the safe choice.
class SinPreguntas : public Dialogos {
public:
    Respuesta PreguntarSiNo(const QString&, const QString& t, Icono) override {
        return Contar(t, Respuesta::No);
    }
    Respuesta PreguntarSiNoCancelar(const QString&, const QString& t, Icono) override {
        return Contar(t, Respuesta::Cancelar);
    }
    void Informar(const QString&, const QString& t, Icono) override { Contar(t, Respuesta::Aceptar); }
    std::optional<QString> PedirTexto(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> PedirArchivoGuardar(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> PedirArchivoAbrir(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QColor> PedirColor(const QString&, const QColor&) override { return {}; }

private:
    static Respuesta Contar(const QString& texto, Respuesta r) {
        std::fprintf(stderr, "ayudante_borrador: unexpected dialog: %s\n", qPrintable(texto));
        return r;
    }
};

void Clic(QAbstractItemView* vista, const QModelIndex& i) {
    vista->scrollTo(i);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(i).center());
}

void Avisar(int letras) {
    const QByteArray linea = QByteArray::number(letras) + ' ' + QByteArray::number(RelojMonotonoMs()) + '\n';
    if (::write(STDOUT_FILENO, linea.constData(), size_t(linea.size())) != linea.size())
        ::_exit(4);
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Garvola"));
    if (argc != 5)
        return 2;
    const QString tipo = QString::fromLocal8Bit(argv[1]);
    FijarCarpetaPrograma(QString::fromLocal8Bit(argv[2]));
    FijarCarpetaAjustes(QString::fromLocal8Bit(argv[3]));
    const QString texto = TextoTecleado(QString::fromLocal8Bit(argv[4]).toUInt());
    InstalarDialogos(std::make_unique<SinPreguntas>());
    frmMDI principal;
    if (!Arrancar(principal))
        return 3;
    principal.show();
    QWidget* caja = nullptr;
    if (tipo == u"nota") {
        auto* v = principal.Abrir<frmNotas>();
        auto* cuerpo = v->findChild<QTextEdit*>(QStringLiteral("rtfNota"));
        cuerpo->moveCursor(QTextCursor::End);
        caja = cuerpo;
    } else if (tipo == u"misnotas") {
        auto* v = principal.Abrir<frmPeliculasReveladores>();
        auto* lista = v->findChild<QListWidget*>(QStringLiteral("lstItems"));
        Clic(lista, lista->model()->index(0, 0));
        auto* grid = v->findChild<QTableWidget*>(QStringLiteral("grdTiempos"));
        Clic(grid, grid->model()->index(0, 0));
        caja = v->findChild<QPlainTextEdit*>(QStringLiteral("txtNotaPersonal"));
    } else if (tipo == u"formula") {
        auto* v = principal.Abrir<frmFormulas>();
        auto* lista = v->findChild<QListWidget*>(QStringLiteral("lstFormulas"));
        Clic(lista, lista->model()->index(0, 0));
        caja = v->findChild<QPlainTextEdit*>(QStringLiteral("txtMisNotas"));
    }
    if (!caja)
        return 5;
    caja->setFocus();
    int letras = 0;
    QTimer tecla;
    QObject::connect(&tecla, &QTimer::timeout, [&] {
        if (letras == texto.size()) {
            tecla.stop();
            return;
        }
        // As a keyboard with that letter sends it (keyClicks takes ASCII only).
        QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_unknown, texto.mid(letras, 1), Qt::NoModifier);
        Avisar(++letras);
    });
    tecla.start(4);
    return app.exec();
}
