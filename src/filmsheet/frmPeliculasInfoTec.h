#pragma once

#include "shell/Anfitrion.h"

#include <QImage>

class Lienzo;
class QLabel;

// A film's technical sheet beside the development-time window, with the maker's spectral curve
// picture or, without one, the estimated chart.
class frmPeliculasInfoTec : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmPeliculasInfoTec(Anfitrion& anfitrion, QWidget* padre = nullptr);

    // idPelicula 0 with a name: the user's own film, which has no technical data.
    void Mostrar(int idPelicula, const QString& nombrePropio = {});

    int IdPelicula() const { return idPelicula_; }
    const QString& RutaCurva() const { return rutaCurva_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void AplicarFuentes();
    void Posicionar();
    void CargarDatos();
    void LimpiarCampos();
    void MostrarSinDatos(bool sinDatos);
    void PintarImagenAjustada(const QImage& imagen);
    void DibujarCurvaEstimada();
    void AbrirCurvaAmpliada();
    QWidget* Panel(const char* nombre, const char* nombreTitulo, const QString& titulo, int arriba, int alto,
                   const QColor& fondo);

    Anfitrion& anfitrion_;
    QWidget *picCabecera_, *picCaract_, *picEspectral_, *picResolucion_;
    QLabel *lblNombre_, *lblDiscontinuada_, *lblSinDatos_, *lblTipoCurva_;
    QLabel *lblFabric_, *lblIso_, *lblGrano_, *lblSens_, *lblProceso_, *lblFecha_, *lblFormato_,
        *lblRevIdeal_;
    QLabel *lblRango_, *lblFuenteRango_, *lblPico_, *lblCorteRojo_, *lblCorteIr_, *lblRecip_, *lblCorreccion_,
        *lblNotaFuente_;
    QLabel *lblGranoRms_, *lblResLp_;
    Lienzo* picCurva_;

    int idPelicula_ = 0;
    QString nombrePelicula_;
    QString rutaCurva_;
};
