#pragma once

#include "notes/ConsultasNotas.h"
#include "shell/VentanaModulo.h"

#include <QVariant>

class Anfitrion;
class ApunteBorrador;
struct Borrador;
struct FormatoSeleccion;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextCharFormat;
class QTextEdit;

// The photographer's notebook: dated notes with a title and formatted text, ordered by date or
// title, with a question before unsaved changes would be lost.
class frmNotas : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmNotas(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;
    // A recovered draft put back into the editor, unsaved: into the note it was typed for when
    // that note is still there, else (another box's draft, or a note gone since) as a new note.
    void PonerBorrador(const Borrador& b);

protected:
    bool PreguntarCierre() override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    bool event(QEvent* evento) override;

private Q_SLOTS:
    void ClicLista(int fila);
    void ClicNueva();
    void ClicGuardar();
    void ClicBorrar();
    void CambioOrden();
    void CambioTexto();
    void CambioSeleccion();
    void CambiarNegrita();
    void CambiarCursiva();
    void CambiarSubrayado();
    void ElegirTamano(int indice);
    void ElegirFuente(int indice);
    void ElegirColor();

private:
    void CrearControles();
    void LlenarListas();
    void LlenarLista();
    void CargarNota();
    void NuevaNota();
    // False when the note could not be written: the user was told and nothing changed.
    bool Guardar();
    void Revertir();
    void EstadoGuardado(const QString& estado);
    void Aplicar(const QTextCharFormat& formato);
    // Empties the editor; what is typed next has the window's own face, size and colour.
    void VaciarEditor();
    // Records a note just inserted as the one shown, selected in the refilled list.
    void MostrarInsertada(qint64 id);
    void ColorearEstilos(const FormatoSeleccion& f);
    void Redistribuir();
    int FilaDe(qint64 id) const;
    OrdenNotas Orden() const;
    // What the edited text belongs to, for its draft: the note's id and stored date, or a new note.
    QString DestinoNota() const;
    // The edited text is being dropped or was saved: its draft goes.
    void SoltarBorrador();

    Anfitrion& anfitrion_;

    QWidget* picToolbar_;
    QPushButton* btnNueva_;
    QPushButton* btnBorrar_;
    QPushButton* btnGuardar_;
    QLabel* lblOrden_;
    QRadioButton* optFecha_;
    QRadioButton* opTitulo_;
    QLabel* lblTituloLbl_;
    QLineEdit* txtTitulo_;
    QGroupBox* frmModTexto_;
    QPushButton* cmdNegrita_;
    QPushButton* cmdCursiva_;
    QPushButton* cmdSubrayado_;
    QPushButton* cmdColor_;
    QComboBox* cmbSize_;
    QComboBox* cmbFont_;
    QListWidget* lstNotas_;
    QTextEdit* rtfNota_;
    QWidget* picEstado_;
    QLabel* lblEstado_;
    ApunteBorrador* apunte_;

    qint64 idNota = 0;
    QVariant fechaNota; // the stored date that, with idNota, identifies the note being edited
    bool modificada = false;
    bool silenciar = false;
    QString rtfGuardado;
    QString tituloGuardado;
};
