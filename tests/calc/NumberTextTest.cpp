// ParseInputText and FormatFixed: the documented tables, edge cases, and reference cases
// whose expected results come from Python's exact decimal arithmetic (ReferenceCases.inc).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "calc/NumberText.h"

namespace {

#include "ReferenceCases.inc"

constexpr double kInf = std::numeric_limits<double>::infinity();

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0; // bit for bit: -0 differs from 0
}

// ---------------------------------------------------------------------------------------------
// ParseInputText
// ---------------------------------------------------------------------------------------------

TEST(ParseInputText, TableOfPart11) {
    EXPECT_EQ(ParseInputText("9.5"), 9.5);
    EXPECT_EQ(ParseInputText("  9"), 9);
    EXPECT_EQ(ParseInputText("9 \xB5m"), 9); // "9 µm" in code page 1252
    EXPECT_EQ(ParseInputText("7,4"), 7);
    EXPECT_EQ(ParseInputText(".5"), 0.5);
    EXPECT_EQ(ParseInputText("+.5"), 0.5);
    EXPECT_EQ(ParseInputText("5."), 5);
    EXPECT_EQ(ParseInputText("-5"), -5);
    for (const char* text : {"1e3", "1E3", "1d3", "1D3", "1e+3"}) {
        EXPECT_EQ(ParseInputText(text), 1000) << text;
    }
    EXPECT_EQ(ParseInputText("2e"), 2);
    EXPECT_EQ(ParseInputText("2e+"), 2);
    EXPECT_EQ(ParseInputText("0x10"), 0);
    for (const char* text : {"inf", "nan", ".", ""}) {
        EXPECT_TRUE(SameDouble(ParseInputText(text), 0.0)) << text;
    }
}

TEST(ParseInputText, WhiteSpaceIsTheSixCharactersOnly) {
    EXPECT_EQ(ParseInputText(" \t\n\v\f\r42"), 42);
    EXPECT_EQ(ParseInputText(std::string("\xA0") + "42"), 0); // no-break space is not blank
    EXPECT_EQ(ParseInputText("_42"), 0);
    EXPECT_EQ(ParseInputText("- 42"), 0); // no blank after the sign
    EXPECT_EQ(ParseInputText("42   "), 42);
    EXPECT_EQ(ParseInputText(std::string_view("4\0002", 3)), 4); // a NUL ends the number
}

TEST(ParseInputText, SignsAndPoints) {
    EXPECT_EQ(ParseInputText("+7"), 7);
    EXPECT_EQ(ParseInputText("-.25"), -0.25);
    EXPECT_EQ(ParseInputText("--7"), 0);
    EXPECT_EQ(ParseInputText("+-7"), 0);
    EXPECT_EQ(ParseInputText("1.2.3"), 1.2); // at most one point
    EXPECT_EQ(ParseInputText("..5"), 0);
    EXPECT_EQ(ParseInputText("-"), 0);
    EXPECT_EQ(ParseInputText("+"), 0);
    EXPECT_EQ(ParseInputText("-."), 0);
    EXPECT_EQ(ParseInputText("007"), 7);
    EXPECT_EQ(ParseInputText("0.000125"), 0.000125);
    EXPECT_EQ(ParseInputText("1250abc"), 1250);
    EXPECT_EQ(ParseInputText("12abc"), 12);
}

TEST(ParseInputText, Exponents) {
    EXPECT_EQ(ParseInputText("1.5e-3"), 0.0015);
    EXPECT_EQ(ParseInputText("1.5d-3"), 0.0015);
    EXPECT_EQ(ParseInputText("1.5D+3"), 1500);
    EXPECT_EQ(ParseInputText(".5e1"), 5);
    EXPECT_EQ(ParseInputText("5.e1"), 50);
    EXPECT_EQ(ParseInputText("2e-"), 2);
    EXPECT_EQ(ParseInputText("2ex"), 2);
    EXPECT_EQ(ParseInputText("2e 3"), 2);
    EXPECT_EQ(ParseInputText("2e+-3"), 2);
    EXPECT_EQ(ParseInputText("2e3.5"), 2000); // the exponent has no point
    EXPECT_EQ(ParseInputText("2e3e4"), 2000);
    EXPECT_EQ(ParseInputText("2f3"), 2);
    EXPECT_EQ(ParseInputText("1e0003"), 1000);
    EXPECT_EQ(ParseInputText("1e-0"), 1);
    EXPECT_EQ(ParseInputText(".e3"), 0);
    EXPECT_EQ(ParseInputText("e3"), 0);
}

