// Shared by the fuzz targets: the outcome of a call that may fail, and the stop that reports a
// broken property with the input that broke it (libFuzzer then saves that input).
#pragma once

#include "calcul/Nombres.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace Fuzz {

using Nature = Calcul_Graphe::ErreurExecution::Nature;

// A value or the kind of error raised instead.
template <typename T> struct Resultat {
    std::optional<Nature> erreur;
    T valeur{};
};

template <typename F> auto Essaie(F&& f) -> Resultat<decltype(f())> try {
    return {std::nullopt, f()};
} catch (const Calcul_Graphe::ErreurExecution& e) {
    return {e.nature(), {}};
}

inline std::string Visible(std::string_view texte) {
    std::string s;
    for (const unsigned char c : texte) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            s += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            s += code;
        }
    }
    return s;
}

inline std::string Hex(double x) {
    char t[64];
    std::snprintf(t, sizeof t, "%a", x);
    return t;
}

[[noreturn]] inline void Echec(const char* propriete, std::string_view entree,
                               const std::string& detail) {
    std::fprintf(stderr, "\nPROPRIETE VIOLEE: %s\n  entree: \"%s\"\n  %s\n", propriete,
                 Visible(entree).c_str(), detail.c_str());
    std::abort();
}

#define VERIFIE(condition, entree, detail)                                                         \
    do {                                                                                           \
        if (!(condition)) ::Fuzz::Echec(#condition, (entree), (detail));                           \
    } while (0)

// The C library's reading of a text in the "C" locale (point separator): the value, how many
// characters it took, and whether it overflowed.
struct LectureC {
    double valeur = 0.0;
    std::size_t longueur = 0;
    bool depassement = false;
};

inline LectureC LitAvecStrtod(const std::string& texte) {
    LectureC r;
    char* fin = nullptr;
    errno = 0;
    r.valeur = std::strtod(texte.c_str(), &fin);
    r.longueur = static_cast<std::size_t>(fin - texte.c_str());
    r.depassement = errno == ERANGE && (r.valeur == HUGE_VAL || r.valeur == -HUGE_VAL);
    return r;
}

inline std::uint64_t Bits(double x) {
    std::uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// The first bytes of the input as a value of T, zeros where the input is shorter.
template <typename T> T Valeur(const std::uint8_t* donnees, std::size_t taille) {
    unsigned char octets[sizeof(T)] = {};
    std::memcpy(octets, donnees, taille < sizeof(T) ? taille : sizeof(T));
    T x;
    std::memcpy(&x, octets, sizeof x);
    return x;
}

} // namespace Fuzz
