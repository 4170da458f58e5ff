#pragma once

#include "calculators/GraficaReciprocidad.h"
#include "shell/Anfitrion.h"

class Lienzo;
struct PeliculaRecip;
class QLabel;
class QLineEdit;
class QListWidget;

// Reciprocity curves of the selected films, corrected against metered time, with a read-out that
// names the curve under the pointer.
class frmCurvaReciprocidad : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmCurvaReciprocidad(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;
    // The designed size, which the main window's arrangements keep.

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private Q_SLOTS:
    void DibujarCurvas();
    void MostrarLectura(double x, double y);

private:
    // The selected films in table order.
    QList<const PeliculaRecip*> Seleccionadas() const;
    void DibujarRejilla(double tmin, double tmax, double tcMax, QPoint tituloTm);
    void DibujarPelicula(int k, const LeyendaRecip& leyenda, const PeliculaRecip& pelicula, double tmin,
                         double tmax);
    void AvisarRangoNoValido(const QString& texto);

    QListWidget* lstCurvas_;
    QLineEdit* txtTmMin_;
    QLineEdit* txtTmMax_;
    Lienzo* picCurva_;
    QLabel* lblTooltip_;

    GraficaRecip grafica_;
};