TEST(ParseInputText, NoHexInfinityOrNanForms) {
    for (const char* text : {"0x1p3", "0X10", "infinity", "-inf", "+INF", "NaN", "-nan(123)"}) {
        EXPECT_EQ(ParseInputText(text), 0) << text;
    }
    EXPECT_EQ(ParseInputText("1x10"), 1);
}

TEST(ParseInputText, OverflowAndUnderflow) {
    EXPECT_EQ(ParseInputText("1e400"), kInf);
    EXPECT_EQ(ParseInputText("-1e400"), -kInf);
    EXPECT_EQ(ParseInputText("1e309"), kInf);
    EXPECT_EQ(ParseInputText("1.8e308"), kInf);
    EXPECT_EQ(ParseInputText("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(ParseInputText("1.7976931348623158e308"), 1.7976931348623157e308);
    EXPECT_EQ(ParseInputText("1e99999999999999999999999"), kInf);
    EXPECT_EQ(ParseInputText("-1d99999999999999999999999"), -kInf);
    EXPECT_TRUE(SameDouble(ParseInputText("1e-400"), 0.0));
    EXPECT_TRUE(SameDouble(ParseInputText("-1e-400"), -0.0));
    EXPECT_TRUE(SameDouble(ParseInputText("1e-99999999999999999999999"), 0.0));
    EXPECT_TRUE(SameDouble(ParseInputText("2e-324"), 0.0));
    EXPECT_EQ(ParseInputText("3e-324"), 4.9406564584124654e-324); // smallest subnormal
    EXPECT_EQ(ParseInputText("4.9406564584124654e-324"), 4.9406564584124654e-324);
    EXPECT_EQ(ParseInputText("1e-310"), 1e-310);
    EXPECT_EQ(ParseInputText("2.2250738585072011e-308"), 2.2250738585072011e-308);
    EXPECT_EQ(ParseInputText("2.2250738585072014e-308"), 2.2250738585072014e-308);
    EXPECT_TRUE(SameDouble(ParseInputText("-0"), -0.0));
    EXPECT_TRUE(SameDouble(ParseInputText("0e999999"), 0.0));
    EXPECT_TRUE(SameDouble(ParseInputText("-0.000e-5"), -0.0));
}

TEST(ParseInputText, CorrectlyRounded) {
    EXPECT_EQ(ParseInputText("0.1"), 0.1);
    EXPECT_EQ(ParseInputText("9007199254740993"), 9007199254740992.0); // tie: to even
    EXPECT_EQ(ParseInputText("9007199254740995"), 9007199254740996.0);
    EXPECT_EQ(ParseInputText("9007199254740993.0000000001"), 9007199254740994.0);
    EXPECT_EQ(ParseInputText("1.00000000000000011102230246251565404236316680908203125"), 1.0);
    EXPECT_EQ(ParseInputText("1.00000000000000011102230246251565404236316680908203126"),
              1.0000000000000002);
    EXPECT_EQ(ParseInputText("1.476"), 1.476);
}

TEST(ParseInputText, LongTextsStayCorrectlyRounded) {
    // A tie followed by 2000 zeros and then a 1: the last digit decides, far past the digits
    // that the conversion keeps.
    std::string text = "9007199254740993." + std::string(2000, '0');
    EXPECT_EQ(ParseInputText(text), 9007199254740992.0);
    EXPECT_EQ(ParseInputText(text + "1"), 9007199254740994.0);
    EXPECT_EQ(ParseInputText(text + "1e0"), 9007199254740994.0);
    // Many integer digits: the dropped ones still count for the magnitude.
    EXPECT_EQ(ParseInputText("1" + std::string(300, '0')), 1e300);
    EXPECT_EQ(ParseInputText("1" + std::string(400, '0')), kInf);
    EXPECT_EQ(ParseInputText("1" + std::string(1000, '0') + "e-1000"), 1);
    EXPECT_EQ(ParseInputText("0." + std::string(1000, '0') + "1e1001"), 1);
    EXPECT_EQ(ParseInputText(std::string(100000, '0') + "5"), 5);
    EXPECT_EQ(ParseInputText(std::string(100000, ' ') + "5"), 5);
    EXPECT_EQ(ParseInputText(std::string(1000, '3') + "e-1000"), 1.0 / 3 * 1.0);
    // 0.333... with a million digits.
    EXPECT_EQ(ParseInputText("0." + std::string(1000000, '3')), 1.0 / 3);
    EXPECT_EQ(ParseInputText("1e" + std::string(100000, '9')), kInf);
    EXPECT_EQ(ParseInputText("1e-" + std::string(100000, '9')), 0);
}

TEST(ParseInputText, ReferenceCases) {
    for (const ParseCase& c : kParseCases) {
        const double value = ParseInputText(c.text);
        EXPECT_TRUE(SameDouble(value, c.value))
            << c.text << " gave " << value << ", expected " << c.value;
    }
}

// ---------------------------------------------------------------------------------------------
// FormatFixed
// ---------------------------------------------------------------------------------------------

TEST(FormatFixed, ExactHalvesGoAwayFromZero) {
    EXPECT_EQ(FormatFixed(15.625, 2), "15.63");
    EXPECT_EQ(FormatFixed(512.5, 0), "513");
    EXPECT_EQ(FormatFixed(812.5, 0), "813");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(0.5, 0), "1");
    EXPECT_EQ(FormatFixed(1.5, 0), "2");
    EXPECT_EQ(FormatFixed(9.375, 2), "9.38");
    EXPECT_EQ(FormatFixed(9.125, 2), "9.13");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(0.0625, 3), "0.063");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(-15.625, 2), "-15.63");
}

