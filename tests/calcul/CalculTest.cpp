// The numeric core: number rules (numbers at the edges of their ranges too), calcul/Reglage,
// the start-up state and the three signals. Regression tests are named after the fault they
// caught.
#include "ReferenceParPoint.h"
#include "calcul/Nombres.h"
#include "calcul/Reglage.h"
#include "calcul/Signaux.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

using namespace Calcul_Graphe;

using Nature = ErreurExecution::Nature;

namespace {

// The kind of error f raised, or nothing.
template <typename F> std::optional<Nature> NatureErreur(F&& f) try {
    f();
    return std::nullopt;
} catch (const ErreurExecution& e) {
    return e.nature();
}

// Compared bit for bit, so that a negative zero is not taken for a zero.
const auto Bits = [](auto x) { return Motif(x); };

constexpr int Hors = 99999; // the conversion raised an overflow

template <typename F> int OuHors(F f) {
    int r = 0;
    return NatureErreur([&] { r = f(); }) == Nature::Depassement ? Hors : r;
}

constexpr float Sentinelle = -1234.5f, Pi = 3.14159274f;

struct Calcul {
    Etat etat;
    std::array<std::string, 11> textes{}; // "A|B|C|phase" by rank, as shown
    std::optional<Nature> erreur;
};

// Signal `index` at the duty-cycle text `rapport`, on a started state whose tables hold a
// sentinel, so that what was written and what was not can be told apart.
Calcul Calcule(int index, const char* rapport) {
    Calcul r;
    InitialiseConstantes(r.etat);
    for (auto& ligne : r.etat.Harmonique)
        ligne.fill(Sentinelle);
    r.etat.SommeRangsSup.fill(Sentinelle);
    r.erreur = NatureErreur([&] {
        r.etat.RapportCyclique = LitRapportCyclique(rapport, ',');
        CalculeSignal(r.etat, index, [&r](std::int16_t n, const CoefficientsRang& c) {
            // Ranks in order, each shown once, before its own samples are written.
            EXPECT_EQ(r.etat.Harmonique[25][n], Sentinelle) << n;
            EXPECT_TRUE(n == 1 || r.etat.Harmonique[25][n - 1] != Sentinelle) << n;
            const TextesCoefficients t = TexteCoefficients(c, ',');
            r.textes[n] = t.An + "|" + t.Bn + "|" + t.Cn + "|" + t.Phin;
        });
    });
    return r;
}

// Polyline of one period, t from 0 to 1; two vertices at the same t make a jump.
using Sommets = std::vector<std::pair<double, double>>;

// 2 x the integral over the period of f(t) e^(2 i pi n t), exact for a polyline f: its real
// part is the true A, its imaginary part the true B.
std::complex<double> Coefficient(const Sommets& f, int n) {
    const double w = 2 * std::numbers::pi * n;
    std::complex<double> total;
    for (std::size_t k = 1; k < f.size(); ++k) {
        const auto [u, fu] = f[k - 1];
        const auto [v, fv] = f[k];
        if (v <= u) continue; // a jump
        // A primitive of g(t) e^(i w t), g linear of slope s, is (g / (i w) + s / w^2) e^(i w t).
        const std::complex<double> iw(0.0, w), s = (fv - fu) / (v - u) / (w * w);
        total += (fv / iw + s) * std::polar(1.0, w * v) - (fu / iw + s) * std::polar(1.0, w * u);
    }
    return 2.0 * total;
}

// The outcome of the confirmed duty-cycle rewriting, as the box would show it: "!" when it fails.
std::string TexteConfirme(const std::string& texte) {
    try {
        return TextePlancher(TexteFractionEnPourcent(texte, ',').value_or(texte), ',');
    } catch (const ErreurExecution&) {
        return "!";
    }
}

} // namespace

