// Saves cut by a crash: the helper saves one kind of thing in a loop and is killed with SIGKILL at
// random moments; after each kill both databases check sound and every file and row holds the
// content of one whole step, never a mix, never nothing.
#include "Versiones.h"

#include "devtimes/ConsultasTiempos.h"
#include "maintenance/CopiaSeguridad.h"
#include "notes/ConsultasNotas.h"
#include "shell/AlmacenDatos.h"
#include "shell/Archivos.h"
#include "shell/Configuracion.h"
#include "shell/Rutas.h"

#include "soporte/CarpetaPruebas.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// Kills per kind. CI keeps to a short run; GARVOLA_CORTES=200 (or more) gives every kind that
// many, as a release run does.
int Cortes(int porDefecto) {
    const int n = qEnvironmentVariableIntValue("GARVOLA_CORTES");
    return n > 0 ? n : porDefecto;
}
constexpr int kCortesRapidos = 50; // a save of a second or less
constexpr int kCortesCopia = 12;   // a backup takes over a second a round

// Both databases opened once after a kill: integrity_check, then what the save left there.
struct Bases {
    std::unique_ptr<BaseDatos> referencia, notas;
};

QString Integridad(BaseDatos& bd) {
    return TextoSeguro(bd.Consultar(QStringLiteral("PRAGMA integrity_check")).Campo(0));
}

// Runs the helper until it has acknowledged a step, kills it after a random wait and returns the
// last step it acknowledged.
qint64 CortarUnGuardado(const char* tipo, const CarpetaPruebas& carpeta, QRandomGenerator& azar,
                        int esperaMaxUs) {
    QProcess ayudante;
    ayudante.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ayudante.start(QStringLiteral(AYUDANTE_GUARDADO),
                   {QString::fromLatin1(tipo), carpeta.Ruta(), carpeta.Archivo("ajustes")});
    if (!ayudante.waitForStarted(10000))
        return -1;
    QByteArray salida;
    while (!salida.contains('\n') && ayudante.state() == QProcess::Running) {
        ayudante.waitForReadyRead(10000);
        salida += ayudante.readAllStandardOutput();
    }
    QThread::usleep(azar.bounded(esperaMaxUs));
    ayudante.kill();
    ayudante.waitForFinished(10000);
    salida += ayudante.readAllStandardOutput();
    const QList<QByteArray> pasos = salida.trimmed().split('\n');
    return pasos.isEmpty() ? -1 : pasos.last().toLongLong();
}

// Kills the helper cortes times; comprobar gets the last step acknowledged and both databases,
// and returns the step the saved state shows, or -1 when it shows none.
void Cortar(const char* tipo, const CarpetaPruebas& carpeta, int esperaMaxUs,
            const std::function<qint64(qint64, Bases&)>& comprobar, int cortes = Cortes(kCortesRapidos)) {
    QRandomGenerator azar(20261207);
    for (int corte = 0; corte < cortes; ++corte) {
        const qint64 reconocido = CortarUnGuardado(tipo, carpeta, azar, esperaMaxUs);
        ASSERT_GE(reconocido, 1) << "the helper saved nothing (kill " << corte << ")";
        Bases bases;
        ASSERT_NO_THROW(bases.referencia = BaseDatos::Abrir(RutaBDReferencia(), kClaveBDReferencia));
        ASSERT_NO_THROW(bases.notas = BaseDatos::Abrir(RutaBDNotas()));
        ASSERT_EQ(Integridad(*bases.referencia), "ok") << "kill " << corte;
        ASSERT_EQ(Integridad(*bases.notas), "ok") << "kill " << corte;
        const qint64 visto = comprobar(reconocido, bases);
        // Each run starts again from step 1, so the state is that run's last step or the next.
        ASSERT_TRUE(visto == reconocido || visto == reconocido + 1)
            << "kill " << corte << ": acknowledged " << reconocido << ", stored " << visto;
    }
}

// The step i whose content equals what is there, searched around the acknowledged one.
qint64 PasoCon(qint64 reconocido, const std::function<bool(qint64)>& coincide) {
    for (qint64 i : {reconocido, reconocido + 1})
        if (coincide(i))
            return i;
    return -1;
}

// The fields of the one row a query gives, its first field the id 1, as text; none when the query
// gives no row, another id or more than one row.
std::optional<QStringList> FilaUno(BaseDatos& bd, const QString& sql) {
    Consulta c = bd.Consultar(sql);
    if (c.Fin() || c.Campo(0).toLongLong() != 1)
        return std::nullopt;
    QStringList campos;
    for (int i = 1; i < c.NumeroCampos(); ++i)
        campos << TextoSeguro(c.Campo(i));
    c.Siguiente();
    return c.Fin() ? std::optional(campos) : std::nullopt;
}

QByteArray Leer(const QString& ruta) {
    QByteArray b;
    LeerArchivo(ruta, b);
    return b;
}

} // namespace

TEST(GuardadoTrasCorte, NotaPersonal) {
    CarpetaPruebas carpeta(true);
    ASSERT_EQ(InsertarNota(TituloPaso(0), CuerpoPaso(0)), 1);
    CerrarBasesDatos();
    Cortar(kNotaPersonal, carpeta, 20000, [](qint64 reconocido, Bases& bases) {
        const auto f = FilaUno(*bases.notas, QStringLiteral("SELECT Id, Titulo, Texto FROM NotasPersonales"));
        if (!f)
            return qint64(-1);
        return PasoCon(reconocido, [&](qint64 i) { return *f == QStringList{TituloPaso(i), CuerpoPaso(i)}; });
    });
}

