// Drafts cut by a crash: the helper types into one box of the real windows and is killed with
// SIGKILL at random moments; after each kill the draft the next start would offer holds exactly the
// text the box held at some moment of the last 2 s before the kill: never a mix of two runs' texts,
// never a damaged file taken for a draft.
#include "notes/ConsultasNotas.h"
#include "notes/EscritorRtf.h"
#include "notes/LectorRtf.h"
#include "shell/AjustesUsuario.h"
#include "shell/AlmacenDatos.h"
#include "shell/Borradores.h"

#include "../devtimes/FixtureTiempos.h"
#include "../formulas/FixtureFormulas.h"
#include "TextoTecleado.h"
#include "soporte/CarpetaPruebas.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTextDocument>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Kills per kind of box. CI keeps to a short run; GARVOLA_CORTES=200 (or more) gives each kind
// that many.
int Cortes() {
    const int n = qEnvironmentVariableIntValue("GARVOLA_CORTES");
    return n > 0 ? n : 2;
}
constexpr qint64 kPlazoMs = 2000;

// One run of the helper: the time each number of letters was typed, and the moment of the kill.
struct Corrida {
    std::vector<std::pair<int, qint64>> teclas;
    qint64 muerte = 0;
};

Corrida Correr(const char* tipo, const CarpetaPruebas& carpeta, quint32 semilla, QRandomGenerator& azar) {
    Corrida c;
    QProcess ayudante;
    ayudante.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A long run may point at a copy of the helper, so that builds meanwhile leave it alone.
    ayudante.start(qEnvironmentVariable("GARVOLA_AYUDANTE_BORRADOR", QStringLiteral(AYUDANTE_BORRADOR)),
                   {QString::fromLatin1(tipo), carpeta.Ruta(), CarpetaAjustes(), QString::number(semilla)});
    if (!ayudante.waitForStarted(10000))
        return c;
    QByteArray salida;
    while (!salida.contains('\n') && ayudante.state() == QProcess::Running) {
        ayudante.waitForReadyRead(20000);
        salida += ayudante.readAllStandardOutput();
    }
    QThread::msleep(200 + azar.bounded(2600));
    c.muerte = RelojMonotonoMs();
    ayudante.kill();
    ayudante.waitForFinished(10000);
    salida += ayudante.readAllStandardOutput();
    for (const QByteArray& linea : salida.split('\n')) {
        const QList<QByteArray> partes = linea.split(' ');
        if (partes.size() == 2)
            c.teclas.emplace_back(partes[0].toInt(), partes[1].toLongLong());
    }
    return c;
}

// The box's text in the draft of that kind, or nothing when there is none.
std::optional<QString> TextoDelBorrador(const QString& destino) {
    for (const Borrador& b : ListarBorradores()) {
        if (b.destino != destino)
            continue;
        if (b.formato != u"rtf")
            return b.texto;
        QTextDocument doc;
        LeerRtf(QStringView(b.texto), doc);
        return doc.toPlainText();
    }
    return std::nullopt;
}

// Kills the helper typing into the box of destino; base is the stored text the typing follows.
void CortarTecleo(const char* tipo, const CarpetaPruebas& carpeta, const QString& destino,
                  const QString& base) {
    QRandomGenerator azar(20261208);
    std::optional<QString> anterior;
    int conBorrador = 0;
    for (int corte = 0; corte < Cortes(); ++corte) {
        const quint32 semilla = 1000 + quint32(corte);
        const QString texto = TextoTecleado(semilla);
        const Corrida c = Correr(tipo, carpeta, semilla, azar);
        ASSERT_FALSE(c.teclas.empty()) << "kill " << corte << ": nothing typed";
        const qint64 desde = c.muerte - kPlazoMs;
        const std::optional<QString> visto = TextoDelBorrador(destino);
        if (!visto || visto == anterior) {
            // What stood 2 s before the kill had not been typed in this run yet.
            EXPECT_GT(c.teclas.front().second, desde)
                << "kill " << corte << ": no draft of this run " << c.muerte - c.teclas.front().second
                << " ms after the first key";
        } else {
            ++conBorrador;
            const auto letras = std::find_if(c.teclas.begin(), c.teclas.end(), [&](const auto& t) {
                return base + texto.left(t.first) == *visto;
            });
            ASSERT_NE(letras, c.teclas.end())
                << "kill " << corte << ": the draft is no text the box held (" << visto->size() << " chars)";
            EXPECT_LE(letras->second, c.muerte);
            // The text stood until the next key: that must be within the last 2 s.
            if (letras + 1 != c.teclas.end()) {
                EXPECT_GT((letras + 1)->second, desde)
                    << "kill " << corte << ": the draft is " << c.muerte - (letras + 1)->second << " ms old";
            }
        }
        anterior = visto;
        // A long run says how far it got.
        if (qEnvironmentVariableIsSet("GARVOLA_CORTES"))
            std::fprintf(stderr, "%s: kill %d checked (%s)\n", tipo, corte + 1, visto ? "draft" : "none");
    }
    EXPECT_GT(conBorrador, 0) << "no kill left a draft to check";
}

} // namespace

TEST(BorradorTrasCorte, NotaPersonal) {
    CarpetaPruebas carpeta(true);
    const qint64 id = InsertarNota(QStringLiteral("Mi D-76"), QStringLiteral("1+1"));
    const QString destino = u"Nota/" + QString::number(id) + u'/' + LeerNota(id)->fecha.toString();
    CerrarBasesDatos();
    CortarTecleo("nota", carpeta, destino, QStringLiteral("1+1"));
}

TEST(BorradorTrasCorte, MisNotasDePeliculaYRevelador) {
    CarpetaPruebas carpeta(true);
    fixture::Pelicula(1, "Ilford HP5 Plus");
    fixture::Revelador(10, "ID-11");
    fixture::Tiempo(1, 10, "400", "20", "9");
    CerrarBasesDatos();
    CortarTecleo("misnotas", carpeta, QStringLiteral("Pelicula/1/10"), QString());
}

TEST(BorradorTrasCorte, MisNotasDeFormula) {
    CarpetaPruebas carpeta(true);
    fixture::Insertar(fixture::Formula{7, QStringLiteral("D-76"), QStringLiteral("D-76")});
    CerrarBasesDatos();
    CortarTecleo("formula", carpeta, QStringLiteral("Formula/7"), QString());
}