TEST(RangsSup, IdentiqueAuCalculParPoint) {
    // Bit for bit (a negative zero is not a zero here); nonNuls guards against two empty sums.
    // One state's sine table lives through every row while the period's width changes under
    // it: a table kept for other abscissas shows here.
    int nonNuls = 0, ligne = 0;
    TableTrigo gardee;
    for (Signal signal : {Signal::Rectangulaire, Signal::Triangulaire, Signal::DentsDeScie})
        for (float a : {0.0f, 0.5f, 0.9f, 1.0f, 0.33f, 1.5f, 0.07f})
            for (std::int16_t rangMax : {-5, 10, 11, 100, 2000}) {
                Etat rapide;
                InitialiseConstantes(rapide);
                if (++ligne % 2) rapide.LargeurPeriode = 6000;
                rapide.TableRangsSup = std::move(gardee);
                rapide.RapportCyclique = a;
                rapide.RangMax = rangMax;
                rapide.SommeRangsSup.fill(Sentinelle);
                Etat reference = rapide;
                const auto erreur = NatureErreur([&] { CalculeSommeRangsSup(rapide, signal); });
                ASSERT_EQ(erreur, NatureErreur([&] { SommeRangsSupParPoint(reference, signal); }));
                if (erreur) continue; // the triangle at 0 and 1
                ASSERT_EQ(PremiereDifference(rapide.SommeRangsSup, reference.SommeRangsSup), "")
                    << "signal " << int(signal) << " a = " << a << " RangMax = " << rangMax;
                for (float s : rapide.SommeRangsSup)
                    nonNuls += s != 0.0f;
                gardee = std::move(rapide.TableRangsSup);
            }
    EXPECT_GT(nonNuls, 1000);
}

// The tables below are laid out by hand, several rows a line.
// clang-format off
TEST(ArrondiDecimales, DemiAuPairSurLaValeurBinaireExacte) {
    const struct { double x; int decimales; double attendu; } cas[] = {
        {0.125, 2, 0.12}, {0.375, 2, 0.38}, {2.675, 2, 2.67}, {double(15.915f), 2, 15.91},
        {2.5, 0, 2.0}, {-7.5, 0, -8.0}, {-0.0004, 3, -0.0}};
    for (const auto& c : cas)
        EXPECT_EQ(Bits(ArrondiDecimales(c.x, c.decimales)), Bits(c.attendu)) << c.x;
}

TEST(ConversionsEntieres, BornesEtDepassement) {
    const struct { double x; int arrondi, plancher, arrondiBorne, plancherBorne; } cas[] = {
        {32767.0, 32767, 32767, 32767, 32767},    {-32768.0, -32768, -32768, -32768, -32768},
        {32768.0, Hors, Hors, 32767, 32767},      {-32769.0, Hors, Hors, -32768, -32768},
        {-32768.5, -32768, Hors, -32768, -32768}, {HUGE_VAL, Hors, Hors, 32767, 32767},
        {-7.5, -8, -8, -8, -8}, {2.5, 2, 2, 2, 2}, {-0.2, 0, -1, 0, -1}, {NAN, Hors, Hors, 0, 0}};
    for (const auto& c : cas) {
        EXPECT_EQ(OuHors([&] { return VersEntier16(c.x); }), c.arrondi) << c.x;
        EXPECT_EQ(OuHors([&] { return PlancherEntier16(c.x); }), c.plancher) << c.x;
        EXPECT_EQ(VersEntier16Borne(c.x), c.arrondiBorne) << c.x;
        EXPECT_EQ(PlancherEntier16Borne(c.x), c.plancherBorne) << c.x;
    }
}

