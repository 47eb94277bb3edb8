// Shared state of the program: the module-wide settings, flags and tables that carry the
// harmonic samples from the computation to the drawing. One instance, owned by the
// application object; every routine reads and writes it by name.
#pragma once

#include "calcul/Constantes.h"
#include "calcul/TableTrigo.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Calcul_Graphe {

// The two coefficients of one rank: A x cos + B x sin of its angle.
struct CoefficientsAB {
    float A = 0.0f;
    float B = 0.0f;
};

// A higher rank k whose A or B is not zero.
struct TermeRang {
    int k = 0;
    float A = 0.0f, B = 0.0f;
};

struct Etat {
    std::int16_t ModeChoixSignal = Faux;
    std::int16_t RangsSupActifs = Faux;
    std::int16_t RAZEnCours = Faux;
    std::int16_t CalculAutoInhibe = Faux;
    std::int16_t RangMax = 0;
    std::int16_t OrigineX = 0;
    std::int16_t OrigineY = 0;
    float Pi = 0.0f;
    std::int16_t LargeurPeriode = 0;
    float RapportCyclique = 0.0f;
    std::int16_t ValeurMax = 0;

    std::array<std::int16_t, NombreRangs> Validation{};
    std::array<std::int16_t, NombrePoints> Abscisse{};
    // Harmonique[i][n]: sample i (0 to 100) of rank n (0 to 10).
    std::array<std::array<float, NombreRangs>, NombrePoints> Harmonique{};
    std::array<float, NombrePoints> SommeRangsSup{};
    std::array<std::int16_t, NombrePoints> SignalTotal{};

    // What the columns and the higher-ranks sum were sampled from, written with them, so that
    // the sound is synthesised from the coefficients rather than from 101 samples: column n
    // (1 to 10) is CoefficientsColonne[n] of rank n (the mean value, column 0, is not kept);
    // TermesRangsSup are the ranks of SommeRangsSup whose A or B is not zero, in order.
    std::array<CoefficientsAB, NombreRangs> CoefficientsColonne{};
    std::vector<TermeRang> TermesRangsSup;

    // The sines and cosines of the higher ranks' sample angles, kept for the next sum.
    TableTrigo TableRangsSup;
};

// The constants and defaults that the start routine fixes before any window opens:
// Pi, RangMax, the origin, the period width, CalculAutoInhibe and the sample abscissas.
void InitialiseConstantes(Etat& etat);

} // namespace Calcul_Graphe
