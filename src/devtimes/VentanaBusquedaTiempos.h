#pragma once

#include "devtimes/ConsultasTiempos.h"
#include "devtimes/Disposicion.h"
#include "shell/Anfitrion.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <vector>

class ErrorBD;
class Lienzo;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTableWidget;

// What the two development-time search windows share: search side, filter, item list,
// temperature combo, times grid with its highlighted row, and the item's picture.
// Data rows are numbered from 1 (table row n - 1).
class VentanaBusquedaTiempos : public VentanaModulo {
    Q_OBJECT
public:
    // Opening, once the window stands in its sub-window.
    void Cargar() override;
    void CargarLista();
    void RecargarLista() { CargarLista(); }
    void ModoPelicula();
    void ModoRevelador();

    int FilasDatos() const { return filasDatos_; }
    int FilaActual() const { return filaActual_; }

protected:
    struct Claves {
        QString ventana, grid;
        QString prefijoTitulo;                        // before "Buscar por ..."
        QString cabeceraUltima;                       // header of column 7
        int anchoUltima = 0;                          // twips
        QString carpetaPeliculas, carpetaReveladores; // under imag\ .
        bool rueda = false;                           // wheel hook on the grid
    };
    VentanaBusquedaTiempos(Anfitrion& anfitrion, const Claves& claves, QWidget* padre = nullptr);
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    // What each window reads and shows its own way.
    virtual std::vector<ItemLista> LeerItems(const QString& filtro) = 0;
    virtual QStringList LeerTemperaturasItem() = 0;
    virtual std::vector<QStringList> LeerFilasItem(const QString& temperatura) = 0;
    virtual bool HaySeleccion() const = 0;
    // The selected list entry has changed: record what identifies it.
    virtual void AlSeleccionarItem() {}
    virtual QColor ColorFila(int fila) const = 0;
    virtual Qt::Alignment AlineacionUltima(const QString& texto) const = 0;
    // After the list was refilled, and after each mode change of the headers.
    virtual void AlCargarLista() {}
    virtual void AlCambiarCabeceras() {}
    // Row shown in detail (notes): after a fill, after a click, and 0 (none) when the item has no rows.
    virtual void MostrarFila(int) {}
    virtual bool MostrarFilaAlLlenar() const = 0;
    virtual void Redistribuir(int W, int H, int T) = 0;

    // The selected list entry: its id (0 when none) and its name ("" when none).
    int IdItem() const;
    QString TextoItem() const;
    // Paints a data row in the highlight colour, and the previous one back in its own.
    void SeleccionarFila(int fila);
    // Selects the entry of that name (case-insensitive) and loads it, as a click would.
    bool SeleccionarNombre(const QString& nombre);
    // The same for the entry of that reference id.
    bool SeleccionarId(int id);
    void SeleccionarEntrada(int fila);
    QString Celda(int fila, int columna) const;
    static void Colocar(QWidget* control, const QRect& twips);
    void ColocarComunes(const DisposicionComun& d);
    // Section titles: bold, in the title colour.
    static void MarcarTitulo(QLabel* etiqueta);
    // Reads the selected item's times again into the grid, current row 1.
    void CargarTiempos();
    // Reports an engine failure as "prefix + description".
    static void InformarError(const QString& prefijo, const ErrorBD& error);

private Q_SLOTS:
    void CambiarModo(bool pelicula);
    void SeleccionarItem();
    void CambioItemActual(int fila);
    void CambioTemperatura();
    void ClicGrid();
    void DobleClicImagen();

private:
    void CrearControles();
    void PrepararGrid();
    void ActualizarCabeceras();
    void IniciarTemperaturas();
    void CargarTemperaturas();
    void LimpiarGrid();
    void PintarFila(int fila);
    void MostrarFoto();
    QString RutaFoto() const;
    const ItemLista* ItemActual() const;

protected:
    Anfitrion& anfitrion_;
    Claves claves_;
    bool modoPelicula_ = true;
    int filasDatos_ = 0;
    int filaActual_ = 0;
    bool llenando_ = false;

    QWidget* picPanel_;
    QRadioButton* optPelicula_;
    QRadioButton* optRevelador_;
    QLabel* lblBuscar_;
    QLineEdit* txtFiltro_;
    QLabel* lblTempFiltro_;
    QComboBox* cboTemp_;
    QLabel* lblConteo_;
    QLabel* lblModo_;
    QListWidget* lstItems_;
    Lienzo* picImagen_;
    QTableWidget* grdTiempos_;

private:
    std::vector<ItemLista> itemsLista_; // what each list entry stands for, by row
};
