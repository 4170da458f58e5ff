#pragma once

#include "devtimes/TiemposPropios.h"
#include "devtimes/VentanaBusquedaTiempos.h"

class QCheckBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// Development times searched by film or by developer, with the readable note codes and the
// user's own note of the current row, and the film's technical sheet kept in step.
class frmPeliculasReveladores : public VentanaBusquedaTiempos {
    Q_OBJECT
public:
    explicit frmPeliculasReveladores(Anfitrion& anfitrion, QWidget* padre = nullptr);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
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
    void GuardarNotaMia();
    void CambioNotaPersonal();
    void CambioInfoTecnica();
    void MenuGrid(const QPoint& punto);
    void MenuLista(const QPoint& punto);
    void AnadirMiTiempo();
    void EditarMiTiempo();
    void BorrarMiTiempo();
    void CopiarComoMiTiempo();

private:
    void CrearNotas();
    void CargarNotaMia(int fila);
    // Empties "Mis notas", after asking whether to save what was typed in it.
    void VaciarNotas();
    // Unsaved changes in "Mis notas" are saved to their own film and developer, or dropped, as
    // the user answers.
    void PreguntarPorNota();
    // The technical sheet follows the selected film through this one call: a film id opens or
    // refreshes it beside this window, 0 closes it.
    void FichaTecnica(int idPelicula);
    // Opens the development timer filled from a data row (numbered from 1).
    void IniciarTemporizador(int fila);
    void CrearMenus();
    // The own-time commands that apply to a data row (0: none), for both context menus.
    void HabilitarMenu(int fila);
    qint64 IdPropio(int fila) const;
    // What a data row holds, as an own time of the selected item.
    TiempoPropio TiempoDeFila(int fila) const;
    void AbrirDialogo(const TiempoPropio& t);
    // Shows the saved time: its item selected and its row highlighted.
    void MostrarGuardado(const TiempoPropio& t);

    int idSeleccion_ = 0;
    int idNotaMia_ = 0;
    int idPeliculaNota_ = 0;
    int idReveladorNota_ = 0;
    bool modoNota_ = true; // the side the loaded note belongs to

    QWidget* picNotas_;
    QLabel* lblNotasTitulo_;
    QPlainTextEdit* txtNotas_;
    QLabel* lblNotaPersonal_;
    QPlainTextEdit* txtNotaPersonal_;
    QPushButton* btnGuardarNota_;
    QCheckBox* chkInfoTecnica_;
    QMenu* menuGrid_;
    QMenu* menuLista_;
    QAction* accIniciar_;
    QAction* accAnadir_;
    QAction* accEditar_;
    QAction* accBorrar_;
    QAction* accCopiar_;
    int filaMenu_ = 0;
    std::vector<qint64> idsPropios_; // own time of each data row, 0 for reference rows
};
