// Sines and cosines of the sample angles of the higher ranks, worked out once and looked up.
//
// The angle of rank k at sample i is, from left to right in double,
//     x = 2k x Pi x Abscisse(i) / LargeurPeriode,
// with 2k, Pi, Abscisse(i) and LargeurPeriode each a single-precision value. Where
// Abscisse(i) = p x i for every sample, both products are exact: each is an integer times the
// 24-bit mantissa of Pi, the first 2k, the second 2 x p x k x i, below 2^29 for any 16-bit
// abscissa and k up to RangMaxTabule, so that no product needs more than the 53 bits of a
// double. Only the division rounds, so x is the double nearest to
// 2 x p x m x Pi / LargeurPeriode with m = k x i, a function of m alone. Entry m of a table
// holds sin(x) or cos(x) of that very double: the values a sample-by-sample evaluation gives.
//
// Memory: 8 bytes per entry, entries 0 to RangMax x 100, at most 1.6 MB per function. Each
// table is built on first use, grows with the largest RangMax asked for, and is kept for the
// run; it starts again only if Pi, p or LargeurPeriode change. Not thread-safe, like the rest
// of the program's state.
#pragma once

#include "calcul/Etat.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Calcul_Graphe {

class TableTrigo {
public:
    // Beyond this rank no table is kept: the caller evaluates the functions itself.
    static constexpr int RangMaxTabule = 2000;

    // Whether the angles of `etat` for the ranks up to rangMax are a function of k x i:
    // Abscisse(i) = Abscisse(1) x i for every sample, and rangMax at most RangMaxTabule.
    static bool Tabulable(const Etat& etat, int rangMax);

    // Entries 0 to mMax of sin(x(m)) and cos(x(m)) for the angles of `etat`, which must be
    // tabulable up to a rank k with mMax <= k x 100. The pointer stays valid until the next
    // call with a larger mMax or other angles; a call for one function keeps the other's.
    const double* Sinus(const Etat& etat, int mMax);
    const double* Cosinus(const Etat& etat, int mMax);

    // Entries held, both functions together.
    std::size_t Entrees() const { return sinus_.size() + cosinus_.size(); }

private:
    struct Cle {
        std::uint32_t pi; // bit pattern: a NaN must match itself
        int pas;
        int largeur;
        bool operator==(const Cle&) const = default;
    };
    const double* Etend(std::vector<double>& table, double (*f)(double), const Etat& etat,
                        int mMax);

    std::optional<Cle> cle_;
    std::vector<double> sinus_, cosinus_;
};

// The one table of the process, shared by every computation of the higher-rank sum.
TableTrigo& TableDuProcessus();

} // namespace Calcul_Graphe
