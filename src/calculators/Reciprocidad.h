#pragma once

#include <QString>
#include <array>

// Reciprocity failure of long exposures: Tc = Tm ^ p, one exponent per film of a fixed table.

struct PeliculaRecip {
    const char16_t* nombre;
    double p; // 1.0: no failure
};

inline constexpr int kNumPeliculasRecip = 33;
using TablaRecip = std::array<PeliculaRecip, kNumPeliculasRecip>;

const TablaRecip& TablaPeliculas();

// Corrected time in seconds for a metered time in seconds: Tm ^ p from one second on, and the
// metered time itself below (never shorter than metered).
double TiempoCorregido(double tm, double p);

// "Kodak Tri-X 400 (p=1.54)"
QString TextoListaRecip(const PeliculaRecip& pelicula);
// "Kodak Tri-X 400  p=1.54"
QString TextoLeyendaRecip(const PeliculaRecip& pelicula);
// "Kodak Tri-X 400  (p=1.54)"
QString TextoLecturaRecip(const PeliculaRecip& pelicula);
