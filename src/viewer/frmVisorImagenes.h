#pragma once

#include "shell/VentanaModulo.h"
#include "viewer/CacheMiniaturas.h"
#include "viewer/DecodificadorImagenes.h"
#include "viewer/Tira.h"

#include <QElapsedTimer>
#include <QStringList>
#include <memory>

class Anfitrion;
class Lienzo;
class QFrame;
class QLabel;
class QScrollBar;
class QTreeWidget;
class QTreeWidgetItem;
class ArbolCarpetas;

// Browses the pictures under the program folder: a tree of its folders, the pictures of the
// chosen folder as a strip of thumbnails, and the one clicked as a large preview. A second click
// on the same thumbnail within half a second opens it in the full image window.
class frmVisorImagenes : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmVisorImagenes(Anfitrion& anfitrion, QWidget* padre = nullptr);
    ~frmVisorImagenes() override;
    void Cargar() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private Q_SLOTS:
    void NodoElegido(QTreeWidgetItem* nodo);
    void PulsarTira(double x);
    void MoverSobreTira(double x);
    void BarraMovida(int valor);
    void Decodificada(DecodificadorImagenes::Clase clase, const QString& ruta, const QSize& caja,
                      const QImage& imagen);

private:
    // A folder's sub-folders, read when it is first opened.
    void LlenarNodo(QTreeWidgetItem* nodo);
    void CargarCarpeta(const QString& ruta);
    void CalcularVisibles();
    void AjustarBarra();
    void DibujarTira();
    void DibujarRanura(int ranura, const QImage* imagen);
    // The cached thumbnail, or null while it is being decoded (it is asked for then).
    const QImage* ObtenerMiniatura(const QString& ruta);
    void MostrarVistaPrevia(const QString& ruta);
    void AbrirImagenCompleta(const QString& ruta);

    Anfitrion& anfitrion_;
    QLabel* lblCarpetas_;
    QTreeWidget* tvCarpetas_;
    QFrame* lineSep_;
    QLabel* lblRuta_;
    Lienzo* picPreview_;
    Lienzo* picTira_;
    QScrollBar* hscTira_;
    QLabel* lblInfo_;

    std::unique_ptr<ArbolCarpetas> arbol_;
    QTreeWidgetItem* elegidoAntesDelClic_ = nullptr;
    QStringList archivos_; // paths with their bytes kept (RutaDeBytes)
    int primero_ = 0;
    int visibles_ = 1;
    int seleccionado_ = -1;
    QString rutaVista_; // the preview being decoded or shown, at that size
    QSize cajaVista_;
    ReglaClics clics_;
    QElapsedTimer reloj_;
    CacheMiniaturas cache_;
    DecodificadorImagenes decodificador_;
};
