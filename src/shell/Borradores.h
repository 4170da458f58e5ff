#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Text typed and not saved yet, kept on disk while the user types so that a crash loses at most
// the last moments. One file per target in the per-user folder beside the settings; a file cut
// short or damaged is never read as a draft.
struct Borrador {
    // What the text was typed for, a key the window makes up: "Nota/<id>/<date>" or "Nota/nueva",
    // "Pelicula/<film>/<developer>", "Revelador/<film>/<developer>", "Formula/<id>" ...
    QString destino;
    // How the user knows it: "Notas personales «Mi D-76»", "Mis notas de Ilford HP5 Plus × ID-11".
    QString etiqueta;
    QString titulo;  // a personal note's title; empty elsewhere
    QString texto;   // the body as the box holds it
    QString formato; // "rtf" when texto is RTF, empty for plain text
    // The program folder whose databases the target lives in: a draft of another folder is never
    // offered here.
    QString carpeta;
    QDateTime hora; // when it was taken

    bool operator==(const Borrador&) const = default;
};

// Where drafts are kept: "borradores" in the settings folder.
QString CarpetaBorradores();
// The file of a target of the program folder in use (the target's name is hashed: it may hold
// anything).
QString ArchivoBorrador(const QString& destino);

// The file's bytes: a header with the payload's length and checksum, then the payload.
QByteArray CodificarBorrador(const Borrador& b);
// Nothing when the bytes are not one whole draft (cut short, damaged, another format).
std::optional<Borrador> DecodificarBorrador(const QByteArray& datos);

// Replaces the target's draft through a temporary file and a rename: a reader sees the old draft
// or the new one, never a mix. False when it cannot be written (read-only folder, full disk).
bool EscribirBorrador(const Borrador& b);
void QuitarBorrador(const QString& destino);
// The whole drafts of the program folder in use, oldest first; damaged files are left out.
std::vector<Borrador> ListarBorradores();
// "Se recuperó texto sin guardar de: A, B."
QString AvisoRecuperados(const std::vector<Borrador>& borradores);

// Writes drafts on a thread of its own, so that typing never waits for the disk. For each target
// only the latest request counts, and requests for one target are carried out in order: a removal
// after a write leaves no draft.
class EscritorBorradores {
public:
    EscritorBorradores();
    // Carries out what is pending, then ends the thread.
    ~EscritorBorradores();
    EscritorBorradores(const EscritorBorradores&) = delete;
    EscritorBorradores& operator=(const EscritorBorradores&) = delete;

    void Encargar(Borrador b);
    void Quitar(const QString& destino);
    // Waits until everything asked so far is on disk (or failed).
    void Esperar();
    // Writes that failed so far.
    int Fallos() const;

private:
    void Trabajar();

    mutable std::mutex m_;
    std::condition_variable cv_;
    std::map<QString, std::optional<Borrador>> pendientes_; // by file; nothing = remove
    bool ocupado_ = false;
    bool fin_ = false;
    int fallos_ = 0;
    std::thread hilo_;
};

// The program's writer, made on first use.
EscritorBorradores& Borradores();
// Drafts can be switched off (measurements compare typing with and without them).
bool BorradoresActivos();
void ActivarBorradores(bool si);
