#include "text/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace trochix::text {

double Val(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t')
            s += c;
    std::size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        num += s[i++];
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            num += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string ex = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ex += s[j++];
        bool exDigits = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            ex += s[j++];
            exDigits = true;
        }
        if (exDigits)
            num += ex;
    }
    // A number too large for a model real reads as the largest one: range checks then refuse
    // it, and storing it into a float field stays defined.
    const double v = std::strtod(num.c_str(), nullptr);
    const double big = std::numeric_limits<float>::max();
    return std::clamp(v, -big, big);
}

namespace {

// Significant digits and decimal exponent of |value| with p digits: value = 0.d1d2.. * 10^exp10
struct Digits {
    std::string digits; // no trailing zeros, at least one digit
    int pointPos;       // number of digits before the decimal point (may be <= 0 or > size)
};

Digits DecimalDigits(double value, int p) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", p - 1, std::fabs(value));
    // buf: d.ddddde[+-]xx
    std::string mant;
    const char* c = buf;
    for (; *c && *c != 'e'; ++c)
        if (*c != '.')
            mant += *c;
    const int exp = std::atoi(c + 1);
    while (mant.size() > 1 && mant.back() == '0')
        mant.pop_back();
    return {mant, exp + 1};
}

std::string Layout(bool negative, const Digits& d, int fixedUpTo) {
    std::string out = negative ? "-" : "";
    const std::string& g = d.digits;
    if (g == "0")
        return "0";
    const int exp10 = d.pointPos - 1; // value = g[0].g[1..] * 10^exp10
    if (exp10 >= fixedUpTo || exp10 < -4) {
        out += g.substr(0, 1);
        if (g.size() > 1)
            out += "." + g.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
        return out + e;
    }
    if (d.pointPos <= 0) {
        out += "." + std::string(-d.pointPos, '0') + g;
    } else if (d.pointPos >= static_cast<int>(g.size())) {
        out += g + std::string(d.pointPos - g.size(), '0');
    } else {
        out += g.substr(0, d.pointPos) + "." + g.substr(d.pointPos);
    }
    return out;
}

// A value that is not a number says so in a message instead of passing for 0.
std::string NonFinite(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

} // namespace

std::string ShortestFloat(float value, int maxDigits) {
    if (!std::isfinite(value))
        return NonFinite(value);
    if (value == 0.0f)
        return "0";
    Digits best{};
    for (int p = 1; p <= maxDigits; ++p) {
        best = DecimalDigits(value, p);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", p - 1, static_cast<double>(value));
        if (std::strtof(buf, nullptr) == value)
            break;
    }
    return Layout(value < 0, best, 7);
}

std::string ShortestDouble(double value, int maxDigits) {
    if (!std::isfinite(value))
        return NonFinite(value);
    if (value == 0.0)
        return "0";
    Digits best{};
    for (int p = 1; p <= maxDigits; ++p) {
        best = DecimalDigits(value, p);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", p - 1, value);
        if (std::strtod(buf, nullptr) == value)
            break;
    }
    return Layout(value < 0, best, 15);
}

std::string Str(float value) {
    std::string s = ShortestFloat(value, 7);
    return s[0] == '-' ? s : " " + s;
}

std::string StrD(double value) {
    std::string s = ShortestDouble(value, 15);
    return s[0] == '-' ? s : " " + s;
}

std::string PrintNumber(double value) { return StrD(value) + " "; }
std::string PrintNumber(float value) { return Str(value) + " "; }
std::string PrintNumber(int value) { return StrD(value) + " "; }

double FNRound(double x, int n) {
    double scale;
    switch (n) {
    case 0: return std::floor(x + 0.5);
    case 1: scale = 10.0; break;
    case 2: scale = 100.0; break;
    case 3: scale = 1000.0; break;
    case 4: scale = 10000.0; break;
    default: scale = 100000.0; break;
    }
    return std::floor(x * scale + 0.5) / scale;
}

std::string FNRoundPicture(int n) {
    if (n < 0)
        return "0.00E+#";
    switch (n) {
    case 0: return "#,###,###,##0.";
    case 1: return "#,###,###,##0.0";
    case 2: return "#,###,###,##0.00";
    case 3: return "#,###,###,##0.000";
    case 4: return "#,###,###,##0.0000";
    default: return "#,###,###,##0.000 000";
    }
}

std::string FNRoundStr(double x, int n) { return FormatPicture(x, FNRoundPicture(n)); }

std::string Set_Format(int decimals) {
    switch (decimals) {
    case 0: return "###,###,###,###,##0. ; -###,###,###,###,##0.";
    case 1: return "###,###,###,###,##0.0 ; -###,###,###,###,##0.0";
    case 2: return "###,###,###,###,##0.00 ; -###,###,###,###,##0.00";
    case 3: return "###,###,###,###,##0.000 ; -###,###,###,###,##0.000";
    case 4: return "###,###,###,###,##0.000 0 ; -###,###,###,###,##0.000 0";
    case 5: return "###,###,###,###,##0.000 00 ; -###,###,###,###,##0.000 00";
    case 6: return "###,###,###,###,##0.000 000 ; -###,###,###,###,##0.000 000";
    default: return "0.000 E+##0 ; -0.000 E+##0";
    }
}

std::string FormatDecimals(double value, int decimals) {
    return FormatPicture(value, Set_Format(decimals));
}

