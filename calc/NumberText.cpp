#include "calc/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

// ---------------------------------------------------------------------------------------------
// Parsing
// ---------------------------------------------------------------------------------------------

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Significant digits kept for the conversion. Every double and every midpoint between two
// neighbouring doubles has at most 767 significant decimal digits, so the first 800 digits
// plus one "sticky" digit standing for everything dropped after them round exactly as the
// whole digit string does.
constexpr std::size_t kMaxSignificantDigits = 800;

// An explicit exponent is read up to this magnitude; anything beyond already gives
// infinity or zero for any mantissa that the digit limit lets through.
constexpr std::int64_t kExponentSaturation = 1'000'000'000;

// ---------------------------------------------------------------------------------------------
// Formatting
// ---------------------------------------------------------------------------------------------

constexpr int kSignificantDigits = 17;
constexpr int kMaxDecimals = 17;
// Significant digits of the exact decimal expansion of any double: at most 767.
constexpr int kExactPrecision = 766; // digits after the point in scientific notation

// The first `count` significant digits of a positive finite double in scientific notation,
// with the decimal exponent of the first digit: digits d0 d1 ... as d0.d1... x 10^exponent.
// Uses std::to_chars, which writes the correctly rounded digits of the exact value.
int ScientificDigits(double magnitude, int precision, char* buffer, std::size_t size,
                     char* digits) {
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + size, magnitude, std::chars_format::scientific, precision);
    // Form: d.ddd...e[+-]xx (precision > 0).
    digits[0] = buffer[0];
    std::memcpy(digits + 1, buffer + 2, static_cast<std::size_t>(precision));
    const char* e = buffer + 2 + precision; // 'e', then always a sign, then digits
    int exponent = 0;
    std::from_chars(e + 2, r.ptr, exponent);
    return e[1] == '-' ? -exponent : exponent;
}

// Rounds a positive finite double to 17 significant digits, half away from zero, from its
// exact decimal value. Writes the 17 digits and returns the decimal exponent of the first.
int RoundToSignificant(double magnitude, char (&out)[kSignificantDigits]) {
    // 25 correctly rounded digits decide every case but one: when digits 18 to 25 read
    // 50000000, the exact tail may lie on either side of, or exactly at, the half.
    constexpr int kQuickPrecision = 24;
    char buffer[64];
    char digits[kQuickPrecision + 1];
    int exponent = ScientificDigits(magnitude, kQuickPrecision, buffer, sizeof buffer, digits);
    const char* tail = digits + kSignificantDigits;
    const int tailLength = kQuickPrecision + 1 - kSignificantDigits;
    int compare = std::memcmp(tail, "50000000", static_cast<std::size_t>(tailLength));
    std::memcpy(out, digits, kSignificantDigits);

    if (compare == 0) {
        // Look at every digit of the exact value (at most 767 significant digits).
        char exact[kExactPrecision + 40];
        char exactDigits[kExactPrecision + 1];
        exponent = ScientificDigits(magnitude, kExactPrecision, exact, sizeof exact, exactDigits);
        std::memcpy(out, exactDigits, kSignificantDigits);
        // The exact tail is at least one half exactly when its first digit is 5 or more.
        compare = exactDigits[kSignificantDigits] >= '5' ? 0 : -1;
    }
    // A tail of 8 digits that rounded up into the 17th digit reads 00000000 and needs
    // nothing more: the carried digits are the value rounded up, as half away wants.
    if (compare >= 0) {
        int i = kSignificantDigits - 1;
        while (i >= 0 && out[i] == '9') {
            out[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++out[i];
        } else {
            out[0] = '1'; // 99...9 became 100...0: one more integer digit
            ++exponent;
        }
    }
    return exponent;
}

} // namespace

