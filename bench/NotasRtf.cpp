// The notes editor: a 1 MB note with mixed formatting opened and saved as RTF, beside the same
// content through QTextDocument's own HTML; and the notes list filled with 10,000 notes.
#include "AnfitrionBanco.h"
#include "notes/ConsultasNotas.h"
#include "notes/EscritorRtf.h"
#include "notes/LectorRtf.h"
#include "notes/frmNotas.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

QString g_rtf;
QString g_html;

// Paragraphs of running text whose words change face, size and style, until the RTF is 1 MB.
void CrearNota() {
    QTextDocument doc;
    QTextCursor c(&doc);
    const QStringList caras = {"Arial", "Georgia", "Times New Roman", "Courier New", "Verdana"};
    const QStringList palabras = {"revelado", "D-76",  "agitación", "temperatura", "20º",  "dilución",
                                  "1+50",     "grano", "contraste", "película",    "12 €", "{llave}"};
    int n = 0;
    while (g_rtf.size() < 1'000'000) {
        for (int p = 0; p < 200; ++p, ++n) {
            for (int i = 0; i < 30; ++i) {
                QTextCharFormat f;
                const int k = n * 31 + i;
                f.setFontFamilies({caras[k % 5]});
                f.setFontPointSize(9 + (k % 4) * 3);
                f.setFontWeight(k % 3 == 0 ? QFont::Bold : QFont::Normal);
                f.setFontItalic(k % 5 == 1);
                f.setFontUnderline(k % 7 == 2);
                c.insertText(palabras[k % palabras.size()] + u' ', f);
            }
            c.insertBlock();
        }
        g_rtf = EscribirRtf(doc);
    }
    g_html = doc.toHtml();
}

void AbrirRtf(benchmark::State& estado) {
    QTextEdit editor;
    for (auto _ : estado)
        LeerRtf(QStringView(g_rtf), *editor.document());
    estado.counters["bytes"] = double(g_rtf.size());
    estado.counters["caracteres"] = editor.document()->characterCount();
}

void AbrirHtml(benchmark::State& estado) {
    QTextEdit editor;
    for (auto _ : estado)
        editor.document()->setHtml(g_html);
    estado.counters["bytes"] = double(g_html.size());
    estado.counters["caracteres"] = editor.document()->characterCount();
}

void GuardarRtf(benchmark::State& estado) {
    QTextEdit editor;
    LeerRtf(QStringView(g_rtf), *editor.document());
    for (auto _ : estado)
        benchmark::DoNotOptimize(EscribirRtf(*editor.document()));
}

void GuardarHtml(benchmark::State& estado) {
    QTextEdit editor;
    LeerRtf(QStringView(g_rtf), *editor.document());
    for (auto _ : estado)
        benchmark::DoNotOptimize(editor.document()->toHtml());
}

// Choosing an order refills the list from the NotesDb.
void ListaDiezMilNotas(benchmark::State& estado) {
    AnfitrionBanco anfitrion;
    frmNotas* ventana = anfitrion.Abrir<frmNotas>();
    auto* opTitulo = ventana->findChild<QRadioButton*>(QStringLiteral("opTitulo"));
    QCoreApplication::processEvents();
    for (auto _ : estado) {
        opTitulo->click();
        QCoreApplication::processEvents();
    }
    estado.counters["notas"] = ventana->findChild<QListWidget*>(QStringLiteral("lstNotas"))->count();
    delete ventana;
}

// The query and list texts alone, without the window.
void ConsultaDiezMilNotas(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(ListarNotas(OrdenNotas::Titulo));
}

BENCHMARK(ConsultaDiezMilNotas)->Unit(benchmark::kMillisecond);
BENCHMARK(AbrirRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(AbrirHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(GuardarRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(GuardarHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(ListaDiezMilNotas)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    FijarCarpetaPrograma(dir.path());
    CrearBaseReferencia(RutaBDReferencia());
    CrearBaseNotas(RutaBDNotas());
    AbrirBasesDatos();
    {
        Transaccion tx(*NotesDb());
        for (int i = 0; i < 10000; ++i)
            InsertarNota(QStringLiteral("Nota %1 de revelado").arg(i), QStringLiteral("{\\rtf1 texto}"));
        tx.Confirmar();
    }
    CrearNota();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CerrarBasesDatos();
    return 0;
}
