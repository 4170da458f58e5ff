#include "shell/DialogosQt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace {
QMessageBox::Icon IconoQt(Icono i) {
    switch (i) {
    case Icono::Pregunta:
        return QMessageBox::Question;
    case Icono::Informacion:
        return QMessageBox::Information;
    case Icono::Exclamacion:
        return QMessageBox::Warning;
    case Icono::Critico:
        return QMessageBox::Critical;
    case Icono::Ninguno:
        break;
    }
    return QMessageBox::NoIcon;
}

QString Titulo(const QString& t) {
    return t.isEmpty() ? kTituloAplicacion : t;
}

// A box takes the application's palette, style sheet and style as any window (the darkroom mode
// draws its icon in red).
void Preparar(QMessageBox& caja) {
    // Engine messages and names may hold "<": shown as they are, never read as markup.
    caja.setTextFormat(Qt::PlainText);
}

Respuesta Preguntar(const QString& titulo, const QString& texto, Icono icono,
                    QMessageBox::StandardButtons botones) {
    QMessageBox caja(IconoQt(icono), Titulo(titulo), texto, botones, QApplication::activeWindow());
    Preparar(caja);
    if (auto* b = caja.button(QMessageBox::Yes))
        b->setText(QStringLiteral("&Sí"));
    if (auto* b = caja.button(QMessageBox::No))
        b->setText(QStringLiteral("&No"));
    if (auto* b = caja.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Cancelar"));
    switch (caja.exec()) {
    case QMessageBox::Yes:
        return Respuesta::Si;
    case QMessageBox::No:
        return Respuesta::No;
    default:
        return Respuesta::Cancelar;
    }
}
} // namespace

Respuesta DialogosQt::PreguntarSiNo(const QString& titulo, const QString& texto, Icono icono) {
    const Respuesta r = Preguntar(titulo, texto, icono, QMessageBox::Yes | QMessageBox::No);
    return r == Respuesta::Si ? r : Respuesta::No;
}

Respuesta DialogosQt::PreguntarSiNoCancelar(const QString& titulo, const QString& texto, Icono icono) {
    return Preguntar(titulo, texto, icono, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void DialogosQt::Informar(const QString& titulo, const QString& texto, Icono icono) {
    QMessageBox caja(IconoQt(icono), Titulo(titulo), texto, QMessageBox::Ok, QApplication::activeWindow());
    Preparar(caja);
    caja.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    caja.exec();
}

std::optional<QString> DialogosQt::PedirTexto(const QString& titulo, const QString& etiqueta,
                                              const QString& inicial) {
    QInputDialog d(QApplication::activeWindow());
    d.setWindowTitle(Titulo(titulo));
    d.setLabelText(etiqueta);
    d.setTextValue(inicial);
    // Wide enough to show a proposed name whole.
    d.resize(std::max(d.sizeHint().width(), d.fontMetrics().horizontalAdvance(inicial) + 80),
             d.sizeHint().height());
    d.setOkButtonText(QStringLiteral("Aceptar"));
    d.setCancelButtonText(QStringLiteral("Cancelar"));
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}

namespace {
// The file list's column titles, which Qt's own file dialog takes from its model.
class ColumnasEnEspanol : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override {
        static const QStringList titulos = {QStringLiteral("Nombre"), QStringLiteral("Tamaño"),
                                            QStringLiteral("Tipo"), QStringLiteral("Fecha de modificación")};
        if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole && seccion >= 0 &&
            seccion < titulos.size())
            return titulos[seccion];
        return QIdentityProxyModel::headerData(seccion, orientacion, rol);
    }
};

// Qt's own file dialog speaks English unless told otherwise; a desktop's native one speaks the
// desktop's language and ignores these.
std::optional<QString> PedirArchivo(const QString& titulo, const QString& inicial, const QString& filtro,
                                    bool guardar) {
    QFileDialog d(QApplication::activeWindow(), Titulo(titulo), inicial, filtro);
    d.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    d.setLabelText(QFileDialog::Accept, guardar ? QStringLiteral("Guardar") : QStringLiteral("Abrir"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    d.setProxyModel(new ColumnasEnEspanol(&d));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return std::nullopt;
    return d.selectedFiles().constFirst();
}
} // namespace

std::optional<QString> DialogosQt::PedirArchivoGuardar(const QString& titulo, const QString& inicial,
                                                       const QString& filtro) {
    return PedirArchivo(titulo, inicial, filtro, true);
}

std::optional<QString> DialogosQt::PedirArchivoAbrir(const QString& titulo, const QString& inicial,
                                                     const QString& filtro) {
    return PedirArchivo(titulo, inicial, filtro, false);
}

std::optional<QColor> DialogosQt::PedirColor(const QString& titulo, const QColor& inicial) {
    QColorDialog d(inicial, QApplication::activeWindow());
    d.setWindowTitle(Titulo(titulo));
    if (d.exec() != QDialog::Accepted || !d.selectedColor().isValid())
        return std::nullopt;
    return d.selectedColor();
}
