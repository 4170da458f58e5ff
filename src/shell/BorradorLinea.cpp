#include "shell/BorradorLinea.h"

#include "shell/ApunteBorrador.h"

#include <QLineEdit>

ApunteBorrador* ApuntarLinea(QLineEdit* caja, const QString& destino, const QString& etiqueta) {
    auto* apunte = new ApunteBorrador(caja, [caja, destino, etiqueta]() -> std::optional<Borrador> {
        Borrador b;
        b.destino = destino;
        b.etiqueta = etiqueta;
        b.texto = caja->text();
        return b;
    });
    QObject::connect(caja, &QLineEdit::textEdited, apunte, &ApunteBorrador::Cambio);
    return apunte;
}