TEST(TexteNombre, FormeLaPlusCourte) {
    const struct { double x; bool simple; const char* attendu; } cas[] = {
        {63.66f, 1, "63,66"}, {-0.0f, 1, "0"}, {0.1f, 1, "0,1"}, {3.14159274f, 1, "3,141593"},
        {1e7f, 1, "1E+07"}, {9999999.0f, 1, "9999999"}, {-0.0, 0, "0"}, {0.1 + 0.2, 0, "0,3"},
        {2.0 / 3, 0, "0,666666666666667"}, {1e15, 0, "1E+15"},
        // At 1e-4 the form changes on the shortest digits, not on the value (1e-4f is below).
        {1e-4f, 1, "0,0001"}, {1e-4, 0, "0,0001"}, {9.9999e-5, 0, "9,9999E-05"},
        {-0.00012f, 1, "-0,00012"}};
    for (const auto& c : cas)
        EXPECT_EQ(c.simple ? TexteNombre(float(c.x), ',') : TexteNombre(c.x, ','), c.attendu);
    EXPECT_EQ(TexteNombre(63.66, '.'), "63.66");
}

TEST(LitNombre, LectureStricteEtNombreDeTete) {
    constexpr auto C = Nature::Conversion, D = Nature::Depassement;
    // enTete: LitNombreEnTete, else LitNombre with a comma.
    const struct { bool enTete; const char* texte; double lu; std::optional<Nature> erreur{}; }
        cas[] = {
        {0, "0,5", 0.5}, {0, " 12 ", 12}, {0, "2,5E-1", 0.25}, {0, ",5", 0.5}, {0, "5,", 5},
        {0, "-1e-999999", -0.0}, {0, "0.5", 0, C}, {0, "", 0, C}, {0, "12abc", 0, C},
        {0, "nan", 0, C}, {0, "1e", 0, C}, {0, "1 2", 0, C}, {0, "1e309", 0, D},
        {1, "15.7", 15.7}, {1, "15,7", 15}, {1, "abc", 0}, {1, "  -25", -25}, {1, "1e3x", 1e3},
        {1, "7e+", 7}, {1, "9e999", 0, D},
        // An exponent near the 64-bit limits reads like any number out of range.
        {0, "9e9223372036854775807", 0, D}, {0, "0,0001e-9223372036854775808", 0},
        {0, "1e-99999999999999999999999", 0}, {1, "-9e9223372036854775807", 0, D}};
    for (const auto& c : cas) {
        double lu = 0.0;
        const auto erreur = NatureErreur([&] {
            lu = c.enTete ? LitNombreEnTete(c.texte) : LitNombre(c.texte, ','); });
        EXPECT_EQ(erreur, c.erreur) << '"' << c.texte << '"';
        EXPECT_EQ(Bits(lu), Bits(c.lu)) << '"' << c.texte << '"';
    }
    EXPECT_EQ(LitNombre("0.5", '.'), 0.5);
    EXPECT_EQ(NatureErreur([] { LitNombre("0,5", '.'); }), C);
}

TEST(Reglage, RapportCycliqueEnFractionOuAuPlancher) {
    // A fraction is scaled on its decimal digits: 0,29 x 100 in binary is 28.999999999999996.
    // Any number is also written floored. "": not a fraction.
    const struct { const char* texte; const char* fraction; const char* plancher; } cas[] = {
        {"0,29", "29", "0"}, {"0,57", "57", "0"}, {"0,004", "0", "0"}, {"2,9E-1", "29", "0"},
        {" +,07 ", "7", "0"}, {"12,9", "", "12"}, {"-3,2", "", "-4"}, {"-0", "", "0"}};
    for (const auto& c : cas) {
        EXPECT_EQ(TexteFractionEnPourcent(c.texte, ',').value_or(""), c.fraction) << c.texte;
        EXPECT_EQ(TextePlancher(c.texte, ','), c.plancher) << c.texte;
    }
    EXPECT_EQ(TexteFractionEnPourcent("0.29", '.'), "29");
    for (const char* t : {"", "0.5", "1e309", "nan"}) // no number: an error
        EXPECT_TRUE(NatureErreur([&] { TexteFractionEnPourcent(t, ','); }) &&
                    NatureErreur([&] { TextePlancher(t, ','); })) << t;
}

