// One running copy per program folder: the real program started twice on the same folder, a copy
// killed with SIGKILL, export and import beside a running window, and the in-process protocol.
#include "app/CopiaUnica.h"
#include "shell/AlmacenDatos.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/EntornoAislado.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using ::testing::HasSubstr;

namespace {

struct Terminado {
    int codigo = -1;
    std::string salida, errores;
};

// The program copied into a test folder works there, as an unpacked copy does.
class Copias {
public:
    Copias() {
        CerrarBasesDatos();
        programa_ = carpeta_.Archivo(QStringLiteral("garvola"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(GARVOLA_PROGRAMA), programa_));
    }
    ~Copias() {
        for (auto& p : abiertas_) {
            p->kill();
            p->waitForFinished(10000);
        }
    }

    QProcess& Abrir() {
        abiertas_.push_back(std::make_unique<QProcess>());
        QProcess& p = *abiertas_.back();
        p.setProcessEnvironment(entorno_.Entorno());
        p.start(programa_, {});
        EXPECT_TRUE(p.waitForStarted(10000));
        return p;
    }

    Terminado Ejecutar(const QStringList& argumentos) {
        QProcess p;
        p.setProcessEnvironment(entorno_.Entorno());
        p.start(programa_, argumentos);
        if (!p.waitForFinished(60000)) {
            ADD_FAILURE() << "no terminó: " << p.readAllStandardOutput().toStdString()
                          << p.readAllStandardError().toStdString();
            p.kill();
            p.waitForFinished(10000);
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
    }

    // Once the copy just opened listens, a start asks it to come forward; its answer names it.
    Terminado EsperarQueResponda(const QProcess& abierta) {
        const QString socket = CopiaUnica(carpeta_.Ruta(), entorno_.Runtime()).RutaSocket();
        bool escucha = false;
        for (int i = 0; i < 150 && !escucha && abierta.state() == QProcess::Running; ++i) {
            QLocalSocket s;
            s.connectToServer(socket);
            escucha = s.waitForConnected(200);
            if (!escucha)
                QTest::qWait(200);
        }
        EXPECT_TRUE(escucha) << "la copia abierta no escucha";
        const Terminado t = Ejecutar({});
        EXPECT_THAT(t.salida, HasSubstr("(proceso " + std::to_string(abierta.processId()) + ")"))
            << t.errores;
        return t;
    }

    const CarpetaPruebas& Carpeta() const { return carpeta_; }

private:
    CarpetaPruebas carpeta_{false};
    EntornoAislado entorno_;
    QString programa_;
    std::vector<std::unique_ptr<QProcess>> abiertas_;
};

TEST(CopiaUnica, LaSegundaCopiaTraeLaPrimeraYTermina) {
    Copias copias;
    QProcess& primera = copias.Abrir();
    const Terminado segunda = copias.EsperarQueResponda(primera);
    EXPECT_EQ(segunda.codigo, 0) << segunda.errores;
    EXPECT_THAT(segunda.salida, HasSubstr("se trae su ventana al frente"));
    EXPECT_EQ(primera.state(), QProcess::Running) << "la primera copia terminó";

    // Export and import are refused beside the running window, and write nothing.
    const QString zip = copias.Carpeta().Archivo(QStringLiteral("mios.zip"));
    Terminado t = copias.Ejecutar({QStringLiteral("--exportar"), zip});
    EXPECT_EQ(t.codigo, 1);
    EXPECT_THAT(t.errores, HasSubstr("está abierto"));
    EXPECT_FALSE(QFileInfo::exists(zip));
    t = copias.Ejecutar({QStringLiteral("--importar"), zip, QStringLiteral("--reemplazar")});
    EXPECT_EQ(t.codigo, 1);
    EXPECT_THAT(t.errores, HasSubstr("ciérrelo y vuelva a importar"));
}

TEST(CopiaUnica, UnaCopiaMatadaNoImpideLaSiguiente) {
    Copias copias;
    QProcess& matada = copias.Abrir();
    copias.EsperarQueResponda(matada);
    matada.kill(); // SIGKILL: its lock and its socket stay behind
    ASSERT_TRUE(matada.waitForFinished(10000));

    QProcess& siguiente = copias.Abrir();
    const Terminado t = copias.EsperarQueResponda(siguiente);
    EXPECT_EQ(t.codigo, 0) << t.errores;
    EXPECT_EQ(siguiente.state(), QProcess::Running);
}

TEST(CopiaUnica, ElCerrojoEsPorCarpetaYLaPeticionLlegaALaVentana) {
    QTemporaryDir runtime, una, otra;
    CopiaUnica primera(una.path(), runtime.path());
    ASSERT_TRUE(primera.Tomar());
    int mostrada = 0;
    ASSERT_TRUE(primera.Escuchar([&mostrada] { ++mostrada; }));

    CopiaUnica misma(una.path() + QStringLiteral("/."), runtime.path());
    EXPECT_FALSE(misma.Tomar()) << "la misma carpeta por otro camino";
    CopiaUnica distinta(otra.path(), runtime.path());
    EXPECT_TRUE(distinta.Tomar());

    // The answer is written from this thread's event loop, so the request runs in another.
    qint64 pid = 0;
    std::unique_ptr<QThread> hilo(QThread::create([&] { pid = misma.PedirQueSeMuestre(5000); }));
    hilo->start();
    while (!hilo->wait(10))
        QCoreApplication::processEvents();
    EXPECT_EQ(pid, QCoreApplication::applicationPid());
    EXPECT_EQ(mostrada, 1);
    // Nobody listening for the other folder: no answer rather than a hang.
    CopiaUnica sinServidor(otra.path(), runtime.path());
    EXPECT_EQ(sinServidor.PedirQueSeMuestre(500), 0);
}

TEST(CopiaUnica, TraerAlFrenteRestauraUnaVentanaMinimizada) {
    QWidget ventana;
    ventana.showMinimized();
    ASSERT_TRUE(ventana.isMinimized());
    TraerAlFrente(ventana);
    EXPECT_FALSE(ventana.isMinimized());
    EXPECT_TRUE(ventana.isVisible());

    QWidget oculta;
    TraerAlFrente(oculta);
    EXPECT_TRUE(oculta.isVisible());
}

} // namespace
