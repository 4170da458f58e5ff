#include "shell/CajaNotas.h"

#include "shell/ApunteBorrador.h"
#include "shell/BaseDatos.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// A narrow button whose caption wraps onto several lines.
class BotonEstrecho : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton opcion;
        initStyleOption(&opcion);
        opcion.text.clear();
        p.drawControl(QStyle::CE_PushButton, opcion);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

} // namespace

CajaNotas::CajaNotas(QWidget* padre, const char* nombreCaja, const char* nombreBoton, bool botonEstrecho)
    : QObject(padre), caja_(new QPlainTextEdit(padre)),
      boton_(botonEstrecho ? new BotonEstrecho(padre) : new QPushButton(padre)),
      apunte_(new ApunteBorrador(this, [this]() -> std::optional<Borrador> {
          if (!Cambiada())
              return std::nullopt;
          Borrador b;
          b.destino = destino_;
          b.etiqueta = etiqueta_.isEmpty() ? u"Mis notas (" + destino_ + u')' : etiqueta_;
          b.texto = Texto();
          return b;
      })) {
    caja_->setObjectName(QString::fromLatin1(nombreCaja));
    AjustarALineas(caja_);
    boton_->setObjectName(QString::fromLatin1(nombreBoton));
    boton_->setText(QStringLiteral("Guardar mis notas"));
    Vaciar();
    connect(caja_, &QPlainTextEdit::textChanged, this, [this] {
        if (poniendo_ || destino_.isEmpty())
            return;
        boton_->setEnabled(true);
        apunte_->Cambio();
        Q_EMIT TextoCambiado(destino_);
    });
    connect(boton_, &QPushButton::clicked, this, &CajaNotas::GuardarAhora);
}

void CajaNotas::Poner(const QString& texto, bool cambiada) {
    poniendo_ = true;
    caja_->setPlainText(texto);
    poniendo_ = false;
    caja_->setReadOnly(destino_.isEmpty());
    boton_->setEnabled(cambiada && !destino_.isEmpty());
}

void CajaNotas::Mostrar(const QString& destino, const QString& texto, Guardar guardar,
                        const QString& etiqueta) {
    destino_ = destino;
    etiqueta_ = etiqueta;
    guardar_ = std::move(guardar);
    Poner(texto, false);
}

void CajaNotas::PonerSinGuardar(const QString& texto) {
    Poner(texto, true);
    apunte_->Cambio();
}

void CajaNotas::Vaciar() {
    Mostrar(QString(), QString(), nullptr);
}

bool CajaNotas::Cambiada() const {
    return !destino_.isEmpty() && boton_->isEnabled();
}

QString CajaNotas::Texto() const {
    return TextoEscrito(caja_);
}

bool CajaNotas::Resolver() {
    if (!Cambiada())
        return true;
    if (Dialogo().PreguntarSiNo(kTituloAplicacion,
                                QStringLiteral("Hay cambios sin guardar en Mis notas. ¿Guardar?"),
                                Icono::Pregunta) != Respuesta::Si) {
        apunte_->Quitar(destino_);
        return true;
    }
    return GuardarAhora();
}

bool CajaNotas::GuardarAhora() {
    if (destino_.isEmpty() || !guardar_)
        return false;
    try {
        guardar_(Texto());
    } catch (const ErrorBD& e) {
        Dialogo().Informar(QString(), QStringLiteral("Error al guardar notas: ") + e.Descripcion());
        return false;
    }
    boton_->setEnabled(false);
    apunte_->Quitar(destino_);
    Q_EMIT Guardada(destino_);
    return true;
}
