#include "calcul/Signaux.h"

#include "calcul/Nombres.h"
#include "calcul/TableTrigo.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace Calcul_Graphe {

std::int16_t PhaseRang(float A, float B) {
    if (A == 0.0f) return B > 0.0f ? 90 : (B < 0.0f ? -90 : 0);
    double degres = std::atan(static_cast<double>(B) / A) * 180.0 / std::numbers::pi;
    // atan of a ratio of two equal floats may land a hair below a whole degree.
    const double entier = std::nearbyint(degres);
    if (std::fabs(degres - entier) < 1e-9) degres = entier;
    const std::int16_t phi = PlancherEntier16(degres);
    if (A > 0.0f) return phi;
    return static_cast<std::int16_t>(B >= 0.0f ? phi + 180 : phi - 180);
}

CoefficientsRang AfficheCoefficients(const CoefficientsAB& c) {
    CoefficientsRang r;
    r.A = c.A;
    r.B = c.B;
    const double A = c.A, B = c.B;
    r.AAffiche = ArrondiDecimales(A, 2);
    r.BAffiche = ArrondiDecimales(B, 2);
    r.CAffiche = ArrondiDecimales(std::sqrt(B * B + A * A), 2);
    r.Phase = PhaseRang(c.A, c.B);
    return r;
}

TextesCoefficients TexteCoefficients(const CoefficientsRang& c, char separateur) {
    return {TexteNombre(c.AAffiche, separateur), TexteNombre(c.BAffiche, separateur),
            TexteNombre(c.CAffiche, separateur),
            TexteNombre(static_cast<double>(c.Phase), separateur)};
}

float LitRapportCyclique(std::string_view texte, char separateur) {
    return VersSimple(LitNombre(texte, separateur) / 100.0);
}

namespace {

// Adds the terms to the sums, rank after rank in increasing order for every sample: the order
// of the sample-by-sample way. cosinus(k, i) and sinus(k, i) give cos and sin of the angle of
// rank k at sample i.
template <typename Cos, typename Sin>
void AjouteTermes(const std::vector<TermeRang>& termes, Cos cosinus, Sin sinus,
                  std::array<float, NombrePoints>& sommes) {
    for (const TermeRang& t : termes) {
        const double A = t.A, B = t.B;
        // A zero coefficient times cos or sin is a signed zero, which changes no sum.
        if (A == 0.0)
            for (int i = 0; i < NombrePoints; ++i)
                sommes[i] = static_cast<float>(sommes[i] + B * sinus(t.k, i));
        else if (B == 0.0)
            for (int i = 0; i < NombrePoints; ++i)
                sommes[i] = static_cast<float>(sommes[i] + A * cosinus(t.k, i));
        else
            for (int i = 0; i < NombrePoints; ++i)
                sommes[i] = static_cast<float>(sommes[i] + (A * cosinus(t.k, i) + B * sinus(t.k, i)));
    }
}

} // namespace

// The sum is the sample-by-sample one, bit for bit: every sample adds the same terms, in the
// same increasing order of rank, each rounded to single precision as it is added; only the
// loops are swapped (one rank across all samples, then the next), which changes no sample's
// own sequence of additions. cos and sin of the angle of rank k at sample i come from the
// state's TableTrigo, whose entries are those very functions of those very doubles, worked
// out on first use and reused by every later call, whatever the signal and duty cycle.
void CalculeSommeRangsSup(Etat& etat, Signal signal) {
    const int rangMax = etat.RangMax; // read once, as the loop bound
    if (rangMax > 16383)
        throw ErreurExecution(ErreurExecution::Nature::Depassement, "Dépassement de capacité");

    // A rank whose A and B are both zero adds an exact zero to every sample and changes no
    // sum: the sums start at +0 and never become -0, and s + (+/-0) == s. Only the other
    // ranks are kept, with their coefficients worked out once; those sure to round to zero
    // are not even worked out.
    std::vector<TermeRang> termes;
    int rangCosinus = 0, rangSinus = 0; // the last rank that needs each function
    for (int k = 11; k <= rangMax; ++k) {
        if (CoefficientsSupNuls(signal, etat.RapportCyclique, etat.Pi, k)) continue;
        const CoefficientsAB c = CalculeCoefficientsSup(signal, etat.RapportCyclique, etat.Pi, k);
        if (c.A != 0.0f || c.B != 0.0f) termes.push_back({k, c.A, c.B});
        if (c.A != 0.0f) rangCosinus = k;
        if (c.B != 0.0f) rangSinus = k;
    }

    std::array<float, NombrePoints> sommes{};
    if (rangMax <= TableTrigo::RangMaxTabule) {
        TableTrigo& table = etat.TableRangsSup;
        const double* cosinus = rangCosinus ? table.Cosinus(etat, rangCosinus) : nullptr;
        const double* sinus = rangSinus ? table.Sinus(etat, rangSinus) : nullptr;
        AjouteTermes(
            termes, [cosinus](int k, int i) { return cosinus[k * NombrePoints + i]; },
            [sinus](int k, int i) { return sinus[k * NombrePoints + i]; }, sommes);
    } else {
        AjouteTermes(
            termes, [&etat](int k, int i) { return std::cos(AngleEchantillon(etat, k, i)); },
            [&etat](int k, int i) { return std::sin(AngleEchantillon(etat, k, i)); }, sommes);
    }
    for (int i = 0; i < NombrePoints; ++i)
        etat.SommeRangsSup[i] = VersSimple(sommes[i]);
    etat.TermesRangsSup = std::move(termes);
}

namespace {

void CalculeSignalPredefini(Etat& etat, Signal signal, const AfficheRang& affiche) {
    for (std::int16_t n = 1; n <= 10; ++n) {
        const CoefficientsAB c = CalculeCoefficients(signal, etat.RapportCyclique, etat.Pi, n);
        if (affiche) affiche(n, AfficheCoefficients(c));
        const double A = c.A, B = c.B;
        for (int i = 0; i < NombrePoints; ++i) {
            const double x = AngleEchantillon(etat, n, i);
            etat.Harmonique[i][n] = VersSimple(A * std::cos(x) + B * std::sin(x));
        }
        etat.CoefficientsColonne[n] = c;
    }
    CalculeSommeRangsSup(etat, signal);
}

} // namespace

void CalculeRectangulaire(Etat& etat, const AfficheRang& affiche) {
    CalculeSignalPredefini(etat, Signal::Rectangulaire, affiche);
}

void CalculeTriangulaire(Etat& etat, const AfficheRang& affiche) {
    CalculeSignalPredefini(etat, Signal::Triangulaire, affiche);
}

void CalculeDentsDeScie(Etat& etat, const AfficheRang& affiche) {
    CalculeSignalPredefini(etat, Signal::DentsDeScie, affiche);
}

void CalculeSignal(Etat& etat, int indexSignal, const AfficheRang& affiche) {
    switch (indexSignal) {
    case 0:
        CalculeRectangulaire(etat, affiche);
        break;
    case 1:
        CalculeTriangulaire(etat, affiche);
        break;
    case 2:
        CalculeDentsDeScie(etat, affiche);
        break;
    default:
        break;
    }
}

} // namespace Calcul_Graphe
