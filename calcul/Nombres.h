// Number rules shared by every routine: rounding, checked conversions to 16-bit integers and
// to single precision, checked division, the text of a number and the reading of a number.
// One rule, one function; nothing else in the program rounds or formats numbers its own way.
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Calcul_Graphe {

// A run-time error of the computation, carrying its kind. Raised by the checked conversions
// below and caught only by the handlers that react to it.
class ErreurExecution : public std::runtime_error {
public:
    enum class Nature { Conversion, Depassement, DivisionParZero };
    ErreurExecution(Nature nature, const std::string& message)
        : std::runtime_error(message), nature_(nature) {}
    Nature nature() const noexcept { return nature_; }

private:
    Nature nature_;
};

// x rounded half to even to `decimales` decimal places, worked on the exact binary value of x
// (0.125 -> 0.12; 15.91499996 -> 15.91). decimales from 0 to 15.
double ArrondiDecimales(double x, int decimales);

// Nearest 16-bit integer, halves to even (-7.5 -> -8, 2.5 -> 2). Overflow error outside
// -32768..32767 after rounding, and for NaN.
std::int16_t VersEntier16(double x);

// Nearest 32-bit integer, halves to even, for page sizes beyond the 16-bit range. Overflow
// error outside the 32-bit range after rounding, and for NaN.
inline std::int32_t VersEntier32(double x) {
    const double r = std::nearbyint(x); // default rounding mode: halves to even
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw ErreurExecution(ErreurExecution::Nature::Depassement, "Dépassement de capacité");
    return static_cast<std::int32_t>(r);
}

// Largest integer not above x, as a 16-bit integer; overflow error outside the range.
std::int16_t PlancherEntier16(double x);

// Nearest 16-bit integer, halves to even, clipped to -32768..32767 instead of failing
// (NaN gives 0). For drawing coordinates and sums, which must never stop the drawing.
std::int16_t VersEntier16Borne(double x);

// Largest integer not above x, clipped to the 16-bit range (NaN gives 0).
std::int16_t PlancherEntier16Borne(double x);

// x stored in single precision (nearest float); overflow error when |x| exceeds the largest
// float after rounding, or x is NaN or infinite.
float VersSimple(double x);

// a / b; division-by-zero error when b is zero.
double Divise(double a, double b);

// Shortest decimal text of x that reads back to the same value at 7 (single) or 15 (double)
// significant digits: no exponent for ordinary magnitudes, no trailing zeros, the given
// decimal separator, a leading '-' when negative, "0" for a negative zero. Magnitudes from
// 10^7 (single) or 10^15 (double) up, or below 10^-4, take a power of ten: "1E+07", "1,5E-05".
std::string TexteNombre(float x, char separateur);
std::string TexteNombre(double x, char separateur);
// A whole number as the program writes it in its texts (the amplitudes of the sliders).
inline std::string TexteEntier(int valeur, char separateur) {
    return TexteNombre(static_cast<double>(valeur), separateur);
}

// A number text taken apart: its sign, its significant digits (leading zeros dropped, empty for
// a zero) and the place of its decimal point, so that the value is 0.chiffres x 10^puissance.
// An exponent too large for any integer saturates: puissance stays far beyond the double range
// in the same direction, never wraps.
struct EcritureDecimale {
    bool negatif = false;
    std::string chiffres;
    long long puissance = 0;
};

// Strict reading of a whole text as a number with the given decimal separator. Accepts
// blanks around the number, a sign, digits with at most one separator, an exponent
// ("1e3", "2,5E-1"). Conversion error for an empty text, letters, the other separator,
// "nan", "inf", hexadecimal.
EcritureDecimale DecomposeNombre(std::string_view texte, char separateur);

// The double nearest to a decimal writing. Overflow error for a magnitude beyond the double
// range ("1e309", "9e9223372036854775807"); a magnitude below the smallest double reads as a
// zero of the same sign ("1e-400").
double ValeurDecimale(const EcritureDecimale& ecriture);

// The value of the strict reading above: ValeurDecimale(DecomposeNombre(texte, separateur)).
double LitNombre(std::string_view texte, char separateur);

// Reading of the last-rank answer: the longest leading number of the text, blanks skipped
// first, '.' as separator, whatever follows ignored ("15.7" -> 15.7, "15,7" -> 15,
// "12abc" -> 12, "abc" and "" -> 0): optional sign, digits, optional point and digits,
// optional exponent. A magnitude beyond the double range is an overflow error.
double LitNombreEnTete(std::string_view texte);

} // namespace Calcul_Graphe
