#pragma once

#include "maintenance/BorradoNotas.h"
#include "shell/VentanaModulo.h"

class Anfitrion;
class Lienzo;
class QListWidget;

// Service utilities: clearing the user's notes, the database backup, and the main window's
// background picture.
class frmServicio : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmServicio(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;

private Q_SLOTS:
    void ElegirFondo();
    void Exportar();
    void Importar();

private:
    void CrearBorrado(const char* nombre, double arriba, const QString& titulo, NotasUsuario notas,
                      const QString& pregunta, const QString& confirmacion);
    void Borrar(NotasUsuario notas, const QString& pregunta, const QString& confirmacion);
    // Selects the line of that file (exact case) and previews it, without applying it.
    void MarcarFondo(const QString& nombre);
    void MostrarPreview(const QString& nombre);

    Anfitrion& anfitrion_;
    QListWidget* lstFondos_;
    Lienzo* picPreview_;
    bool cargando_ = false;
};
