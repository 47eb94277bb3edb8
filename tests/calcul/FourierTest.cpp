// The coefficient formulas against the true Fourier coefficients of the waveforms they stand
// for, integrated numerically over one period (t from 0 to 1).
#include "calcul/Coefficients.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

using namespace Calcul_Graphe;

namespace {

using Forme = std::function<double(double t)>;

// 2 x integral over [0, 1] of f(t) x g(2 pi n t), Simpson on each piece between breakpoints,
// so that a jump of the waveform falls on a piece's end.
double Coefficient(const Forme& f, int n, bool sinus, std::vector<double> ruptures) {
    ruptures.push_back(0.0);
    ruptures.push_back(1.0);
    std::sort(ruptures.begin(), ruptures.end());
    const double deuxPiN = 2.0 * std::numbers::pi * n;
    double total = 0.0;
    for (std::size_t p = 0; p + 1 < ruptures.size(); ++p) {
        const double a = ruptures[p], b = ruptures[p + 1];
        if (b - a <= 0.0) continue;
        const int m = 2000;
        const double h = (b - a) / m;
        // Inside the piece: the values just inside its ends, not at a jump.
        auto g = [&](int j) {
            const double t = std::clamp(a + j * h, a + 1e-12, b - 1e-12);
            return f(t) * (sinus ? std::sin(deuxPiN * t) : std::cos(deuxPiN * t));
        };
        double s = g(0) + g(m);
        for (int j = 1; j < m; ++j)
            s += (j % 2 ? 4.0 : 2.0) * g(j);
        total += s * h / 3.0;
    }
    return 2.0 * total;
}

struct Cas {
    const char* nom;
    Signal signal;
    Forme forme;
    std::vector<double> ruptures;
};

// High during the first fraction a of the period, 100 above the low level.
Cas Rectangle(double a) {
    return {"rectangle", Signal::Rectangulaire, [a](double t) { return t < a ? 100.0 : 0.0; }, {a}};
}

// Up to +50 at a/2, back to 0 at a, down to -50 at (1 + a)/2, back to 0 at 1.
Cas Triangle(double a) {
    return {"triangle",
            Signal::Triangulaire,
            [a](double t) {
                if (t < a / 2) return 50.0 * t / (a / 2);
                if (t < a) return 50.0 * (a - t) / (a / 2);
                const double m = (1 + a) / 2;
                if (t < m) return -50.0 * (t - a) / (m - a);
                return -50.0 * (1 - t) / (1 - m);
            },
            {a / 2, a, (1 + a) / 2}};
}

// Rises from 0 to 100 until a, falls back to 0 at 1.
Cas DentsDeScie(double a) {
    return {"dents de scie",
            Signal::DentsDeScie,
            [a](double t) { return t < a ? 100.0 * t / a : 100.0 * (1 - t) / (1 - a); },
            {a}};
}

} // namespace

TEST(Fourier, FormulesContreIntegration) {
    const float pi = 3.14159274f;
    std::vector<std::pair<double, Cas>> cas;
    for (double a : {0.0, 0.25, 0.33, 0.5, 0.7, 1.0})
        cas.emplace_back(a, Rectangle(a));
    for (double a : {0.25, 0.33, 0.5, 0.8})
        cas.emplace_back(a, Triangle(a));
    for (double a : {0.1, 0.33, 0.5, 0.9})
        cas.emplace_back(a, DentsDeScie(a));
    // The ramps of the sawtooth's ends.
    cas.emplace_back(0.0, Cas{"rampe descendante",
                              Signal::DentsDeScie,
                              [](double t) { return 100.0 * (1 - t); },
                              {}});
    cas.emplace_back(
        1.0, Cas{"rampe montante", Signal::DentsDeScie, [](double t) { return 100.0 * t; }, {}});

    for (const auto& [a, c] : cas) {
        for (std::int16_t n = 1; n <= 10; ++n) {
            const CoefficientsAB calcule = CalculeCoefficients(c.signal, float(a), pi, n);
            const double A = Coefficient(c.forme, n, false, c.ruptures);
            const double B = Coefficient(c.forme, n, true, c.ruptures);
            // 3 decimals of rounding, plus the single-precision duty cycle and Pi.
            EXPECT_NEAR(calcule.A, A, 2e-3) << c.nom << " a = " << a << " rank " << n;
            EXPECT_NEAR(calcule.B, B, 2e-3) << c.nom << " a = " << a << " rank " << n;
        }
    }
}