TEST(Reglage, ReponseDuDernierRang) {
    const struct { const char* reponse; int attendu; } cas[] = {
        {"2001", 2000}, {"2000", 2000}, {"-100000", 2000}, {"-32768", -32768},
        {"-32768.5", 2000}, {"15,7", 15}, {"-2.5", -3}, {"abc", 0}, {"1.5e3", 1500},
        {"9e9223372036854775807", 2000}, {"0.001e9223372036854775807", 2000},
        {"0.0001e-9223372036854775808", 0}, {"0e9223372036854775807", 0}};
    for (const auto& c : cas)
        EXPECT_EQ(LitRangMax(c.reponse), c.attendu) << '"' << c.reponse << '"';
}

TEST(Signaux, TextesDesCoefficients) {
    const struct { int signal; const char* rapport; int rang; const char* attendu; } cas[] = {
        {0, "50", 1, "0|63,66|63,66|90"},         {0, "50", 2, "0|0|0|0"},
        {0, "33", 2, "-13,44|24,44|27,89|118"},   {0, "33", 4, "7,2|11,35|13,44|57"},
        {1, "50", 3, "0|-4,5|4,5|-90"},           {1, "33", 4, "-0,8|-1,26|1,5|-123"},
        {1, "33", 5, "0,7|-1,38|1,55|-63"},       {2, "100", 2, "0|-15,91|15,91|-90"},
        {2, "90", 1, "-10,75|-33,09|34,79|-108"}, {2, "90", 4, "-6,36|-2,07|6,69|-162"}};
    for (const auto& c : cas)
        EXPECT_EQ(Calcule(c.signal, c.rapport).textes[c.rang], c.attendu)
            << c.signal << " " << c.rapport << " % " << c.rang;
    // The "0" of A at 50 % comes from a tiny negative value: a negative zero.
    EXPECT_TRUE(std::signbit(CalculeCoefficients(Signal::Rectangulaire, 0.5f, Pi, 1).A));
}

TEST(Signaux, ValeursStockees) {
    EXPECT_EQ(Calcule(0, "50").etat.Harmonique[25][1], 63.662f);
    EXPECT_EQ(CalculeCoefficientsSup(Signal::DentsDeScie, 0.0f, Pi, 11).B, 2.894f);
    EXPECT_EQ(CalculeCoefficientsSup(Signal::DentsDeScie, 1.0f, Pi, 11).B, -2.894f);
    EXPECT_EQ(CalculeCoefficientsSup(Signal::DentsDeScie, 0.001f, Pi, 11).B, 3.0f); // whole %
    EXPECT_EQ(NatureErreur([] { LitRapportCyclique("1e41", ','); }), Nature::Depassement);
    EXPECT_EQ(PhaseRang(-3.0f, -0.0f), 180); // A < 0 and a negative zero B counts as B >= 0
}

TEST(Signaux, AuxBornesToutNulOuRienDEcrit) {
    // Rectangle at 0 and 100: forty "0" boxes and zero tables. Triangle there: a division by
    // zero before anything is shown or written. No signal selected: nothing at all.
    const auto zero = Nature::DivisionParZero;
    const struct { int index; const char* rapport; std::optional<Nature> erreur; float tables; }
        cas[] = {{0, "0", {}, 0.0f}, {0, "100", {}, 0.0f}, {1, "0", zero, Sentinelle},
                 {1, "100", zero, Sentinelle}, {-1, "50", {}, Sentinelle}};
    for (const auto& c : cas) {
        const Calcul r = Calcule(c.index, c.rapport);
        EXPECT_EQ(r.erreur, c.erreur) << c.index << " " << c.rapport;
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(r.textes[n], c.tables == 0.0f ? "0|0|0|0" : "") << c.rapport << " " << n;
        for (const auto& ligne : r.etat.Harmonique) // columns 1 to 10
            ASSERT_EQ(std::count(&ligne[1], ligne.end(), c.tables), 10) << c.rapport;
        EXPECT_EQ(std::ranges::count(r.etat.SommeRangsSup, c.tables), NombrePoints) << c.rapport;
    }
}

