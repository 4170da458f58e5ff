#pragma once

#include "shell/VentanaModulo.h"

class Anfitrion;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The documents kept in a folder beside the program, narrowed by part of their name; a PDF opens
// with the desktop's application, a picture in the full image window. One window serves every
// document folder.
class frmVerDocumentos : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmVerDocumentos(Anfitrion& anfitrion, QWidget* padre = nullptr);

    // Shows the folder (relative to the program folder) under the title, with an empty filter, at
    // the place remembered for that folder.
    void Abrir(const QString& carpeta, const QString& titulo);
    const QString& CarpetaDocs() const { return carpetaDocs_; }

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private Q_SLOTS:
    void CargarDocumentos();

private:
    void PrepararLista();
    void AbrirDocumento(const QTreeWidgetItem* entrada);

    Anfitrion& anfitrion_;
    QWidget* picPanel_;
    QLineEdit* txtFiltro_;
    QLabel* lblConteo_;
    QTreeWidget* lvDocs_;
    QString carpetaDocs_ = QStringLiteral("datasheets");
    QString clavePosicion_ = QStringLiteral("datasheets");
};
