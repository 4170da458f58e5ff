#pragma once

// The user's own notes, cleared in one statement each.
enum class NotasUsuario {
    Peliculas,   // film view of the development-time search (ReferenceDb)
    Reveladores, // developer view of the development-time search (ReferenceDb)
    Formulas,    // notes per formula (ReferenceDb)
    Personales,  // dated personal notes (NotesDb)
    Tiempos,     // own times, films and developers (NotesDb), in one transaction
    Sesiones     // own tanks, bottles of developer and development sessions (NotesDb), likewise
};

// Clears those notes. False when their database is closed; an engine failure raises ErrorBD.
bool BorrarNotas(NotasUsuario notas);
