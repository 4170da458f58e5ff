#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// Saved settings of the time/temperature calculator, kept in perfiles_temp.txt beside the program:
// Windows-1252, CR LF, one profile a line as nombre|revelador|agitacion|tBase|segundos|formula|tActual.

// The defaults are the choices the calculator window starts with.
struct PerfilTemp {
    QString nombre;
    qint16 revelador = 1;
    qint16 agitacion = 1;
    float tBase = 20;
    qint16 segundos = 600;
    qint16 formula = 0;
    float tActual = 20;

    bool operator==(const PerfilTemp&) const = default;
};

inline constexpr int kMaxPerfiles = 51;
inline constexpr int kLargoNombrePerfil = 50;

QString RutaPerfiles();

// One line of the file; nothing when the line holds no readable profile.
std::optional<PerfilTemp> LeerLineaPerfil(const QByteArray& linea);
QByteArray EscribirLineaPerfil(const PerfilTemp& perfil);

// What a profile puts into the window: an index outside its group becomes that group's default
// choice, the temperatures are clamped to 10..30 and the time to 0..3659 s.
PerfilTemp PerfilAplicable(const PerfilTemp& perfil);

// A name as it will be stored: the field separator and line ends replaced, trimmed.
QString NombrePerfilSeguro(const QString& nombre);
// Why the file cannot hold this name as it stands (longer than 50 characters, or characters the
// file's code page lacks, named in the message); empty when it can.
QString ProblemaNombrePerfil(const QString& nombre);
// "yymmdd_hhnnss_<formula>_<developer>"
QString NombrePerfilPropuesto(const QDateTime& momento, int formula, int revelador);

// The profiles of the file in list order. Lines that hold no profile, and profiles beyond the 51
// the list can hold, are kept where they stand and written back unchanged, so no line is ever lost.
class ArchivoPerfiles {
public:
    // false when the file exists but cannot be read (the reason in error); a missing file is an
    // empty list.
    bool Cargar(const QString& ruta, QString* error = nullptr);
    bool Guardar(const QString& ruta, QString* error = nullptr) const;
    // The list from a file's bytes, and the bytes Guardar writes.
    void Analizar(const QByteArray& contenido);
    QByteArray Contenido() const;

    int Cantidad() const { return nPerfiles_; }
    bool Lleno() const { return nPerfiles_ >= kMaxPerfiles; }
    const PerfilTemp& Perfil(int slot) const;
    // The last slot whose name is exactly this one, or -1.
    int Buscar(const QString& nombre) const;
    // Replaces the profile of the same name in place, or adds it after the listed ones, ahead of
    // any the list could not hold; false when full.
    bool Poner(const PerfilTemp& perfil);
    void Eliminar(int slot);

private:
    struct Linea {
        std::optional<PerfilTemp> perfil; // in the list
        QByteArray cruda;                 // kept as read
        bool sobrante = false;            // a profile beyond those the list holds
    };
    int Indice(int slot) const;

    QList<Linea> lineas_;
    int nPerfiles_ = 0;
};
