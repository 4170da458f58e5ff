#pragma once

#include "formulas/ConsultasFormulas.h"
#include "shell/VentanaModulo.h"

#include <QSize>
#include <vector>

class Anfitrion;
class CajaNotas;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

// The formula library: search, category and language above, the list on the left, and the chosen
// formula's heading, ingredients, preparation texts and the user's own notes on the right.
class frmFormulas : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmFormulas(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;
    // Refills the list from the search text, category and language, then blanks the detail.
    void CargarLista();
    // Refills the categories as well.
    void RecargarLista();
    // A recovered draft of "Mis notas" (target "Formula/<id>") put back, unsaved, on its formula.
    // False when that formula is gone: the draft goes nowhere else.
    bool PonerBorrador(const QString& destino, const QString& texto);

protected:
    bool PreguntarCierre() override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private Q_SLOTS:
    void ClicCategoria();
    void ClicIdioma();
    void ClicLista();
    void CambioVolumen();

private:
    void CrearControles();
    void ConfigurarGrid();
    void CargarCategorias();
    void LimpiarDetalle();
    void MostrarFormula(int id);
    void CargarIngredientes();
    void LlenarGrid();
    void DistribuirControles();
    // Unsaved notes: asks whether to save them. False when the save failed, so that the caller
    // keeps the notes on screen.
    bool ResolverMisNotas();
    // The stored notes of formula id into the box.
    void PonerMisNotas(int id, const QString& texto);
    bool MisNotasCambiadas() const;
    int IdSeleccionado() const;
    bool SeleccionarId(int id);

    Anfitrion& anfitrion_;
    bool modoES = true;
    bool cargando = false;
    int idActual = 0;
    int idMisNotas = 0;
    QSize ultimoTamano_;                           // twips
    std::vector<int> idsLista_;                    // IdFormula of each list entry, by row
    std::vector<formulas::FilaIngrediente> filas_; // as stored, before scaling
    double factor_ = 1.0;

    QWidget* picPanel_;
    QLabel* lblBuscar_;
    QLineEdit* txtFiltro_;
    QLabel* lblCatLbl_;
    QComboBox* cboCat_;
    QCheckBox* chkES_;
    QLabel* lblConteo_;
    QListWidget* lstFormulas_;
    QWidget* picDetalle_;
    QLabel* lblNombre_;
    QLabel* lblSubtitulo_;
    QLabel* lblTipoBadge_;
    QLabel* lblSecIngr_;
    QLabel* lblEscala_;
    QLabel* lblPreparar_;
    QLineEdit* txtVolumen_;
    QComboBox* cboUnidadVolumen_;
    QTableWidget* grdIngredientes_;
    QLabel* lblSecInfo_;
    QLabel* lblDilLbl_;
    QLineEdit* lblDilucion_;
    QLabel* lblInsLbl_;
    QPlainTextEdit* txtInstrucciones_;
    QLabel* lblUsoLbl_;
    QPlainTextEdit* txtUso_;
    QLabel* lblNotasLbl_;
    QPlainTextEdit* txtNotas_;
    QLabel* lblMisNotasLbl_;
    CajaNotas* misNotas_; // txtMisNotas and btnGuardarMisNotas
};