TEST(GuardadoTrasCorte, NotaDePeliculaYRevelador) {
    CarpetaPruebas carpeta(true);
    ASSERT_EQ(GuardarNotaMia(true, 0, 1, 1, CuerpoPaso(0)), 1);
    CerrarBasesDatos();
    Cortar(kNotaPeliRev, carpeta, 20000, [](qint64 reconocido, Bases& bases) {
        const auto f = FilaUno(*bases.referencia, u"SELECT IdNota, Texto FROM " + TablaNotasMias(true));
        if (!f)
            return qint64(-1);
        return PasoCon(reconocido, [&](qint64 i) { return *f == QStringList{CuerpoPaso(i)}; });
    });
}

TEST(GuardadoTrasCorte, NotaDeFormula) {
    CarpetaPruebas carpeta(true);
    ReferenceDb()->Insertar(QStringLiteral("Formulas"),
                            {{QStringLiteral("IdFormula"), 1},
                             {QStringLiteral("Nombre"), QStringLiteral("D-76")},
                             {QStringLiteral("MisNotasFormulas"), CuerpoPaso(0)}});
    CerrarBasesDatos();
    Cortar(kNotaFormula, carpeta, 20000, [](qint64 reconocido, Bases& bases) {
        const auto f =
            FilaUno(*bases.referencia, QStringLiteral("SELECT IdFormula, MisNotasFormulas FROM Formulas"));
        if (!f)
            return qint64(-1);
        return PasoCon(reconocido, [&](qint64 i) { return *f == QStringList{CuerpoPaso(i)}; });
    });
}

TEST(GuardadoTrasCorte, TiempoPropio) {
    CarpetaPruebas carpeta(true);
    ASSERT_EQ(GuardarTiempoPropio(TiempoPaso(0)), 1);
    CerrarBasesDatos();
    Cortar(kTiempoPropio, carpeta, 20000, [](qint64 reconocido, Bases& bases) {
        const auto f =
            FilaUno(*bases.notas, QStringLiteral("SELECT IdTiempo, Pelicula, EI, Nota FROM TiemposPropios"));
        // The own film the time names was written in the same transaction.
        if (!f ||
            bases.notas
                ->Consultar(QStringLiteral("SELECT 1 FROM PeliculasPropias WHERE Nombre = ?"), {f->at(0)})
                .Fin())
            return qint64(-1);
        return PasoCon(reconocido, [&](qint64 i) {
            const TiempoPropio t = TiempoPaso(i);
            return *f == QStringList{t.pelicula, t.ei, t.nota};
        });
    });
}

TEST(GuardadoTrasCorte, Perfil) {
    CarpetaPruebas carpeta(false);
    carpeta.Escribir("perfiles_temp.txt", PerfilesIniciales());
    Cortar(kPerfil, carpeta, 3000, [](qint64 reconocido, Bases&) {
        const QByteArray visto = Leer(RutaPerfiles());
        return PasoCon(reconocido, [&](qint64 i) { return visto == PerfilesPaso(i); });
    });
}

TEST(GuardadoTrasCorte, ArchivoDeAjustes) {
    CarpetaPruebas carpeta(false);
    carpeta.Escribir("garvola.cfg", AjustesIniciales());
    Cortar(kAjustes, carpeta, 3000, [](qint64 reconocido, Bases&) {
        const QByteArray visto = Leer(RutaPrograma(QStringLiteral("garvola.cfg")));
        return PasoCon(reconocido, [&](qint64 i) {
            return visto == CfgConEntrada(AjustesIniciales(), QStringLiteral("Fondo"), FondoPaso(i));
        });
    });
}

// A backup cut anywhere leaves the live databases sound and each copy either sound or the one
// before: never a half-written file under a copy's name.
TEST(GuardadoTrasCorte, CopiaDeSeguridad) {
    CarpetaPruebas carpeta(true);
    ASSERT_EQ(InsertarNota(TituloPaso(0), CuerpoPaso(5)), 1);
    CerrarBasesDatos();
    QDir().mkpath(RutaPrograma(QStringLiteral("respaldo")));
    Cortar(
        kCopia, carpeta, 200000,
        [](qint64 reconocido, Bases& bases) {
            const QString copias = RutaPrograma(QStringLiteral("respaldo"));
            for (const auto& [archivo, clave] :
                 {std::pair{kArchivoBDReferencia, kClaveBDReferencia}, std::pair{kArchivoBDNotas, QString()}})
                if (!CopiaSana(QDir(copias).filePath(archivo), clave))
                    return qint64(-1);
            // A backup changes nothing: the state is that of any step.
            Consulta c =
                bases.notas->Consultar(QStringLiteral("SELECT Texto FROM NotasPersonales WHERE Id = 1"));
            return !c.Fin() && TextoSeguro(c.Campo(0)) == CuerpoPaso(5) ? reconocido : qint64(-1);
        },
        Cortes(kCortesCopia));
}
