#pragma once

#include <QString>

class ApunteBorrador;
class QLineEdit;

// Keeps a draft of a one-line box while it holds text the user typed: the box's own key presses
// start the draft's timer. The caller removes the draft (ApunteBorrador::Quitar) once the text is
// saved or dropped.
ApunteBorrador* ApuntarLinea(QLineEdit* caja, const QString& destino, const QString& etiqueta);
