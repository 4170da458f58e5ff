#pragma once

#include "session/Sesion.h"

#include <QString>
#include <optional>
#include <vector>

// The user's own tanks, bottles of developer and development sessions, kept in the NotesDb.
// Running them on the open NotesDb: empty results while it is closed; engine failures raise ErrorBD
// (a read-only file refuses every write). Every write announces itself (AvisarDatosPropiosCambiados),
// so that open windows reload.
//
// Ids are never given twice, even after a delete or a clearing: a session keeps the id of the
// bottle it drew from, and a later bottle must not inherit its sessions. A session names its tank
// by text and keeps its own copy of the volumes, so it stays readable when the tank or the bottle
// is deleted (the bottle's id then reads 0). A session's time is kept to the second.

// By name (case-insensitive).
std::vector<Tanque> LeerTanques();
std::optional<Tanque> LeerTanque(qint64 id);
// Appends (id 0) or rewrites the tank; one deleted meanwhile is written anew. Returns its id.
qint64 GuardarTanque(const Tanque& t);
void BorrarTanque(qint64 id);

// The most recently mixed first.
std::vector<Botella> LeerBotellas();
std::optional<Botella> LeerBotella(qint64 id);
qint64 GuardarBotella(const Botella& b);
// The sessions that drew from it stay, without a bottle.
void BorrarBotella(qint64 id);

// The most recent first.
std::vector<Sesion> LeerSesiones();
std::optional<Sesion> LeerSesion(qint64 id);
// The sessions that drew from the bottle, oldest first (the order their films used it up).
std::vector<Sesion> LeerSesionesBotella(qint64 idBotella);
// The session and its baths in one transaction.
qint64 GuardarSesion(const Sesion& s);
void BorrarSesion(qint64 id);

// Every own tank, bottle and session, in one transaction.
void BorrarTodasMisSesiones();

// The baths of a session in the text form the NotesDb and the user-data package keep: a JSON
// array of objects {"etapa", "producto", "dilucion", "segundos", "omitido", "fuente"}.
QString TextoBanos(const std::vector<Bano>& banos);
// Nothing when the text is not that form; an empty text is no bath.
std::optional<std::vector<Bano>> LeerTextoBanos(const QString& texto);
