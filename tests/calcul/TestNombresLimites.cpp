// Numbers at the edges of their ranges: exponents too large for any integer, doubles beyond the
// single range, and the decimal digits of a text. The regression tests are named after the
// fault they caught.
#include "NatureErreur.h"
#include "calcul/Nombres.h"
#include "calcul/Reglage.h"
#include "calcul/Signaux.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <optional>
#include <string>

using namespace Calcul_Graphe;

namespace {

// The outcome of the confirmed duty-cycle rewriting, as the box would show it: "!" when it fails.
std::string TexteConfirme(const std::string& texte) {
    try {
        return TextePlancher(TexteFractionEnPourcent(texte, ',').value_or(texte), ',');
    } catch (const ErreurExecution&) {
        return "!";
    }
}

std::string PointPourVirgule(std::string texte) {
    for (char& c : texte)
        if (c == ',') c = '.';
    return texte;
}

} // namespace

// The decimal place of the first digit plus an exponent near the 64-bit limits overflowed the
// integer: the largest numbers read as zero and the smallest as too large.
// clang-format off
TEST(DepassementSigneDeLExposantEnorme, LuCommeToutNombreHorsDomaine) {
    // The texts carry the comma of the duty-cycle box; the last-rank answer gets the point.
    const struct { const char* texte; int rangMax; const char* confirme; } cas[] = {
        {"9e9223372036854775807", 2000, "!"},          {"-9e9223372036854775807", 2000, "!"},
        {"0,001e9223372036854775807", 2000, "!"},      {"0,0001e-9223372036854775808", 0, "0"},
        {"1e-99999999999999999999999", 0, "0"},        {"0e9223372036854775807", 0, "0"},
        {"  5e9223372036854775807xyz", 2000, "!"}};
    for (const auto& c : cas) {
        EXPECT_EQ(LitRangMax(PointPourVirgule(c.texte)), c.rangMax) << c.texte;
        if (std::string(c.texte).find('x') == std::string::npos) {
            EXPECT_EQ(TexteConfirme(c.texte), c.confirme) << c.texte;
        }
    }
    // The reading of the signal's duty cycle fails the same way as for 1e309.
    EXPECT_EQ(NatureErreur([] { LitRapportCyclique("9e9223372036854775807", ','); }),
              Nature::Depassement);
    EXPECT_EQ(LitRapportCyclique("0,0001e-9223372036854775808", ','), 0.0f);
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
        if (c.stocke) {
            EXPECT_EQ(std::bit_cast<std::uint32_t>(stocke), std::bit_cast<std::uint32_t>(*c.stocke))
                << c.x;
        }
    }
}

// The fraction rule works on the digits of the text, wherever its point and exponent sit.
TEST(Reglage, FractionSurLesChiffresDuTexte) {
    const struct { const char* texte; const char* confirme; } cas[] = {
        {"29e-2", "29"}, {"0,0029e2", "29"}, {"000,29000", "29"}, {"+0,2999999", "29"},
        {"0,00999", "0"}, {"0,999999999999999", "99"}, {"9,99e-3", "0"}, {" \t0,5 ", "50"},
        {"0,1e1", "1"}, {"-0,5", "-1"}, {"1e-330", "0"},
        {"0,99999999999999999999", "1"}}; // reads as 1: no fraction
    for (const auto& c : cas)
        EXPECT_EQ(TexteConfirme(c.texte), c.confirme) << c.texte;
}
// clang-format on