namespace {

bool IsPlaceholder(char c) { return c == '#' || c == '0'; }

// |value| rounded half away from zero to `decimals` places, as integer digits and fraction digits.
void RoundFixed(double value, int decimals, std::string& intDigits, std::string& fracDigits) {
    const double a = std::fabs(value);
    const int len = std::snprintf(nullptr, 0, "%.*f", decimals + 30, a);
    std::vector<char> buf(static_cast<std::size_t>(len) + 1);
    std::snprintf(buf.data(), buf.size(), "%.*f", decimals + 30, a);
    std::string s(buf.data());
    const std::size_t dot = s.find('.');
    std::string whole = s.substr(0, dot);
    std::string frac = s.substr(dot + 1);
    const bool up = frac[static_cast<std::size_t>(decimals)] >= '5';
    std::string digits = whole + frac.substr(0, static_cast<std::size_t>(decimals));
    if (up) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0)
            ++digits[i];
        else
            digits.insert(digits.begin(), '1');
    }
    intDigits = digits.substr(0, digits.size() - decimals);
    fracDigits = digits.substr(digits.size() - decimals);
    std::size_t nz = intDigits.find_first_not_of('0');
    intDigits = nz == std::string::npos ? "" : intDigits.substr(nz);
}

std::string Group(const std::string& digits) {
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// Fraction digits laid out on the decimal part of a picture: '0' always printed,
// '#' printed unless the rest are zeros, other characters literal.
std::string LayoutFraction(std::string_view pattern, const std::string& digits) {
    std::string out;
    std::size_t k = 0;
    std::size_t lastNeeded = 0; // digits up to this count must be printed
    for (std::size_t i = 0, count = 0; i < pattern.size(); ++i)
        if (IsPlaceholder(pattern[i])) {
            ++count;
            if (pattern[i] == '0' || digits[count - 1] != '0')
                lastNeeded = count;
        }
    for (char c : pattern) {
        if (IsPlaceholder(c)) {
            if (k < lastNeeded)
                out += digits[k];
            ++k;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FormatSection(double value, std::string_view pic) {
    // Literal prefix (such as "-") before the first placeholder.
    std::size_t first = 0;
    while (first < pic.size() && !IsPlaceholder(pic[first]) && pic[first] != '.')
        ++first;
    std::string out(pic.substr(0, first));
    pic = pic.substr(first);

    const std::size_t ePos = pic.find_first_of("Ee");
    std::string_view numPart = ePos == std::string_view::npos ? pic : pic.substr(0, ePos);
    const std::size_t dot = numPart.find('.');
    std::string_view intPat = dot == std::string_view::npos ? numPart : numPart.substr(0, dot);
    std::string_view fracPat = dot == std::string_view::npos ? std::string_view{} : numPart.substr(dot + 1);

    int minInt = 0;
    bool grouping = false;
    for (char c : intPat) {
        if (c == '0')
            ++minInt;
        if (c == ',')
            grouping = true;
    }
    int decimals = 0;
    for (char c : fracPat)
        if (IsPlaceholder(c))
            ++decimals;

    double mantissa = std::fabs(value);
    int exponent = 0;
    if (ePos != std::string_view::npos && mantissa != 0.0) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", decimals, mantissa);
        exponent = std::atoi(std::string(buf).substr(std::string(buf).find('e') + 1).c_str());
        mantissa = mantissa / std::pow(10.0, exponent);
        std::string i, f;
        RoundFixed(mantissa, decimals, i, f);
        if (i.size() > 1) { // rounded up to 10.000
            ++exponent;
            mantissa /= 10.0;
        }
    }
    std::string intDigits, fracDigits;
    RoundFixed(mantissa, decimals, intDigits, fracDigits);
    if (static_cast<int>(intDigits.size()) < minInt)
        intDigits.insert(0, static_cast<std::size_t>(minInt) - intDigits.size(), '0');
    out += grouping ? Group(intDigits) : intDigits;
    if (dot != std::string_view::npos)
        out += '.' + LayoutFraction(fracPat, fracDigits);

    if (ePos != std::string_view::npos) {
        std::string_view ePat = pic.substr(ePos);
        const bool alwaysSign = ePat.size() > 1 && ePat[1] == '+';
        int minExp = 0;
        for (char c : ePat.substr(2))
            if (c == '0')
                ++minExp;
        std::string e = std::to_string(std::abs(exponent));
        // An optional-digit exponent of 0 still shows its digit: "1.00E+" alone reads as a fault.
        if (static_cast<int>(e.size()) < std::max(minExp, 1))
            e.insert(0, static_cast<std::size_t>(std::max(minExp, 1)) - e.size(), '0');
        out += ePat[0];
        if (exponent < 0)
            out += '-';
        else if (alwaysSign)
            out += '+';
        out += e;
    }
    return out;
}

bool RoundsToZero(double value, std::string_view pic) {
    if (pic.find_first_of("Ee") != std::string_view::npos)
        return value == 0.0;
    const std::size_t dot = pic.find('.');
    int decimals = 0;
    if (dot != std::string_view::npos)
        for (char c : pic.substr(dot + 1))
            if (IsPlaceholder(c))
                ++decimals;
    std::string i, f;
    RoundFixed(value, decimals, i, f);
    return i.empty() && f.find_first_not_of('0') == std::string::npos;
}

} // namespace

std::string FormatPicture(double value, std::string_view picture) {
    if (!std::isfinite(value))
        value = 0.0;
    const std::size_t sep = picture.find(" ; ");
    std::string_view positive = sep == std::string_view::npos ? picture : picture.substr(0, sep);
    const bool negative = value < 0 && !RoundsToZero(value, positive);
    if (sep != std::string_view::npos)
        return negative ? FormatSection(value, picture.substr(sep + 3)) : FormatSection(value, positive);
    std::string s = FormatSection(value, positive);
    return negative ? "-" + s : s;
}

} // namespace trochix::text
