// The image viewer on a large collection: a strip of 12 thumbnails from 24-megapixel JPEGs
// against decoding each whole and scaling it, the memory the thumbnail cache holds, the folder
// tree of 10,000 folders against a bare QDirIterator walk of the same folders, and the window
// opening on a program folder with a link to "/" or eight sister folders linked to each other.
#include "AnfitrionBanco.h"
#include "FotoSintetica.h"
#include "shell/Imagenes.h"
#include "shell/Numeros.h"
#include "shell/Rutas.h"
#include "viewer/ArbolCarpetas.h"
#include "viewer/CacheMiniaturas.h"
#include "viewer/DecodificadorImagenes.h"
#include "viewer/Tira.h"
#include "viewer/frmVisorImagenes.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <benchmark/benchmark.h>

namespace {

QStringList g_fotos; // 12 JPEGs of 6000 x 4000
QString g_arbol;     // 100 folders of 99 folders each: 10,000 folders
QString g_conRaiz;   // a program folder whose imag/ holds a link to "/"
QString g_hermanas;  // a program folder with eight sisters, each linking to the seven others

QSize CajaMiniatura() {
    return {TwipsAPixeles(kAnchoCaja), TwipsAPixeles(kAltoCaja)};
}

// What the window does: every thumbnail asked of the decoder, drawn as it arrives.
void BM_TiraDoceMiniaturas(benchmark::State& estado) {
    qint64 bytes = 0;
    for (auto _ : estado) {
        CacheMiniaturas cache;
        DecodificadorImagenes decodificador;
        QObject::connect(&decodificador, &DecodificadorImagenes::Decodificada,
                         [&](DecodificadorImagenes::Clase, const QString& ruta, const QSize&,
                             const QImage& imagen) { cache.Guardar(ruta, imagen); });
        for (const QString& ruta : g_fotos) {
            cache.Reservar(ruta);
            decodificador.Pedir(DecodificadorImagenes::Clase::Miniatura, ruta, CajaMiniatura());
        }
        decodificador.Esperar();
        bytes = cache.Bytes();
        if (!cache.Buscar(g_fotos.back()) || cache.Buscar(g_fotos.back())->imagen.isNull())
            estado.SkipWithError("no thumbnail");
    }
    estado.counters["cache_bytes"] = double(bytes);
}
BENCHMARK(BM_TiraDoceMiniaturas)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same twelve on one thread, for a like-for-like ratio with the baseline.
void BM_TiraDoceMiniaturasUnHilo(benchmark::State& estado) {
    for (auto _ : estado)
        for (const QString& ruta : g_fotos)
            benchmark::DoNotOptimize(CargarReducida(ruta, CajaMiniatura()).constBits());
}
BENCHMARK(BM_TiraDoceMiniaturasUnHilo)->Unit(benchmark::kMillisecond)->Iterations(5);

// Baseline: each picture decoded whole, then scaled to the box; what twelve whole pictures hold.
void BM_TiraDecodificandoEnteras(benchmark::State& estado) {
    qint64 bytes = 0;
    for (auto _ : estado) {
        bytes = 0;
        for (const QString& ruta : g_fotos) {
            const QImage entera = CargarImagen(ruta);
            bytes += entera.sizeInBytes();
            benchmark::DoNotOptimize(
                entera.scaled(CajaMiniatura(), Qt::KeepAspectRatio, Qt::SmoothTransformation).constBits());
        }
    }
    estado.counters["whole_bytes"] = double(bytes);
}
BENCHMARK(BM_TiraDecodificandoEnteras)->Unit(benchmark::kMillisecond)->Iterations(2);

// Every folder opened, as a user opening them all would.
int AbrirTodo(ArbolCarpetas& arbol) {
    std::vector<NodoCarpeta> pendientes{arbol.Raiz()};
    int n = 1;
    while (!pendientes.empty()) {
        const NodoCarpeta c = pendientes.back();
        pendientes.pop_back();
        for (NodoCarpeta& h : arbol.Subcarpetas(c)) {
            ++n;
            if (h.conSubcarpetas)
                pendientes.push_back(std::move(h));
        }
    }
    return n;
}

void BM_ArbolCarpetas(benchmark::State& estado) {
    int n = 0;
    for (auto _ : estado) {
        ArbolCarpetas arbol(g_arbol);
        n = AbrirTodo(arbol);
    }
    estado.counters["folders"] = n;
}
BENCHMARK(BM_ArbolCarpetas)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_QDirIteratorDesnudo(benchmark::State& estado) {
    int n = 0;
    for (auto _ : estado) {
        n = 1;
        QDirIterator it(g_arbol, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++n;
        }
    }
    estado.counters["folders"] = n;
}
BENCHMARK(BM_QDirIteratorDesnudo)->Unit(benchmark::kMillisecond)->Iterations(10);

// The window's load on that folder: the tree walked and its 10,000 nodes made.
void BM_VisorCargaElArbol(benchmark::State& estado) {
    AnfitrionBanco anfitrion;
    FijarCarpetaPrograma(g_arbol);
    for (auto _ : estado) {
        frmVisorImagenes visor(anfitrion);
        visor.Cargar();
    }
}
BENCHMARK(BM_VisorCargaElArbol)->Unit(benchmark::kMillisecond)->Iterations(5);

// Until the window is shown and ready for a click, with the linked folder opened once.
void AbrirVisorEn(benchmark::State& estado, const QString& programa, const QString& abrir) {
    AnfitrionBanco anfitrion;
    FijarCarpetaPrograma(programa);
    int nodos = 0;
    for (auto _ : estado) {
        frmVisorImagenes visor(anfitrion);
        visor.Cargar();
        visor.show();
        QCoreApplication::processEvents();
        auto* arbol = visor.findChild<QTreeWidget*>(QStringLiteral("tvCarpetas"));
        QTreeWidgetItem* nodo = arbol->topLevelItem(0);
        for (const QString& parte : abrir.split(u'/')) {
            for (int i = 0; i < nodo->childCount(); ++i)
                if (nodo->child(i)->text(0) == parte)
                    nodo = nodo->child(i);
            nodo->setExpanded(true);
        }
        QCoreApplication::processEvents();
        nodos = 0;
        for (QTreeWidgetItemIterator it(arbol); *it; ++it)
            ++nodos;
    }
    estado.counters["nodes"] = nodos;
}

void BM_VisorConEnlaceARaiz(benchmark::State& estado) {
    AbrirVisorEn(estado, g_conRaiz, QStringLiteral("imag/x"));
}
BENCHMARK(BM_VisorConEnlaceARaiz)->Unit(benchmark::kMillisecond)->Iterations(9);

void BM_VisorConOchoHermanasEnlazadas(benchmark::State& estado) {
    AbrirVisorEn(estado, g_hermanas, QStringLiteral("h0/a1"));
}
BENCHMARK(BM_VisorConOchoHermanasEnlazadas)->Unit(benchmark::kMillisecond)->Iterations(9);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir carpeta;
    // One picture, copied: every copy is decoded afresh.
    const QString original = carpeta.filePath(QStringLiteral("foto.jpg"));
    if (!CrearFotoSintetica(original, false))
        return 1;
    for (int i = 0; i < 12; ++i) {
        g_fotos << carpeta.filePath(QStringLiteral("foto%1.jpg").arg(i, 2, 10, QChar(u'0')));
        if (!QFile::copy(original, g_fotos.back()))
            return 1;
    }
    g_arbol = carpeta.filePath(QStringLiteral("arbol"));
    QDir().mkpath(g_arbol);
    for (int i = 0; i < 100; ++i) {
        const QString c = g_arbol + QStringLiteral("/carpeta%1").arg(i, 3, 10, QChar(u'0'));
        QDir().mkdir(c);
        for (int j = 0; j < 99; ++j)
            QDir().mkdir(c + QStringLiteral("/sub%1").arg(j, 2, 10, QChar(u'0')));
    }
    g_conRaiz = carpeta.filePath(QStringLiteral("con_raiz"));
    QDir().mkpath(g_conRaiz + QStringLiteral("/imag/films"));
    if (!QFile::link(QStringLiteral("/"), g_conRaiz + QStringLiteral("/imag/x")))
        return 1;
    g_hermanas = carpeta.filePath(QStringLiteral("hermanas"));
    for (int i = 0; i < 8; ++i)
        QDir().mkpath(g_hermanas + QStringLiteral("/h%1").arg(i));
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            if (i != j && !QFile::link(g_hermanas + QStringLiteral("/h%1").arg(j),
                                       g_hermanas + QStringLiteral("/h%1/a%2").arg(i).arg(j)))
                return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
