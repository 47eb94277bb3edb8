#include "calcul/Son.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <numbers>
#include <utility>

namespace Calcul_Graphe {

namespace {

// Peak of every configuration: -6 dBFS.
const double Crete = std::pow(10.0, -6.0 / 20.0);

using Complexe = std::complex<double>;

// a x b without the checks for infinities of std::complex's operator (ten times slower).
Complexe Produit(Complexe a, Complexe b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// x[j] = sum over k of X[k] exp(+2 pi i k j / N), in place; N a power of two.
void TransformeeInverse(std::vector<Complexe>& x) {
    const std::size_t n = x.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(x[i], x[j]);
    }
    // The roots of unity of the last size asked for, kept: they cost as much as the rest.
    static thread_local std::vector<Complexe> racines;
    if (racines.size() != n / 2) {
        racines.resize(n / 2);
        for (std::size_t k = 0; k < n / 2; ++k)
            racines[k] = std::polar(1.0, 2.0 * std::numbers::pi * static_cast<double>(k) /
                                             static_cast<double>(n));
    }
    for (std::size_t longueur = 2; longueur <= n; longueur <<= 1) {
        const std::size_t moitie = longueur / 2, pas = n / longueur;
        for (std::size_t debut = 0; debut < n; debut += longueur)
            for (std::size_t j = 0; j < moitie; ++j) {
                const Complexe u = x[debut + j];
                const Complexe v = Produit(x[debut + j + moitie], racines[j * pas]);
                x[debut + j] = u + v;
                x[debut + j + moitie] = u - v;
            }
    }
}

// The period read at `phase` (0 to 1), linearly between its points; silence when empty.
float LitPeriode(const std::vector<float>& periode, double phase) {
    if (periode.empty()) return 0.0f;
    const std::size_t n = periode.size() - 1;
    const double x = phase * static_cast<double>(n);
    const std::size_t i = std::min(static_cast<std::size_t>(x), n - 1);
    const auto f = static_cast<float>(x - static_cast<double>(i));
    return periode[i] + f * (periode[i + 1] - periode[i]);
}

} // namespace

std::vector<Partiel> SpectreSignal(const Etat& etat) {
    std::vector<Partiel> spectre;
    for (int n = 1; n < NombreRangs; ++n) {
        if (etat.Validation[n] == 0) continue;
        const CoefficientsAB c = etat.CoefficientsColonne[n];
        spectre.push_back({n, etat.Validation[n] * double{c.A}, etat.Validation[n] * double{c.B}});
    }
    if (etat.ModeChoixSignal != Faux && etat.RangsSupActifs != Faux)
        for (const TermeRang& t : etat.TermesRangsSup)
            spectre.push_back({t.k, t.A, t.B});
    return spectre;
}

std::vector<float> PeriodeBornee(std::span<const Partiel> spectre, double frequence,
                                 int echantillonnage) {
    const double nyquist = echantillonnage / 2.0;
    const auto garde = [&](const Partiel& p) {
        return p.rang >= 1 && p.rang * frequence < nyquist && (p.A != 0.0 || p.B != 0.0);
    };
    int rangHaut = 0;
    for (const Partiel& p : spectre)
        if (garde(p)) rangHaut = std::max(rangHaut, p.rang);
    if (rangHaut == 0) return {};

    const std::size_t n = std::bit_ceil(std::max<std::size_t>(1024, 8 * std::size_t(rangHaut)));
    // The real period from half as many complex points: z[m] = x[2m] + i x[2m + 1] is the
    // transform of E + iO, E and O the spectra of the even and odd points, built from the
    // hermitian spectrum H (H[k] = (A - iB) / 2 at each rank k, its conjugate at N - k).
    const std::size_t moitie = n / 2;
    std::vector<Complexe> h(n), z(moitie);
    for (const Partiel& p : spectre) {
        if (!garde(p)) continue;
        const auto k = static_cast<std::size_t>(p.rang);
        h[k] += Complexe(p.A, -p.B) / 2.0;
        h[n - k] += Complexe(p.A, p.B) / 2.0;
    }
    for (std::size_t k = 0; k < moitie; ++k) {
        const Complexe pair = h[k] + h[k + moitie], impair = h[k] - h[k + moitie];
        if (impair == Complexe{}) {
            z[k] = pair;
            continue;
        }
        const Complexe o =
            Produit(impair, std::polar(1.0, 2.0 * std::numbers::pi * double(k) / double(n)));
        z[k] = pair + Complexe(-o.imag(), o.real());
    }
    TransformeeInverse(z);
    std::vector<double> x(n);
    for (std::size_t m = 0; m < moitie; ++m) {
        x[2 * m] = z[m].real();
        x[2 * m + 1] = z[m].imag();
    }

    double crete = 0.0;
    for (const double v : x)
        crete = std::max(crete, std::fabs(v));
    if (!(crete > 0.0)) return {};
    const double gain = Crete / crete;
    std::vector<float> periode(n + 1);
    for (std::size_t j = 0; j < n; ++j)
        periode[j] = static_cast<float>(x[j] * gain);
    periode[n] = periode[0];
    return periode;
}

GenerateurSon::GenerateurSon(int echantillonnage)
    : echantillonnage_(echantillonnage),
      dureeGlissement_(
          std::max(1, static_cast<int>(std::lround(DureeGlissementSon * echantillonnage)))) {}

void GenerateurSon::DefinitSpectre(std::vector<Partiel> spectre) {
    const auto egaux = [](const Partiel& a, const Partiel& b) {
        return a.rang == b.rang && a.A == b.A && a.B == b.B;
    };
    if (std::equal(spectre.begin(), spectre.end(), spectre_.begin(), spectre_.end(), egaux))
        return; // a redraw that changes nothing costs nothing
    spectre_ = std::move(spectre);
    Reconstruit();
}

void GenerateurSon::DefinitFrequence(double frequence) {
    frequence = std::clamp(frequence, FrequenceFondamentalMin, FrequenceFondamentalMax);
    if (frequence == frequence_ || std::isnan(frequence)) return;
    frequence_ = frequence;
    Reconstruit();
}

void GenerateurSon::Reconstruit() {
    std::vector<float> nouvelle = PeriodeBornee(spectre_, frequence_, echantillonnage_);
    if (glissement_ > 0) {
        // What is heard now becomes the sound faded out, so nothing jumps.
        const double poids = double(glissement_) / dureeGlissement_;
        const std::size_t n = std::max(periode_.size(), precedente_.size());
        std::vector<float> melange(n);
        for (std::size_t j = 0; j < n; ++j) {
            const double phase = double(j) / double(n - 1);
            melange[j] = static_cast<float>(poids * LitPeriode(precedente_, phase) +
                                            (1.0 - poids) * LitPeriode(periode_, phase));
        }
        precedente_ = std::move(melange);
    } else {
        precedente_ = std::move(periode_);
    }
    periode_ = std::move(nouvelle);
    glissement_ = precedente_.empty() && periode_.empty() ? 0 : dureeGlissement_;
}

void GenerateurSon::Produit(std::span<std::int16_t> sortie) {
    const double pas = frequence_ / echantillonnage_;
    for (std::int16_t& echantillon : sortie) {
        double v = LitPeriode(periode_, phase_);
        if (glissement_ > 0) {
            const double poids = double(glissement_) / dureeGlissement_;
            v = poids * LitPeriode(precedente_, phase_) + (1.0 - poids) * v;
            if (--glissement_ == 0) precedente_.clear();
        }
        echantillon = static_cast<std::int16_t>(std::lround(v * 32767.0));
        phase_ += pas;
        phase_ -= std::floor(phase_);
    }
}

std::vector<std::int16_t> GenereSon(std::span<const Partiel> spectre, double frequence,
                                    double secondes, int echantillonnage) {
    GenerateurSon generateur(echantillonnage);
    generateur.DefinitFrequence(frequence);
    generateur.DefinitSpectre({spectre.begin(), spectre.end()});
    std::vector<std::int16_t> son(
        static_cast<std::size_t>(std::lround(secondes * echantillonnage)));
    const std::size_t fin =
        son.size() - std::min(son.size(), static_cast<std::size_t>(
                                              std::lround(DureeGlissementSon * echantillonnage)));
    generateur.Produit(std::span(son).first(fin));
    generateur.DefinitSpectre({});
    generateur.Produit(std::span(son).subspan(fin));
    return son;
}

std::string FichierWav(std::span<const std::int16_t> echantillons, int echantillonnage) {
    std::string fichier;
    const auto ajoute = [&fichier](std::uint32_t valeur, int octets) {
        for (int i = 0; i < octets; ++i)
            fichier.push_back(static_cast<char>((valeur >> (8 * i)) & 0xFF));
    };
    const auto donnees = static_cast<std::uint32_t>(echantillons.size() * 2);
    const auto frequence = static_cast<std::uint32_t>(echantillonnage);
    fichier += "RIFF";
    ajoute(36 + donnees, 4);
    fichier += "WAVEfmt ";
    ajoute(16, 4);            // size of the format block
    ajoute(1, 2);             // PCM
    ajoute(1, 2);             // mono
    ajoute(frequence, 4);     // samples per second
    ajoute(frequence * 2, 4); // bytes per second
    ajoute(2, 2);             // bytes per sample
    ajoute(16, 2);            // bits per sample
    fichier += "data";
    ajoute(donnees, 4);
    for (const std::int16_t e : echantillons)
        ajoute(static_cast<std::uint16_t>(e), 2);
    return fichier;
}

} // namespace Calcul_Graphe
