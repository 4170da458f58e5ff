#pragma once

#include "devtimes/TiemposPropios.h"
#include "timer/CuadernoRevelado.h"

#include <QWidget>
#include <vector>

class ApunteBorrador;
class QLineEdit;
class QListWidget;
class QPushButton;

// The timer's development log: the saved runs, newest first, a note for the run to save and its
// save button. A run's line offers itself as one of the user's own times.
class PanelCuaderno : public QWidget {
    Q_OBJECT
public:
    explicit PanelCuaderno(QWidget* padre);

    // Reads the log again; a failed read is told and leaves the list empty.
    void Llenar();
    QString Nota() const;
    // After a save: the note is cleared and the list read again.
    void Guardado();
    void HabilitarGuardar(bool si);
    // The user chose not to save the run: its note's draft goes too.
    void OlvidarBorrador();

Q_SIGNALS:
    void Guardar();
    void ComoTiempoPropio(const TiempoPropio& t);

private:
    void Menu(const QPoint& punto);

    QListWidget* lstCuaderno_;
    std::vector<EntradaCuaderno> cuaderno_; // the entry of each line of lstCuaderno_
    QLineEdit* txtNotaCuaderno_;
    QPushButton* btnGuardarCuaderno_;

    // The note's draft: a crash loses the run it goes with, so it comes back as a personal note.
    ApunteBorrador* borradorNota_;
    inline static const QString kDestinoNotaCuaderno = QStringLiteral("Cuaderno/nota");
};
