#pragma once

#include "devtimes/EstimacionTiempos.h"
#include "devtimes/TiemposPropios.h"
#include "devtimes/VentanaBusquedaTiempos.h"
#include "timer/DatosRevelado.h"

class CajaNotas;
class frmTiempoPropio;
class QCheckBox;
class QMenu;
class QPlainTextEdit;

// Development times searched by film or by developer, with the readable note codes and the
// user's own note of the current row, and the film's technical sheet kept in step.
class frmPeliculasReveladores : public VentanaBusquedaTiempos {
    Q_OBJECT
public:
    explicit frmPeliculasReveladores(Anfitrion& anfitrion, QWidget* padre = nullptr);
    // A recovered draft of "Mis notas" put back, unsaved, on the film and developer it was typed
    // for (its target, "Pelicula/<film>/<developer>" or "Revelador/..."). False when they are no
    // longer listed: the draft goes nowhere else.
    bool PonerBorrador(const QString& destino, const QString& texto);
    // A recovered draft of the own-time dialog opened again, unsaved; false when the own time it
    // edited is gone.
    bool PonerBorradorTiempo(const TiempoPropio& t);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    bool PreguntarCierre() override;
    void closeEvent(QCloseEvent* evento) override;
    std::vector<ItemLista> LeerItems(const QString& filtro) override;
    QStringList LeerTemperaturasItem() override;
    std::vector<QStringList> LeerFilasItem(const QString& temperatura) override;
    bool HaySeleccion() const override { return idSeleccion_ != 0; }
    void AlSeleccionarItem() override;
    QColor ColorFila(int fila) const override;
    Qt::Alignment AlineacionUltima(const QString& texto) const override;
    void AlCargarLista() override;
    void AlCambiarCabeceras() override;
    void MostrarFila(int fila) override;
    bool MostrarFilaAlLlenar() const override { return true; }
    void Redistribuir(int W, int H, int T) override;

private Q_SLOTS:
    void CambioInfoTecnica();
    void MenuGrid(const QPoint& punto);
    void MenuLista(const QPoint& punto);
    void AnadirMiTiempo();
    void EditarMiTiempo();
    void BorrarMiTiempo();
    void CopiarComoMiTiempo();
    // The own data changed (here, in another window or module): the list, the times and the row
    // shown are read again, keeping the item, temperature and row on screen and whatever was
    // typed in "Mis notas".
    void RecargarPropios();
    // Adds an estimated row for the row of the menu at another EI or bath temperature.
    void EstimarOtroIso();
    void EstimarOtraTemperatura();

private:
    void CrearNotas();
    void CargarNotaMia(int fila);
    // Empties "Mis notas", after asking whether to save what was typed in it. False when that
    // save failed: the box keeps the text, for its own film and developer.
    bool VaciarNotas();
    // The technical sheet follows the selected film through this one call: a film id opens or
    // refreshes it beside this window, 0 closes it.
    void FichaTecnica(int idPelicula);
    // What a data row (numbered from 1) develops; nothing for a row without one.
    std::optional<DatosRevelado> DatosDeFilaGrid(int fila) const;
    // Opens the development timer filled from a data row.
    void IniciarTemporizador(int fila);
    void CrearMenus();
    // The own-time commands that apply to a data row (0: none), for both context menus.
    void HabilitarMenu(int fila);
    qint64 IdPropio(int fila) const;
    // What a data row holds, as an own time of the selected item.
    TiempoPropio TiempoDeFila(int fila) const;
    frmTiempoPropio* AbrirDialogo(const TiempoPropio& t);
    // Shows the saved time: its item selected and its row highlighted.
    void MostrarGuardado(const TiempoPropio& t);
    // The own time of a row as stored now; when it is gone (deleted or replaced elsewhere), says
    // so and reloads.
    std::optional<TiempoPropio> LeerPropioVigente(qint64 id);

    // Estimated rows (never stored): those of the item shown, placed among its rows as they load.
    void Estimar(bool porTemperatura);
    void AnadirEstimadas(std::vector<QStringList>& textos, const QString& temperatura);
    const FilaEstimada* Estimada(int fila) const;
    void CrearMenuEstimacion();

    int idSeleccion_ = 0;
    int idNotaMia_ = 0;
    int idPeliculaNota_ = 0;
    int idReveladorNota_ = 0;

    QWidget* picNotas_;
    QLabel* lblNotasTitulo_;
    QPlainTextEdit* txtNotas_;
    QLabel* lblNotaPersonal_;
    CajaNotas* notaMia_; // txtNotaPersonal and btnGuardarNota
    QCheckBox* chkInfoTecnica_;
    QMenu* menuGrid_;
    QMenu* menuLista_;
    QAction* accIniciar_;
    QAction* accPlanificar_; // the session planner, prefilled from the row
    QAction* accAnadir_;
    QAction* accEditar_;
    QAction* accBorrar_;
    QAction* accCopiar_;
    int filaMenu_ = 0;
    int filaMostrada_ = 0;           // the row whose notes are shown
    bool recargando_ = false;        // RecargarPropios at work: the notes box and technical sheet stay
    std::vector<qint64> idsPropios_; // own time of each data row, 0 for reference rows
    std::vector<bool> conTiempos_;   // whether each list entry has times, reference or own
    QAction* accEstimarIso_;
    QAction* accEstimarTemp_;
    QString duenoEstimadas_; // the item (and side) the estimated rows belong to
    std::vector<FilaEstimada> estimadas_;
    std::vector<int> estimadaDeFila_; // index into estimadas_ of each data row, -1 for the others
};