TEST(Signaux, FormulesContreIntegrationDeLaFormeDOnde) {
    const struct { Signal signal; std::vector<double> rapports; Sommets (*f)(double a); } cas[] = {
        // High during the first fraction a of the period, 100 above the low level.
        {Signal::Rectangulaire, {0, 0.25, 0.33, 0.5, 0.7, 1},
         [](double a) { return Sommets{{0, 100}, {a, 100}, {a, 0}, {1, 0}}; }},
        // Up to +50 at a/2, back to 0 at a, down to -50 at (1 + a)/2, back to 0 at 1.
        {Signal::Triangulaire, {0.25, 0.33, 0.5, 0.8},
         [](double a) { return Sommets{{0, 0}, {a / 2, 50}, {a, 0}, {(1 + a) / 2, -50}, {1, 0}}; }},
        // Rises from 0 to 100 until a, falls back to 0 at 1 (ramps alone at 0 and 1).
        {Signal::DentsDeScie, {0, 0.1, 0.33, 0.5, 0.9, 1},
         [](double a) { return Sommets{{0, 0}, {a, 100}, {1, 0}}; }}};
    for (const auto& c : cas)
        for (double a : c.rapports)
            for (std::int16_t n = 1; n <= 10; ++n) {
                SCOPED_TRACE(testing::Message() << int(c.signal) << " a = " << a << " rank " << n);
                const CoefficientsAB calcule = CalculeCoefficients(c.signal, float(a), Pi, n);
                // Rounding to 3 decimals, and the single-precision duty cycle and Pi.
                EXPECT_NEAR(calcule.A, Coefficient(c.f(a), n).real(), 1e-3);
                EXPECT_NEAR(calcule.B, Coefficient(c.f(a), n).imag(), 1e-3);
            }
}


// A double beyond the single range was converted before it was checked. What rounds to the
// largest float is stored as it; from half a unit above, the store overflows.
TEST(DoubleHorsDomaineSimpleConvertiAvantLeControle, ComparaisonAuPlusGrandFlottant) {
    const double moitieAuDessus = 0x1.ffffffp127; // FLT_MAX + half its last unit
    const struct { double x; std::optional<float> stocke; } cas[] = {
        {FLT_MAX, FLT_MAX},   {std::nextafter(moitieAuDessus, 0.0), FLT_MAX},
        {moitieAuDessus, {}}, {-moitieAuDessus, {}}, {DBL_MAX, {}}, {-HUGE_VAL, {}}, {NAN, {}},
        {-1e-50, -0.0f}, {0x1p-149, 0x1p-149f}, {0.1, 0.1f},
        {-0x1.000783p-127, -0x1.000784p-127f}}; // a subnormal rounded up, not cut
    for (const auto& c : cas) {
        float stocke = 0.0f;
        const auto erreur = NatureErreur([&] { stocke = VersSimple(c.x); });
        EXPECT_EQ(erreur, c.stocke ? std::nullopt : std::optional(Nature::Depassement)) << c.x;
        EXPECT_TRUE(!c.stocke || Bits(stocke) == Bits(*c.stocke)) << c.x;
    }
}

// The fraction rule works on the digits of the text, wherever its point and exponent sit.
TEST(Reglage, FractionSurLesChiffresDuTexte) {
    const struct { const char* texte; const char* confirme; } cas[] = {
        {"29e-2", "29"}, {"0,0029e2", "29"}, {"000,29000", "29"}, {"+0,2999999", "29"},
        {"0,00999", "0"}, {"0,999999999999999", "99"}, {"9,99e-3", "0"}, {" \t0,5 ", "50"},
        {"0,1e1", "1"}, {"-0,5", "-1"}, {"1e-330", "0"},
        {"0,99999999999999999999", "1"}, // reads as 1: no fraction
        {"9e9223372036854775807", "!"}, {"-9e9223372036854775807", "!"},
        {"0,0001e-9223372036854775808", "0"}};
    for (const auto& c : cas)
        EXPECT_EQ(TexteConfirme(c.texte), c.confirme) << c.texte;
}
// clang-format on
