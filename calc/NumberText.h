// Numbers in text: the one parser of input texts and the one formatter of result texts.
// Neither depends on the C library's locale or rounding.
#pragma once

#include <string>
#include <string_view>

// The double nearest to the decimal number at the start of text; 0 when there is none.
// Grammar: blanks (space, \t, \n, \v, \f, \r), an optional sign, digits with at most one
// point (at least one digit), an optional exponent: e, E, d or D, an optional sign and at
// least one digit (a marker not so followed ends the number before it). Hexadecimal,
// infinity and NaN forms give 0. A magnitude beyond the double range gives infinity with the
// number's sign, one too small for the smallest subnormal gives zero with the number's sign
// (-0 for "-0" or "-1e-400"). Safe and linear for a text of any length.
double ParseInputText(std::string_view text);

// Fixed-point text with `decimals` decimals (0 to 17; values outside are clamped): the value
// is first rounded to 17 significant digits, then to the decimals, both times half away
// from zero, from the double's exact decimal value. Point separator, no grouping, no width.
// A negative value gets a leading '-', unless its text rounds to zero: -0.0 and -0.001 with
// two decimals give "0.00", never "-0.00". Infinities give "inf" and "-inf", NaN "nan"
// (the calculator never shows these; see SamplingCalculator.h). The text is not bounded:
// 1e300 with 0 decimals has 301 characters.
std::string FormatFixed(double value, int decimals);
