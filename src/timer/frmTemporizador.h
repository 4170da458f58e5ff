#pragma once

#include "shell/Anfitrion.h"
#include "timer/CuadernoRevelado.h"
#include "timer/DatosRevelado.h"
#include "timer/PlanRevelado.h"
#include "timer/Reloj.h"
#include "timer/Sonido.h"

#include <array>
#include <memory>
#include <optional>

class ApunteBorrador;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class PanelCuaderno;
class QProgressBar;
class QPushButton;
class QTimer;

// A development run timed stage by stage, with agitation reminders and the developing time
// corrected for the bath temperature; finished runs go to the development log.
class frmTemporizador : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmTemporizador(Anfitrion& anfitrion, QWidget* padre = nullptr);
    ~frmTemporizador() override;
    void Cargar() override;

    // What to develop, from a grid row: base time of its first format and its temperature.
    void Llenar(const DatosRevelado& datos);
    // A planned session: its format, base time, bath temperature and stages; its run is logged with
    // the session's summary.
    void LlenarSesion(const SesionPlanificada& sesion);
    // The calculator's inputs: the same compensation gives the same corrected time here.
    void LlenarDesdeCalculadora(const CompensacionTecleada& c);
    // Tests hand in a clock they move and a sound that counts; before the first start only.
    void FijarReloj(std::unique_ptr<Reloj> reloj);
    void FijarSonido(std::unique_ptr<Sonido> sonido);
    // Reads the clock, fires the alerts that fell due and redraws (every tick of the display).
    void Refrescar();
    // The questions closing asks: stop a run in progress, save a finished one. False when the
    // user keeps the window open.
    bool PreguntarAntesDeCerrar();

protected:
    bool PreguntarCierre() override;
    void closeEvent(QCloseEvent* evento) override;

private Q_SLOTS:
    void Recalcular();
    void CambioFormato();
    void CambioEsquema();
    void CambioAgitacion();
    void Iniciar();
    void PausarReanudar();
    void Siguiente();
    void Detener();
    void GuardarEsquema();
    void GuardarCuaderno();
    void AplicarModo();

private:
    void CrearControles();
    void CrearEtapas();
    // True, after telling the user, while a run is in progress: it keeps what it develops.
    bool EnMarcha();
    void PonerDatos(const DatosRevelado& datos);
    void AplicarEsquema(const EsquemaEtapas& e);
    EsquemaEtapas EsquemaDeControles() const;
    // The stages as typed; an empty result after telling why. `todas` checks the skipped ones too.
    std::optional<EsquemaEtapas> EsquemaValido(bool todas, QString* error) const;
    // The log entry of the inputs as they stand.
    EntradaCuaderno EntradaDeControles() const;
    // Asks about a finished run not yet saved; false when the user cancels.
    bool PreguntarSinGuardar(const QString& pregunta);
    void InvalidarEntradas(const QString& aviso);
    void Guardar();
    void Terminar();
    void AvisarSinSonido();
    void Avisar(const Evento& e, qint64 ahora);
    void Dibujar(qint64 ahora);
    void DibujarReposo();
    void HabilitarEntradas(bool si);
    void LlenarEsquemas();
    QString AvisoTemperatura(const QString& que) const;

    Anfitrion& anfitrion_;
    std::unique_ptr<Reloj> reloj_;
    std::unique_ptr<Sonido> sonido_;
    std::optional<Marcha> marcha_;
    DatosRevelado datos_;
    QString notaSesion_; // the planned session's summary, for the log entry of its run
    int segundosCorregidos_ = 0;
    int segundosBase_ = 0;
    int decimasBase_ = 200;
    int decimasBano_ = 200;
    bool entradasValidas_ = false;
    EntradaCuaderno enMarcha_;                  // the log entry of the run, as it started
    std::optional<qint64> msRevelados_;         // when the developing stage was cut short
    std::optional<EntradaCuaderno> sinGuardar_; // a finished run not yet in the log
    int segundosRevelados_ = 0;                 // how long its developing stage lasted
    qint64 ultimo_ = 0;                         // active time already looked at for alerts
    qint64 destelloHasta_ = -1;                 // clock reading until which the digits flash
    bool reveladoHecho_ = false;                // the developing stage has ended in this run
    QString avisoSonido_;                       // what the sound line last said
    bool programaOscuro_ = false;               // the program is in darkroom mode because of this window
    bool digitosDestello_ = false;
    bool llenando_ = false;
    QTimer* tic_;

    QLineEdit* txtPelicula_;
    QLineEdit* txtRevelador_;
    QLineEdit* txtDilucion_;
    QLineEdit* txtEI_;
    QComboBox* cboFormato_;
    QLineEdit* txtTiempoBase_;
    QLineEdit* txtTempBase_;
    QLineEdit* txtTempBano_;
    QLabel* lblAvisoTemp_;
    QComboBox* cboFormula_;
    QComboBox* cboFamilia_;
    QComboBox* cboAgiComp_;
    QLabel* lblCorreccion_;
    QComboBox* cboEsquema_;
    QComboBox* cboAgitacion_;
    QLabel* lblRegla_;
    QCheckBox* chkMitad_;
    std::array<QCheckBox*, kNumEtapas> chkEtapa_;
    std::array<QLineEdit*, kNumEtapas> txtEtapa_;
    std::array<QProgressBar*, kNumEtapas> prgEtapa_;
    QLabel* picDigitos_;
    QLabel* lblEtapa_;
    QLabel* lblProximo_;
    QPushButton* btnIniciar_;
    QPushButton* btnPausa_;
    QPushButton* btnSiguiente_;
    QPushButton* btnDetener_;
    QCheckBox* chkModoOscuro_;
    QLabel* lblSonido_;
    PanelCuaderno* cuaderno_;
};
