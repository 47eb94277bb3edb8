#include "calcul/Nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace Calcul_Graphe;
using Nature = ErreurExecution::Nature;

namespace {

// Runs f and gives the kind of error it raised, or nothing.
template <typename F> std::optional<Nature> NatureErreur(F&& f) {
    try {
        f();
    } catch (const ErreurExecution& e) {
        return e.nature();
    }
    return std::nullopt;
}

} // namespace

TEST(ArrondiDecimales, DemiAuPairSurLaValeurBinaireExacte) {
    struct Cas {
        const char* nom;
        double x;
        int decimales;
        double attendu;
    };
    const Cas cas[] = {
        {"egalite exacte vers le bas", 0.125, 2, 0.12},
        {"egalite exacte vers le haut", 0.375, 2, 0.38},
        {"egalite negative", -0.125, 2, -0.12},
        {"flottant juste sous la moitie", double(15.915f), 2, 15.91},
        {"double 2.675 stocke sous la moitie", 2.675, 2, 2.67},
        {"zero decimale pair", 2.5, 0, 2.0},
        {"zero decimale impair", 3.5, 0, 4.0},
        {"zero decimale negatif", -7.5, 0, -8.0},
        {"trois decimales", 63.66197723675813, 3, 63.662},
        {"grand nombre intact", 1e300, 3, 1e300},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ArrondiDecimales(c.x, c.decimales), c.attendu) << c.nom;
}

TEST(ArrondiDecimales, PetitNegatifDonneZeroNegatif) {
    const double r = ArrondiDecimales(-0.0004, 3);
    EXPECT_EQ(r, 0.0);
    EXPECT_TRUE(std::signbit(r));
}

TEST(ConversionsEntieres, BornesEtDepassement) {
    struct Cas {
        const char* nom;
        double x;
        std::optional<std::int16_t> arrondi, plancher; // nothing: overflow
        std::int16_t arrondiBorne, plancherBorne;
    };
    const Cas cas[] = {
        {"haut", 32767.0, 32767, 32767, 32767, 32767},
        {"bas", -32768.0, -32768, -32768, -32768, -32768},
        {"un au-dela en haut", 32768.0, {}, {}, 32767, 32767},
        {"un au-dela en bas", -32769.0, {}, {}, -32768, -32768},
        {"demi sous le bas", -32768.5, -32768, {}, -32768, -32768},
        {"demi sur le haut", 32767.5, {}, 32767, 32767, 32767},
        {"demi au pair", -7.5, -8, -8, -8, -8},
        {"plancher de 33.3", 33.3, 33, 33, 33, 33},
        {"plancher negatif", -0.2, 0, -1, 0, -1},
        {"NaN", std::nan(""), {}, {}, 0, 0},
        {"infini", std::numeric_limits<double>::infinity(), {}, {}, 32767, 32767},
    };
    for (const auto& c : cas) {
        if (c.arrondi)
            EXPECT_EQ(VersEntier16(c.x), *c.arrondi) << c.nom;
        else
            EXPECT_EQ(NatureErreur([&] { VersEntier16(c.x); }), Nature::Depassement) << c.nom;
        if (c.plancher)
            EXPECT_EQ(PlancherEntier16(c.x), *c.plancher) << c.nom;
        else
            EXPECT_EQ(NatureErreur([&] { PlancherEntier16(c.x); }), Nature::Depassement) << c.nom;
        EXPECT_EQ(VersEntier16Borne(c.x), c.arrondiBorne) << c.nom;
        EXPECT_EQ(PlancherEntier16Borne(c.x), c.plancherBorne) << c.nom;
    }
}

TEST(VersSimple, DepassementAuDelaDuPlusGrandFlottant) {
    const double plusGrand = std::numeric_limits<float>::max();
    EXPECT_EQ(VersSimple(plusGrand), std::numeric_limits<float>::max());
    EXPECT_EQ(VersSimple(0.1), 0.1f);
    EXPECT_EQ(VersSimple(-1e-50), 0.0f);
    for (double x : {plusGrand * 1.0000001, -plusGrand * 2, std::nan(""),
                     std::numeric_limits<double>::infinity()})
        EXPECT_EQ(NatureErreur([&] { VersSimple(x); }), Nature::Depassement) << x;
}

