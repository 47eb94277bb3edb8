// Sines and cosines of the sample angles of the higher ranks, worked out once and looked up.
//
// Row k of a table holds sin or cos of AngleEchantillon(etat, k, i) for the samples i = 0 to
// 100: the very function of the very double that a sample-by-sample evaluation computes, so
// a sum built from the table is bit for bit the sum built without it. A row is a function of
// Pi, LargeurPeriode and the abscissas alone (not of the signal nor of its duty cycle), so
// every later computation reuses it. (The angle is even a function of k x i alone, both of
// its products being exact, but a table by k x i holds as many entries and is read with a
// stride of k; rows are read in order.)
//
// What it saves: the sawtooth's sum at rank 2000 takes about 0.4 ms with the table against
// 25 ms worked out sample by sample (bench/compare_somme.sh), which keeps the higher ranks
// inside an action's frame budget.
//
// Memory: 8 bytes per entry, 101 entries per rank, ranks 0 to the largest one asked for:
// at most 1.6 MB per function at rank 2000. Each table is built on first use, grows with the
// largest rank asked for, and is kept by the state (Etat) that owns it; it starts again if
// Pi, LargeurPeriode or the abscissas change (they never do after the start, but a state set
// up otherwise must not read another's angles). Not thread-safe, like the rest of the state.
#pragma once

#include "calcul/Constantes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace Calcul_Graphe {

struct Etat;

class TableTrigo {
public:
    // Beyond this rank no table is kept: the caller evaluates the functions itself.
    static constexpr int RangMaxTabule = 2000;

    // Rows 0 to rang (at most RangMaxTabule) for the angles of `etat`: entry k x NombrePoints
    // + i holds sin or cos of the angle of rank k at sample i. The pointer stays valid until
    // a call with other angles, which empties both tables; a call with the same angles for
    // one function leaves the other's entries where they are.
    const double* Sinus(const Etat& etat, int rang);
    const double* Cosinus(const Etat& etat, int rang);

    // Entries held, both functions together.
    std::size_t Entrees() const { return sinus_.size() + cosinus_.size(); }

private:
    struct Cle {
        std::uint32_t pi; // bit pattern: a NaN must match itself
        std::int16_t largeur;
        std::array<std::int16_t, NombrePoints> abscisse;
        bool operator==(const Cle&) const = default;
    };
    const double* Etend(std::vector<double>& table, double (*f)(double), const Etat& etat,
                        int rang);

    std::optional<Cle> cle_;
    std::vector<double> sinus_, cosinus_;
};

} // namespace Calcul_Graphe
