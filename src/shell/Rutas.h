#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The program folder holds the executable and everything beside it; tests point it elsewhere.
QString CarpetaPrograma();
void FijarCarpetaPrograma(const QString& carpeta);

// Program folder & "\" & a documented relative name such as "imag\films", as a native path.
QString RutaPrograma(const QString& relativo);
// A documented name written with "\" as a native relative path.
QString RutaNativa(const QString& relativo);

// Where the program works when it is not pointed elsewhere. The executable's folder when it can
// be written and is not an installed copy (an installed copy has its data in `instalada`, beside
// the executables); otherwise `usuario`, the per-user folder.
QString ElegirCarpetaPrograma(const QString& ejecutable, const QString& instalada, const QString& usuario);
// Copies into destino every file of origen, folders included, that destino lacks; what is there is
// never overwritten, except the relative names in excluir. Returns the relative names copied; a file
// that cannot be copied is skipped.
QStringList SembrarCarpeta(const QString& origen, const QString& destino, const QStringList& excluir = {});
// The program folder this run works in (ElegirCarpetaPrograma), nothing created yet.
QString CarpetaDeArranque();
// Where the per-user folder in use is seeded from (the installed data, or the executable's
// folder); empty when the program works in its own folder.
QString OrigenCarpetaUsuario();
// The executable's file name, never copied into a seeded folder.
QString NombreEjecutable();
// At start-up: chooses the program folder for this run and fixes it; a per-user folder without its
// databases is first seeded from the installed data (or from the executable's folder).
void PrepararCarpetaPrograma();
