#include "calcul/TableTrigo.h"

#include "calcul/Coefficients.h"
#include "calcul/Etat.h"

#include <bit>
#include <cmath>

namespace Calcul_Graphe {

const double* TableTrigo::Sinus(const Etat& etat, int rang) {
    return Etend(
        sinus_, [](double x) { return std::sin(x); }, etat, rang);
}

const double* TableTrigo::Cosinus(const Etat& etat, int rang) {
    return Etend(
        cosinus_, [](double x) { return std::cos(x); }, etat, rang);
}

const double* TableTrigo::Etend(std::vector<double>& table, double (*f)(double), const Etat& etat,
                                int rang) {
    const Cle cle{std::bit_cast<std::uint32_t>(etat.Pi), etat.LargeurPeriode, etat.Abscisse};
    if (cle_ != cle) {
        cle_ = cle;
        sinus_.clear();
        cosinus_.clear();
    }
    if (table.capacity() == 0) // reserved once: growing never moves the entries
        table.reserve(std::size_t{RangMaxTabule + 1} * NombrePoints);
    for (int k = static_cast<int>(table.size() / NombrePoints); k <= rang; ++k)
        for (int i = 0; i < NombrePoints; ++i)
            table.push_back(f(AngleEchantillon(etat, k, i)));
    return table.data();
}

} // namespace Calcul_Graphe
