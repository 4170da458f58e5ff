#pragma once

#include "session/PlanSesion.h"
#include "session/Sesion.h"
#include "shell/Anfitrion.h"
#include "timer/DatosRevelado.h"

#include <optional>
#include <vector>

class ApunteBorrador;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// A development session planned at the sink: the tank and its load, the film × developer row,
// the bath temperature and the bottle drawn from give the volumes, the concentrate, the corrected
// time, the makers' warnings and every bath; the whole sequence goes to the timer and the session
// into the store, where it uses up the bottle.
class frmSesionRevelado : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmSesionRevelado(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;

    // A grid row of the search window, as it was shown there (reference, own or estimated).
    void Llenar(const DatosRevelado& fila);
    // The plan as the controls give it; its error says why when nothing can be planned.
    const PlanSesion& Plan() const { return plan_; }

protected:
    bool PreguntarCierre() override;
    void closeEvent(QCloseEvent* evento) override;

private Q_SLOTS:
    void Recalcular();
    void CambioTanque();
    void CambioPelicula();
    void CambioBotella();
    void GuardarTanque();
    void BorrarTanque();
    void RegistrarBotella();
    // Fills the bottle boxes with the chosen bottle to correct it, or leaves the correction.
    void CorregirBotella();
    void BorrarBotella();
    void IniciarTemporizador();
    void GuardarSesion();
    void PonerBanosPorDefecto();
    // Own tanks, bottles or sessions changed (here or elsewhere): the lists are read again.
    void Recargar();

private:
    void CrearControles();
    void LlenarTanques(qint64 idElegido, const QString& nombreElegido);
    void LlenarPeliculas();
    void LlenarBotellas(qint64 idElegida);
    void LlenarFilas(const std::optional<DatosRevelado>& buscada);
    void MostrarBanos(const std::vector<Bano>& banos);
    // The baths as the table stands; nothing, after telling why, when a time is not valid.
    std::optional<std::vector<Bano>> BanosDeTabla(QString* error) const;
    // The tank chosen, or as its boxes were edited; nothing, with the reason, when one is not valid.
    std::optional<Tanque> TanqueDeCajas(QString* error) const;
    // The plan's inputs as typed; nothing, with the reason, when one is not valid.
    std::optional<EntradaPlan> EntradaDeControles(QString* error) const;
    // The plan ready to use, or nothing after telling the user why not.
    bool PlanValido(std::vector<Bano>* banos);
    QString NombreBotella(const Botella& b) const;
    // The bottle as its boxes give it; nothing, with the reason, when a box is not valid.
    std::optional<Botella> BotellaDeCajas(QString* error) const;
    // The chosen bottle in the list; null for "(ninguna)".
    const Botella* BotellaElegida() const;
    // Captions and enabled buttons for a new bottle or the one being corrected.
    void MostrarModoBotella();
    void VaciarCajasBotella();
    // What the user typed and has not saved, for the question before closing.
    QStringList SinGuardar() const;

    Anfitrion& anfitrion_;
    std::vector<Tanque> tanques_;        // presets, then the user's own
    std::vector<Botella> botellas_;      // the entries of cboBotella after "(ninguna)"
    std::vector<DatosRevelado> filas_;   // the entries of cboFila
    std::optional<EntradaPlan> entrada_; // what the plan shown was made from
    PlanSesion plan_;
    bool llenando_ = false;
    bool tanqueEditado_ = false;         // the tank boxes differ from the tank chosen
    bool notaGuardada_ = true;           // the note was saved with a session or is empty
    std::optional<Botella> corrigiendo_; // the bottle the boxes correct, as it was stored

    QComboBox* cboTanque_;
    QLineEdit* txtTanque_;
    QLineEdit* txtMl35_;
    QLineEdit* txtMl120_;
    QLineEdit* txtMax35_;
    QLineEdit* txtMax120_;
    QPushButton* btnBorrarTanque_;
    QLabel* lblTanqueNota_;
    QLineEdit* txtCarretes35_;
    QLineEdit* txtCarretes120_;
    QLineEdit* txtHojas_;
    QLineEdit* txtVolumen_;
    QComboBox* cboPelicula_;
    QComboBox* cboFila_;
    QLineEdit* txtTempBano_;
    QComboBox* cboBotella_;
    QLabel* lblEstadoBotella_;
    QLineEdit* txtBotRevelador_;
    QLineEdit* txtBotDilucion_;
    QLineEdit* txtBotMezclada_;
    QLineEdit* txtBotMl_;
    QLineEdit* txtBotNota_;
    QLabel* lblNuevaBotella_;
    QPushButton* btnRegistrarBotella_;
    QPushButton* btnCorregirBotella_;
    QPushButton* btnBorrarBotella_;
    QLabel* lblError_;
    QLabel* lblVolumen_;
    QLabel* lblConcentrado_;
    QLabel* lblTiempo_;
    QLabel* lblMinimo_;
    QListWidget* lstAvisos_;
    QTableWidget* grdBanos_;
    QLineEdit* txtNota_;
    ApunteBorrador* borradorNota_; // the note's draft while it is typed
};