TEST(FormatFixed, BelowHalfGoesDown) {
    EXPECT_EQ(FormatFixed(2.675, 2), "2.67"); // 2.67499999999999982236431605997495353...
    EXPECT_EQ(FormatFixed(1.005, 2), "1.00"); // 1.00499999999999989341858963598497211...
    EXPECT_EQ(FormatFixed(0.015, 2), "0.01");
    EXPECT_EQ(FormatFixed(18.8928, 2), "18.89");
    EXPECT_EQ(FormatFixed(406.504, 0), "407");
    EXPECT_EQ(FormatFixed(2635.714285714286, 0), "2636");
    EXPECT_EQ(FormatFixed(1.4999999999999998, 0), "1");
    EXPECT_EQ(FormatFixed(1.0005, 3), "1.000"); // 1.00049999999999994493...
    EXPECT_EQ(FormatFixed(9.995, 2), "9.99");   // 9.99499999999999921840...
    EXPECT_EQ(FormatFixed(0.49999999999999994, 0), "0");
}

TEST(FormatFixed, SeventeenDigitStepComesFirst) {
    // The exact values lie just below the halves; their 17-digit forms are the halves.
    EXPECT_EQ(FormatFixed(1.45, 1), "1.5");   // 1.44999999999999995559107901499373838...
    EXPECT_EQ(FormatFixed(1.95, 1), "2.0");   // 1.94999999999999995559107901499373838...
    EXPECT_EQ(FormatFixed(0.155, 2), "0.16"); // 0.15499999999999999888977697537484345...
    EXPECT_EQ(FormatFixed(0.0115, 3), "0.012");
    // 1 + 2^-17 = 1.00000762939453125 exactly: a tie at the 17th digit, which goes up.
    EXPECT_EQ(FormatFixed(1 + 0x1p-17, 16), "1.0000076293945313");
    EXPECT_EQ(FormatFixed(1 + 0x1p-17, 17), "1.00000762939453130");
    EXPECT_EQ(FormatFixed(-(1 + 0x1p-17), 17), "-1.00000762939453130");
    // Digits past the 17th are zeros in the text.
    EXPECT_EQ(FormatFixed(0.1, 17), "0.10000000000000001");
    EXPECT_EQ(FormatFixed(1.0 / 3, 17), "0.33333333333333331");
    EXPECT_EQ(FormatFixed(2.0 / 3, 17), "0.66666666666666663");
    EXPECT_EQ(FormatFixed(100000000000000016.0, 0), "100000000000000020");
    EXPECT_EQ(FormatFixed(123456789012345678.0, 2), "123456789012345680.00");
}