double ParseInputText(std::string_view text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The mantissa's significant digits (no leading zeros) and the decimal exponent of the
    // last digit kept: the number is digits x 10^exponent.
    char digits[kMaxSignificantDigits + 1];
    std::size_t count = 0;
    std::int64_t exponent = 0;
    bool sticky = false; // a non-zero digit was dropped past the limit
    bool anyDigit = false;
    bool point = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        anyDigit = true;
        if (count == 0 && c == '0') {
            if (point) {
                --exponent; // a leading zero after the point
            }
        } else if (count < kMaxSignificantDigits) {
            digits[count++] = c;
            if (point) {
                --exponent;
            }
        } else {
            sticky = sticky || c != '0';
            if (!point) {
                ++exponent; // a dropped integer digit still counts for the magnitude
            }
        }
    }
    if (!anyDigit) {
        return 0.0;
    }

    // Optional exponent: a marker, an optional sign, at least one digit.
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < n && IsDigit(text[j])) {
            std::int64_t value = 0;
            for (; j < n && IsDigit(text[j]); ++j) {
                value = std::min<std::int64_t>(value * 10 + (text[j] - '0'), kExponentSaturation);
            }
            exponent += negativeExponent ? -value : value;
        }
        // Otherwise the marker is not part of the number, which ends before it.
    }

    const double zero = negative ? -0.0 : 0.0;
    if (count == 0) {
        return zero; // only zeros
    }
    if (sticky) {
        digits[count++] = '1';
        --exponent;
    }
    // Decimal exponent of the first significant digit.
    const std::int64_t leading = exponent + static_cast<std::int64_t>(count) - 1;
    const double infinity = std::numeric_limits<double>::infinity();
    if (leading > 400) {
        return negative ? -infinity : infinity;
    }
    if (leading < -400) {
        return zero;
    }

    // Normalised copy: digits, then "e" and the exponent; no sign, no point.
    char normalised[kMaxSignificantDigits + 1 + 32];
    std::memcpy(normalised, digits, count);
    char* end = normalised + count;
    *end++ = 'e';
    end = std::to_chars(end, normalised + sizeof normalised, exponent).ptr;

    double magnitude = 0;
    const std::from_chars_result r =
        std::from_chars(normalised, end, magnitude, std::chars_format::scientific);
    if (r.ec == std::errc::result_out_of_range) {
        magnitude = leading > 0 ? infinity : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string FormatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }

    // The result as an integer number of units of 10^-decimals, in decimal digits.
    std::string units;
    const double magnitude = std::fabs(value);
    if (magnitude != 0) {
        char digits[kSignificantDigits];
        const int exponent = RoundToSignificant(magnitude, digits);
        // Digit k has the place value 10^(exponent - k); the digits kept are those whose
        // place value is at least 10^-decimals.
        const int kept = exponent + decimals + 1;
        if (kept >= kSignificantDigits) {
            units.assign(digits, kSignificantDigits);
            units.append(static_cast<std::size_t>(kept - kSignificantDigits), '0');
        } else if (kept >= 0) {
            units.assign(digits, static_cast<std::size_t>(kept));
            if (digits[kept] >= '5') { // half or more of the last kept unit: away from zero
                int i = kept - 1;
                while (i >= 0 && units[static_cast<std::size_t>(i)] == '9') {
                    units[static_cast<std::size_t>(i)] = '0';
                    --i;
                }
                if (i >= 0) {
                    ++units[static_cast<std::size_t>(i)];
                } else {
                    units.insert(units.begin(), '1');
                }
            }
        }
        // kept < 0: below a tenth of the last unit, rounds to zero.
    }
    const bool isZero = units.find_first_not_of('0') == std::string::npos;
    if (isZero) {
        units.assign(1, '0');
    }

    // At least one integer digit.
    const std::size_t width = static_cast<std::size_t>(decimals) + 1;
    if (units.size() < width) {
        units.insert(0, width - units.size(), '0');
    }
    std::string text;
    text.reserve(units.size() + 2);
    // A result that rounds to zero carries no sign: -0.001 with two decimals gives "0.00".
    if (value < 0 && !isZero) {
        text.push_back('-');
    }
    const std::size_t integerDigits = units.size() - static_cast<std::size_t>(decimals);
    text.append(units, 0, integerDigits);
    if (decimals > 0) {
        text.push_back('.');
        text.append(units, integerDigits, std::string::npos);
    }
    return text;
}
