#include "calcul/Coefficients.h"

#include "calcul/Nombres.h"

#include <cmath>

namespace Calcul_Graphe {

namespace {

// Rounds to `decimales` and stores in single precision.
float Stocke(double x, int decimales) {
    return VersSimple(ArrondiDecimales(x, decimales));
}

// Rectangle: sin(theta) x 100 / (n x Pi) and (1 - cos(theta)) x 100 / (n x Pi), with
// theta = (Pi + Pi) x a x n. Unrounded, in double.
void Rectangulaire(double a, double pi, double n, double& A, double& B) {
    const double theta = (pi + pi) * a * n;
    A = std::sin(theta) * 100.0 / (n * pi);
    B = (1.0 - std::cos(theta)) * 100.0 / (n * pi);
}

// Triangle, from its factor K; sums from left to right as written.
void Triangulaire(double a, double pi, double n, double deuxN, double K, double& A, double& B) {
    const double u = n * a * pi + n * pi;
    const double v = deuxN * a * pi;
    const double w = n * a * pi;
    A = K * (2.0 * a * std::cos(u) - (2.0 * a - 1.0) * std::cos(v) + 2.0 * (a - 1.0) * std::cos(w) -
             2.0 * a + 1.0);
    B = K * (2.0 * a * std::sin(u) - (2.0 * a - 1.0) * std::sin(v) + 2.0 * (a - 1.0) * std::sin(w));
}

// Sawtooth away from the ends of the duty-cycle range, from its factor K.
void DentsDeScie(double a, double pi, double n, double K, double& A, double& B) {
    const double theta = (pi + pi) * a * n;
    A = K * (std::cos(theta) - 1.0);
    B = K * std::sin(theta);
}

// Sawtooth at a duty cycle of exactly 0 (falling ramp) or 1 (rising ramp): only B, stored in
// single precision before its rounding to 3 decimals.
CoefficientsAB Rampe(float a, double pi, double n) {
    const double cent = a == 0.0f ? 100.0 : -100.0;
    return {0.0f, Stocke(VersSimple(cent / (n * pi)), 3)};
}

} // namespace

CoefficientsAB CalculeCoefficients(Signal signal, float a, float pi, std::int16_t n) {
    const double ad = a, p = pi;
    const double nf = static_cast<float>(n);
    // For these ranks the square and the double of the rank are 16-bit products.
    const double carre = static_cast<float>(static_cast<std::int16_t>(n * n));
    const double deuxN = static_cast<float>(static_cast<std::int16_t>(2 * n));
    double A = 0.0, B = 0.0;
    switch (signal) {
    case Signal::Rectangulaire:
        Rectangulaire(ad, p, nf, A, B);
        break;
    case Signal::Triangulaire:
        Triangulaire(ad, p, nf, deuxN, Divise(50.0, carre * ad * (ad - 1.0) * p * p), A, B);
        break;
    case Signal::DentsDeScie:
        if (a == 0.0f || a == 1.0f) return Rampe(a, p, nf);
        DentsDeScie(ad, p, nf, Divise(50.0, carre * ad * (1.0 - ad) * p * p), A, B);
        break;
    }
    return {Stocke(A, 3), Stocke(B, 3)};
}

CoefficientsAB CalculeCoefficientsSup(Signal signal, float a, float pi, int k) {
    const double ad = a, p = pi;
    const double kf = static_cast<float>(k);
    const double deuxK = static_cast<float>(2 * k);
    double A = 0.0, B = 0.0;
    switch (signal) {
    case Signal::Rectangulaire:
        // The quotients are stored in single precision before their rounding.
        Rectangulaire(ad, p, kf, A, B);
        return {Stocke(VersSimple(A), 0), Stocke(VersSimple(B), 0)};
    case Signal::Triangulaire:
        Triangulaire(ad, p, kf, deuxK, Divise(50.0, kf * ad * (ad - 1.0) * kf * p * p), A, B);
        return {Stocke(A, 0), Stocke(B, 0)};
    case Signal::DentsDeScie:
        if (a == 0.0f || a == 1.0f) return Rampe(a, p, kf);
        DentsDeScie(ad, p, kf, Divise(50.0, kf * kf * ad * (1.0 - ad) * p * p), A, B);
        return {Stocke(VersSimple(A), 0), Stocke(VersSimple(B), 0)};
    }
    return {};
}

bool CoefficientsSupNuls(Signal signal, float a, float pi, int k) {
    // A non-finite duty cycle makes the functions fail, which the routine must report.
    if (!std::isfinite(a)) return false;
    const double ad = a, p = pi;
    const double kf = static_cast<float>(k);
    double borne = HUGE_VAL; // of |A| and |B|
    switch (signal) {
    case Signal::Rectangulaire: // |sin| <= 1 and 0 <= 1 - cos <= 2
        borne = 200.0 / (kf * p);
        break;
    case Signal::Triangulaire: { // each cosine or sine at most 1 in magnitude
        const double denominateur = kf * ad * (ad - 1.0) * kf * p * p;
        if (denominateur != 0.0)
            borne =
                std::fabs(50.0 / denominateur) *
                (2.0 * std::fabs(ad) + 2.0 * std::fabs(2.0 * ad - 1.0) + 2.0 * std::fabs(ad - 1.0));
        break;
    }
    case Signal::DentsDeScie: // |cos - 1| <= 2, |sin| <= 1
        if (a != 0.0f && a != 1.0f)
            borne = 2.0 * std::fabs(50.0 / (kf * kf * ad * (1.0 - ad) * p * p));
        break;
    }
    // Whole-percent rounding gives zero up to 0.5; the margin covers the rounding errors of
    // the coefficients' own arithmetic, a few units in the last place. NaN says no.
    return borne * (1.0 + 1e-9) < 0.5;
}

double AngleEchantillon(const Etat& etat, int n, int i) {
    return FacteurRang(etat.Pi, n) * static_cast<double>(static_cast<float>(etat.Abscisse[i])) /
           static_cast<double>(static_cast<float>(etat.LargeurPeriode));
}

} // namespace Calcul_Graphe
