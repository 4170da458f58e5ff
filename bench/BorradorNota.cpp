// A keystroke in a 1 MB personal note, with drafts and without (BORRADORES=0 measures without):
// the key and the events it posts, offscreen. The draft's text is taken on the window's thread
// when its timer runs out, once a second of typing; that taking is measured apart.
#include "app/frmMDI.h"
#include "notes/ConsultasNotas.h"
#include "notes/EscritorRtf.h"
#include "notes/frmNotas.h"
#include "shell/AjustesUsuario.h"
#include "shell/AlmacenDatos.h"
#include "shell/Borradores.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

QTextEdit* g_nota = nullptr;

// About 1 MB of text in paragraphs of a darkroom log, every tenth in bold.
QString NotaGrande() {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat normal, negrita;
    negrita.setFontWeight(QFont::Bold);
    for (int i = 1; doc.characterCount() < 1'000'000; ++i) {
        c.insertText(QStringLiteral("Rollo %1: HP5 Plus a 800 en ID-11 1+1, 20 °C, 16 min, agitación "
                                    "cada minuto; negativos densos en las altas luces.")
                         .arg(i),
                     i % 10 == 0 ? negrita : normal);
        c.insertBlock();
    }
    return EscribirRtf(doc);
}

// Each key timed on its own: the median is the typing the user feels, the slowest shows the key
// on which the draft's text was taken.
void Tecla(benchmark::State& estado) {
    ActivarBorradores(qEnvironmentVariableIntValue("BORRADORES") != 0 ||
                      !qEnvironmentVariableIsSet("BORRADORES"));
    std::vector<double> us;
    QElapsedTimer reloj;
    int n = 0;
    for (auto _ : estado) {
        reloj.start();
        QTest::keyClick(g_nota, char('a' + n++ % 26));
        QCoreApplication::processEvents();
        us.push_back(double(reloj.nsecsElapsed()) / 1000);
    }
    std::sort(us.begin(), us.end());
    estado.counters["mediana_us"] = us[us.size() / 2];
    estado.counters["p99_us"] = us[us.size() * 99 / 100];
    estado.counters["max_us"] = us.back();
    estado.counters["caracteres"] = g_nota->document()->characterCount();
}

// What the window's thread does when the draft's timer runs out: the note written as RTF.
void TomaDelBorrador(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(EscribirRtf(*g_nota->document()));
}

// What it does instead when the writing is left to the drafts' thread: a copy of the document.
void CopiaDelDocumento(benchmark::State& estado) {
    for (auto _ : estado)
        delete g_nota->document()->clone();
}

BENCHMARK(Tecla)->Unit(benchmark::kMicrosecond)->MinTime(4.0);
BENCHMARK(TomaDelBorrador)->Unit(benchmark::kMillisecond);
BENCHMARK(CopiaDelDocumento)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    FijarCarpetaPrograma(dir.path());
    FijarCarpetaAjustes(dir.path() + QStringLiteral("/ajustes"));
    CrearBaseReferencia(RutaBDReferencia());
    CrearBaseNotas(RutaBDNotas());
    AbrirBasesDatos();
    InsertarNota(QStringLiteral("Cuaderno grande"), NotaGrande());
    {
        frmMDI principal;
        principal.resize(1280, 860);
        principal.show();
        auto* notas = principal.Abrir<frmNotas>();
        g_nota = notas->findChild<QTextEdit*>(QStringLiteral("rtfNota"));
        g_nota->setFocus();
        QTextCursor c = g_nota->textCursor();
        c.setPosition(g_nota->document()->characterCount() / 2);
        g_nota->setTextCursor(c);
        QCoreApplication::processEvents();
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        // The note is left unsaved (the window is not closed, so nothing asks); its draft goes
        // with the folder.
        Borradores().Esperar();
    }
    CerrarBasesDatos();
    return 0;
}
