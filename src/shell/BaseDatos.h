#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class ReservaSentencias;

// The one exception of the data store; carries the engine's description for "prefix + description".
// The engine's result codes the program tells apart.
inline constexpr int kErrorNoEsBaseDatos = 26; // damaged, not a database, or another key
inline constexpr int kErrorDanada = 11;        // the file's pages do not hold together

class ErrorBD : public std::runtime_error {
public:
    // codigo: the engine's primary result code, 0 when the failure is not the engine's.
    explicit ErrorBD(const QString& descripcion, int codigo = 0);
    const QString& Descripcion() const { return descripcion_; }
    int Codigo() const { return codigo_; }

private:
    QString descripcion_;
    int codigo_ = 0;
};

// A forward, read-once result of a query: test Fin, read fields by column name, move Siguiente.
class Consulta {
public:
    Consulta(Consulta&& otra) noexcept;
    Consulta& operator=(Consulta&& otra) noexcept;
    Consulta(const Consulta&) = delete;
    Consulta& operator=(const Consulta&) = delete;
    ~Consulta();

    bool Fin() const { return fin_; }
    void Siguiente();
    // Value of a column of the current row; a null QVariant for Null. Unknown column: ErrorBD.
    QVariant Campo(const QString& columna) const;
    QVariant Campo(int indice) const;
    bool TieneCampo(const QString& columna) const;
    int NumeroCampos() const;
    QString NombreCampo(int indice) const;

private:
    friend class BaseDatos;
    Consulta(sqlite3_stmt* stmt, sqlite3* db, std::weak_ptr<ReservaSentencias> reserva);
    int Indice(const QString& columna) const;
    void Paso();

    sqlite3_stmt* stmt_ = nullptr;
    sqlite3* db_ = nullptr;
    // Where the statement goes back when the query ends; gone when the database was closed first.
    std::weak_ptr<ReservaSentencias> reserva_;
    bool fin_ = true;
};

using Campos = std::vector<std::pair<QString, QVariant>>;

// One open database file with the stored query dialect registered on it.
class BaseDatos {
public:
    struct Opciones {
        QString clave;      // empty: no key
        bool crear = false; // create the file when missing
        bool soloLectura = false;
    };

    // Opens and reads the schema at once, so a wrong key or a damaged file fails here.
    static std::unique_ptr<BaseDatos> Abrir(const QString& ruta, const Opciones& opciones);
    static std::unique_ptr<BaseDatos> Abrir(const QString& ruta, const QString& clave = {});
    ~BaseDatos();
    BaseDatos(const BaseDatos&) = delete;
    BaseDatos& operator=(const BaseDatos&) = delete;

    const QString& Ruta() const { return ruta_; }
    // True when the engine opened the file for reading only (the file or its folder is read-only).
    bool SoloLectura() const;

    Consulta Consultar(const QString& sql, const QVariantList& parametros = {});
    // A statement without rows. Table definitions in the stored dialect (COUNTER, MEMO, LONG) are
    // translated first.
    void Ejecutar(const QString& sql, const QVariantList& parametros = {});
    // Appends a row and returns the key the engine gave it.
    qint64 Insertar(const QString& tabla, const Campos& campos);
    // Sets the fields of the rows whose key column holds clave; returns how many rows changed.
    int Actualizar(const QString& tabla, const QString& columnaClave, const QVariant& clave,
                   const Campos& campos);

    bool ExisteTabla(const QString& tabla);
    bool ExisteCampo(const QString& tabla, const QString& columna);

    void Comenzar();
    void Confirmar();
    void Deshacer();

    sqlite3* Nativo() const { return db_; }

private:
    BaseDatos(sqlite3* db, QString ruta);
    sqlite3_stmt* Preparar(const QString& sql, const QVariantList& parametros);

    sqlite3* db_;
    QString ruta_;
    std::shared_ptr<ReservaSentencias> reserva_;
};

// Rolls back unless Confirmar was called; the schema and bulk loads are written in one of these.
class Transaccion {
public:
    explicit Transaccion(BaseDatos& bd);
    ~Transaccion();
    void Confirmar();

private:
    BaseDatos& bd_;
    bool hecha_ = false;
};

// A table definition in the stored dialect as the engine takes it.
QString TraducirDDL(const QString& sql);
