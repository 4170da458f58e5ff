#pragma once

#include "calculators/PerfilesTemp.h"
#include "shell/Anfitrion.h"

#include <array>

class Lienzo;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

// Development time compensated for the bath temperature, with its factor graph and saved profiles.
class frmCalcTiempoTemp : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmCalcTiempoTemp(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;
    // The designed size, which the main window's arrangements keep.

protected:
    void closeEvent(QCloseEvent* evento) override;

private Q_SLOTS:
    void BarraCambiada(QScrollBar* barra, QLineEdit* caja);
    void CajaCambiada(QLineEdit* caja, QScrollBar* barra);
    void CajaTerminada(QLineEdit* caja, QScrollBar* barra);
    void CopiarResultado();
    void GuardarPerfil();
    void CargarPerfil();
    void EliminarPerfil();

private:
    void CrearControles();
    QScrollBar* CrearBarraTemperatura(const char* nombre, double arriba);
    QButtonGroup* CrearOpciones(QWidget* marco, const char* nombre, const QList<QString>& titulos,
                                const QList<int>& arribas, int marcada);
    void Recalcular();
    void MostrarResultado(const QString& texto);
    void DibujarGrafica(double base, double actual);
    void LlenarListaPerfiles();
    void EscribirTemperatura(QLineEdit* caja, int decimas);
    // Writes the profiles file after a change; false (the user told why) when it was not written.
    bool EscribirPerfiles();
    void AvisarEscrituraFallida(const QString& error);
    int Formula() const;
    int Revelador() const;
    int Agitacion() const;

    QLabel* lblFml_;
    QLabel* lblFactor_;
    QLabel* lblDelta_;
    QLabel* lblTotal_;
    QButtonGroup* optFormula_;
    QButtonGroup* optRev_;
    QButtonGroup* optAgi_;
    QScrollBar* hscTempBase_;
    QScrollBar* hscTempAct_;
    QLineEdit* txtTempBase_;
    QLineEdit* txtTempAct_;
    QLineEdit* txtMin_;
    QLineEdit* txtSeg_;
    QListWidget* lstPerfiles_;
    Lienzo* picResultado_;
    Lienzo* picG_;

    bool listo_ = false;
    bool sincronizando_ = false;
    // The box the user is typing in keeps its text until the user leaves it.
    bool tecleando_ = false;
    QString ultimoResultado_;
    ArchivoPerfiles perfiles_;
    // A file that exists but could not be read is never overwritten; the user hears it once.
    bool perfilesLeidos_ = false;
    QString errorLectura_;
    bool avisadoLectura_ = false;
    // The last write failed: the file lacks changes the list shows.
    bool pendientes_ = false;
};