TEST(Divise, DivisionParZero) {
    EXPECT_EQ(Divise(1.0, 4.0), 0.25);
    EXPECT_EQ(NatureErreur([] { Divise(1.0, 0.0); }), Nature::DivisionParZero);
    EXPECT_EQ(NatureErreur([] { Divise(1.0, -0.0); }), Nature::DivisionParZero);
}

TEST(TexteNombre, FormeLaPlusCourte) {
    struct CasSimple {
        float x;
        const char* attendu;
    };
    const CasSimple simples[] = {
        {63.66f, "63,66"},
        {9.1f, "9,1"},
        {90.0f, "90"},
        {-13.44f, "-13,44"},
        {-0.0f, "0"},
        {0.0f, "0"},
        {63.662f, "63,662"},
        {15.915f, "15,915"},
        {0.1f, "0,1"},
        {3.14159274f, "3,141593"},
        {1234567.0f, "1234567"},
        {1e7f, "1E+07"},
        {0.0001f, "0,0001"},
        {1.5e-5f, "1,5E-05"},
        {-2.5f, "-2,5"},
    };
    for (const auto& c : simples)
        EXPECT_EQ(TexteNombre(c.x, ','), c.attendu) << c.attendu;

    struct CasDouble {
        double x;
        const char* attendu;
    };
    const CasDouble doubles[] = {
        {63.66, "63,66"},
        {54.8, "54,8"},
        {-0.0, "0"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-7.2, "-7,2"},
    };
    for (const auto& c : doubles)
        EXPECT_EQ(TexteNombre(c.x, ','), c.attendu) << c.attendu;

    EXPECT_EQ(TexteNombre(63.66, '.'), "63.66");
}

TEST(LitNombre, LectureStricte) {
    struct Cas {
        const char* texte;
        std::optional<double> attendu; // nothing: conversion error
    };
    const Cas cas[] = {
        {"0,5", 0.5},     {" 12 ", 12.0}, {"+3", 3.0},  {"-3,2", -3.2}, {"1e3", 1000.0},
        {"2,5E-1", 0.25}, {",5", 0.5},    {"5,", 5.0},  {"\t7", 7.0},   {"1e-400", 0.0},
        {"0.5", {}},      {"", {}},       {"   ", {}},  {"abc", {}},    {"12abc", {}},
        {"nan", {}},      {"inf", {}},    {"0x1A", {}}, {"50 %", {}},   {"1,2,3", {}},
        {"-", {}},        {",", {}},      {"1e", {}},   {"1 2", {}},    {"--1", {}},
    };
    for (const auto& c : cas) {
        if (c.attendu)
            EXPECT_EQ(LitNombre(c.texte, ','), *c.attendu) << '"' << c.texte << '"';
        else
            EXPECT_EQ(NatureErreur([&] { LitNombre(c.texte, ','); }), Nature::Conversion)
                << '"' << c.texte << '"';
    }
    EXPECT_EQ(LitNombre("0.5", '.'), 0.5);
    EXPECT_EQ(NatureErreur([] { LitNombre("0,5", '.'); }), Nature::Conversion);
    for (const char* texte : {"1e309", "-1e309", "1e99999999999999999999"})
        EXPECT_EQ(NatureErreur([&] { LitNombre(texte, ','); }), Nature::Depassement) << texte;
    EXPECT_TRUE(std::signbit(LitNombre("-1e-99999999999999999999", ',')));
}

TEST(LitNombreEnTete, NombreDeTete) {
    struct Cas {
        const char* texte;
        double attendu;
    };
    const Cas cas[] = {
        {"15.7", 15.7},     {"15,7", 15.0}, {"12abc", 12.0},
        {"abc", 0.0},       {"", 0.0},      {"-100000", -100000.0},
        {"  2500", 2500.0}, {"2,5", 2.0},   {"1e3x", 1000.0},
        {"12e", 12.0},      {"7e+", 7.0},   {".5", 0.5},
        {"-", 0.0},         {"+8", 8.0},    {"1 2", 1.0},
        {"1e-999", 0.0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(LitNombreEnTete(c.texte), c.attendu) << '"' << c.texte << '"';
    EXPECT_EQ(NatureErreur([] { LitNombreEnTete("9e999"); }), Nature::Depassement);
}
