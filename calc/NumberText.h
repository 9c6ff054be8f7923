// Numbers in text: the one parser of input texts and the one formatter of result texts.
// Neither depends on the C library's locale or rounding.
#pragma once

#include <string>
#include <string_view>

// The double nearest to the decimal number at the start of text; 0 when there is none.
double ParseInputText(std::string_view text);

// Fixed-point text with `decimals` decimals (0 to 17): the value is first rounded to 17
// significant digits, then to the decimals, both times half away from zero.
std::string FormatFixed(double value, int decimals);