TEST(FormatFixed, CarriesThroughNines) {
    EXPECT_EQ(FormatFixed(9.9951, 2), "10.00");
    EXPECT_EQ(FormatFixed(99.5, 0), "100");
    EXPECT_EQ(FormatFixed(999.9996, 3), "1000.000");
    EXPECT_EQ(FormatFixed(0.99999999999999989, 2), "1.00");
    EXPECT_EQ(FormatFixed(0.99999999999999989, 17), "0.99999999999999989");
    EXPECT_EQ(FormatFixed(9.9999999999999982, 16), "9.9999999999999982");
    EXPECT_EQ(FormatFixed(0.0005, 3), "0.001");
    EXPECT_EQ(FormatFixed(0.00049999999999999999, 3), "0.001"); // that is the double 0.0005
    EXPECT_EQ(FormatFixed(0.0004, 3), "0.000");
    EXPECT_EQ(FormatFixed(0.5, 0), "1");
}

TEST(FormatFixed, SmallAndZeroValues) {
    EXPECT_EQ(FormatFixed(0, 0), "0");
    EXPECT_EQ(FormatFixed(0, 2), "0.00");
    EXPECT_EQ(FormatFixed(0, 17), "0.00000000000000000");
    EXPECT_EQ(FormatFixed(1e-300, 2), "0.00");
    EXPECT_EQ(FormatFixed(4.9406564584124654e-324, 17), "0.00000000000000000");
    EXPECT_EQ(FormatFixed(0.004, 2), "0.00");
    EXPECT_EQ(FormatFixed(0.005, 2), "0.01"); // 0.005000000000000000104083408558608425664715...
    EXPECT_EQ(FormatFixed(0.05, 0), "0");
    EXPECT_EQ(FormatFixed(0.00000000000000001, 17), "0.00000000000000001");
    EXPECT_EQ(FormatFixed(0.000000000000000005, 17), "0.00000000000000001");
}

TEST(FormatFixed, NegativeValuesAndNegativeZero) {
    EXPECT_EQ(FormatFixed(-5, 0), "-5");
    EXPECT_EQ(FormatFixed(-0.25, 2), "-0.25");
    EXPECT_EQ(FormatFixed(-0.005, 2), "-0.01");
    // A text that rounds to zero carries no sign.
    EXPECT_EQ(FormatFixed(-0.0, 0), "0");
    EXPECT_EQ(FormatFixed(-0.0, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.4, 0), "0");
    EXPECT_EQ(FormatFixed(-1e-300, 17), "0.00000000000000000");
}

TEST(FormatFixed, LargeValues) {
    EXPECT_EQ(FormatFixed(1e15, 2), "1000000000000000.00");
    EXPECT_EQ(FormatFixed(1e21, 0), "1000000000000000000000");
    EXPECT_EQ(FormatFixed(1e22, 0), "10000000000000000000000");
    EXPECT_EQ(FormatFixed(1e23, 0), "99999999999999992000000"); // 9.99999999999999991611e22
    EXPECT_EQ(FormatFixed(123456789.0, 0), "123456789");
    EXPECT_EQ(FormatFixed(-1e20, 1), "-100000000000000000000.0");
    const std::string max = FormatFixed(1.7976931348623157e308, 0);
    EXPECT_EQ(max.size(), 309u);
    EXPECT_EQ(max.substr(0, 18), "179769313486231570");
    EXPECT_EQ(max.find_first_not_of('0', 17), std::string::npos);
    EXPECT_EQ(FormatFixed(1e300, 3).size(), 305u);
}

TEST(FormatFixed, DecimalsAreClampedAndNonFiniteValuesNamed) {
    EXPECT_EQ(FormatFixed(1.25, -3), "1");
    EXPECT_EQ(FormatFixed(1.5, 40), "1.50000000000000000");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 2), "-inf");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "nan");
}

TEST(FormatFixed, ReferenceCases) {
    for (const FormatCase& c : kFormatCases) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text)
            << "value " << std::hexfloat << c.value << ", " << c.decimals << " decimals";
    }
}

TEST(NumberText, FormattedTextsParseBack) {
    for (const FormatCase& c : kFormatCases) {
        const std::string text = FormatFixed(c.value, 17);
        const double back = ParseInputText(text);
        // 17 significant digits identify a double; with 17 decimals the text may hold fewer.
        if (std::fabs(c.value) >= 1) {
            EXPECT_EQ(back, c.value) << text;
        }
    }
}

} // namespace
