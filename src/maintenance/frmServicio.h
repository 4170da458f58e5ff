#pragma once

#include "maintenance/BorradoNotas.h"
#include "shell/VentanaModulo.h"

#include <QDateTime>
#include <functional>
#include <memory>

class Anfitrion;
class Lienzo;
class QListWidget;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
struct LecturaPaquete;
struct PaqueteMisDatos;

// The backup command: the question, the busy pointer, the copy and its report, through Dialogo().
// The folder is named by reloj (the system clock when empty), read once the question is answered:
// the user may take a while to answer.
void HacerCopiaSeguridad(const std::function<QDateTime()>& reloj = {});

// Service utilities: clearing the user's notes, the database backup, and the main window's
// background picture.
class frmServicio : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmServicio(Anfitrion& anfitrion, QWidget* padre = nullptr);
    ~frmServicio() override;
    void Cargar() override;
    // A package is being read on the worker thread.
    bool Importando() const;

private Q_SLOTS:
    void ElegirFondo();
    void Exportar();
    void Importar();
    void PaqueteLeido();

private:
    void CrearBorrado(const char* nombre, double arriba, const QString& titulo, NotasUsuario notas,
                      const QString& pregunta, const QString& confirmacion);
    void Borrar(NotasUsuario notas, const QString& pregunta, const QString& confirmacion);
    // Selects the line of that file (exact case) and previews it, without applying it.
    void MarcarFondo(const QString& nombre);
    void MostrarPreview(const QString& nombre);

    void MostrarLectura(bool leyendo);
    // Asks and writes, on the window thread, once the package has been read and checked.
    void ImportarLeido(const QString& ruta, const PaqueteMisDatos& paquete);

    Anfitrion& anfitrion_;
    QPushButton* cmdImportar_;
    QProgressBar* barImportar_;
    QTimer* relojImportar_;
    std::shared_ptr<LecturaPaquete> lectura_;
    std::unique_ptr<QThread> hilo_;
    QListWidget* lstFondos_;
    Lienzo* picPreview_;
    bool cargando_ = false;
};
