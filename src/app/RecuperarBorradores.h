#pragma once

class Anfitrion;

// At start-up: drafts left by a run that ended without its windows being closed (a crash, a power
// cut) are named to the user, who puts each back into its box, unsaved, or drops it; one put off
// ("Cancelar") is offered again at the next start.
void RecuperarBorradores(Anfitrion& anfitrion);
