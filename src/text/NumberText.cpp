#include "text/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace trochix::text {

long DecimalMagnitude(std::string_view s) {
    const std::size_t e = s.find_first_of("Ee");
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t j = e + 1;
        const bool negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        for (; j < s.size(); ++j)
            if (exponent < 100000)
                exponent = exponent * 10 + (s[j] - '0');
        if (negative)
            exponent = -exponent;
        s = s.substr(0, e);
    }
    if (!s.empty() && (s[0] == '-' || s[0] == '+'))
        s.remove_prefix(1);
    const std::size_t point = std::min(s.find('.'), s.size());
    const std::size_t lead = s.find_first_of("123456789");
    if (lead == std::string_view::npos)
        return exponent;
    const long shift =
        lead < point ? static_cast<long>(point - lead) - 1 : -static_cast<long>(lead - point);
    return exponent + shift;
}

double DecimalValue(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    double v = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        v = DecimalMagnitude(text) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -v : v;
}

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
    const double v = DecimalValue(num);
    const double big = std::numeric_limits<float>::max();
    return std::clamp(v, -big, big);
}

bool HoldsNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto blanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    auto digitsRun = [&] {
        const std::size_t from = i;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        return i > from;
    };
    blanks();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = digitsRun();
    if (i < n && text[i] == '.') {
        ++i;
        digits = digitsRun() || digits;
    }
    if (!digits)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!digitsRun())
            return false;
    }
    blanks();
    return i == n;
}

namespace {

// Significant digits and decimal exponent of |value|: value = 0.d1d2.. * 10^pointPos
struct Digits {
    char digits[32]; // no trailing zeros, at least one digit
    int count;
    int pointPos; // number of digits before the decimal point (may be <= 0 or > count)
    bool operator==(const Digits& o) const {
        return count == o.count && pointPos == o.pointPos &&
               std::memcmp(digits, o.digits, static_cast<std::size_t>(count)) == 0;
    }
};

// Digits of a scientific text "d.ddde+xx" as std::to_chars writes it.
Digits ParseScientific(const char* first, const char* last) {
    Digits d{};
    const char* c = first;
    for (; c != last && *c != 'e'; ++c)
        if (*c != '.' && d.count < static_cast<int>(sizeof d.digits))
            d.digits[d.count++] = *c;
    int exp = 0;
    if (c != last)
        std::from_chars(c + (c[1] == '+' ? 2 : 1), last, exp);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    d.pointPos = exp + 1;
    return d;
}

// |value| correctly rounded to p significant digits; the text is left in buf.
Digits RoundedDigits(double a, int p, char (&buf)[64], const char*& end) {
    end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, p - 1).ptr;
    return ParseScientific(buf, end);
}

// The fewest digits, at most maxDigits, whose correctly rounded form reads back as |value|;
// maxDigits when none does. The shortest round-trip form gives the least count to try: no
// shorter text reads back at all, and when its digits are the rounded ones they read back.
template <class T> Digits ShortestDigits(T value, int maxDigits) {
    const T a = std::fabs(value);
    char buf[64];
    const char* end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific).ptr;
    const Digits shortest = ParseScientific(buf, end);
    for (int p = shortest.count; p <= maxDigits; ++p) {
        const Digits rounded = RoundedDigits(static_cast<double>(a), p, buf, end);
        if (rounded == shortest)
            return rounded;
        T back{};
        const auto r = std::from_chars(buf, end, back);
        if (r.ec == std::errc() && back == a)
            return rounded;
    }
    return RoundedDigits(static_cast<double>(a), maxDigits, buf, end);
}

// Room for any number text: a sign, 17 digits, a point, zeros before them and an exponent.
constexpr std::size_t kNumberRoom = 48;

char* Put(char* out, const char* text, std::size_t n) {
    std::memcpy(out, text, n);
    return out + n;
}

char* PutExponent(char* out, int exp10) {
    *out++ = 'E';
    *out++ = exp10 < 0 ? '-' : '+';
    const int e = std::abs(exp10);
    if (e < 10)
        *out++ = '0';
    return std::to_chars(out, out + 4, e).ptr;
}

// The digits laid out: fixed below 10^fixedUpTo and from 10^-4 up, exponent form otherwise.
char* Layout(char* out, bool negative, const Digits& d, int fixedUpTo) {
    const char* g = d.digits;
    const std::size_t n = static_cast<std::size_t>(d.count);
    if (negative)
        *out++ = '-';
    const int exp10 = d.pointPos - 1; // value = g[0].g[1..] * 10^exp10
    if (exp10 >= fixedUpTo || exp10 < -4) {
        *out++ = g[0];
        if (n > 1) {
            *out++ = '.';
            out = Put(out, g + 1, n - 1);
        }
        return PutExponent(out, exp10);
    }
    if (d.pointPos <= 0) {
        *out++ = '.';
        out = static_cast<char*>(std::memset(out, '0', static_cast<std::size_t>(-d.pointPos))) -
              d.pointPos;
        return Put(out, g, n);
    }
    const std::size_t point = static_cast<std::size_t>(d.pointPos);
    if (point >= n) {
        out = Put(out, g, n);
        return static_cast<char*>(std::memset(out, '0', point - n)) + (point - n);
    }
    out = Put(out, g, point);
    *out++ = '.';
    return Put(out, g + point, n - point);
}

// The shortest form of value at out, "NaN", "Inf" or "-Inf" for values that are not finite;
// one past its end.
template <class T> char* WriteShortest(char* out, T value, int maxDigits, int fixedUpTo) {
    if (std::isnan(value))
        return Put(out, "NaN", 3);
    if (std::isinf(value))
        return value < 0 ? Put(out, "-Inf", 4) : Put(out, "Inf", 3);
    if (value == 0)
        return Put(out, "0", 1);
    return Layout(out, value < 0, ShortestDigits(value, maxDigits), fixedUpTo);
}

// The number-to-text rule: a leading blank unless the text starts with "-", and a trailing
// blank for a printed number.
template <class T> std::string NumberRule(T value, int maxDigits, int fixedUpTo, bool trailing) {
    char buf[kNumberRoom];
    buf[0] = ' ';
    char* end = WriteShortest(buf + 1, value, maxDigits, fixedUpTo);
    if (trailing)
        *end++ = ' ';
    const char* begin = buf[1] == '-' ? buf + 1 : buf;
    return std::string(begin, static_cast<std::size_t>(end - begin));
}

} // namespace

std::string ShortestFloat(float value, int maxDigits) {
    char buf[kNumberRoom];
    const char* end = WriteShortest(buf, value, maxDigits, 7);
    return std::string(buf, static_cast<std::size_t>(end - buf));
}

std::string ShortestDouble(double value, int maxDigits) {
    char buf[kNumberRoom];
    const char* end = WriteShortest(buf, value, maxDigits, 15);
    return std::string(buf, static_cast<std::size_t>(end - buf));
}

std::string Str(float value) {
    return NumberRule(value, 7, 7, false);
}
std::string TrimmedStr(float value) {
    std::string s = Str(value);
    if (!s.empty() && s[0] == ' ')
        s.erase(0, 1);
    return s;
}
std::string StrD(double value) {
    return NumberRule(value, 15, 15, false);
}

std::string PrintNumber(double value) {
    return NumberRule(value, 15, 15, true);
}
std::string PrintNumber(float value) {
    return NumberRule(value, 7, 7, true);
}
std::string PrintNumber(int value) {
    return PrintNumber(static_cast<double>(value));
}

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

std::string FNRoundStr(double x, int n) {
    return FormatPicture(x, FNRoundPicture(n));
}

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

bool IsPlaceholder(char c) {
    return c == '#' || c == '0';
}

// |value| rounded half away from zero to `decimals` places, as integer digits and fraction digits.
void RoundFixed(double value, int decimals, std::string& intDigits, std::string& fracDigits) {
    const double a = std::fabs(value);
    // The exact digits well past the rounding place: room for the 309 integer digits of the
    // largest double, the point and the fraction.
    std::string s(static_cast<std::size_t>(320 + decimals + 30), '\0');
    const auto r =
        std::to_chars(s.data(), s.data() + s.size(), a, std::chars_format::fixed, decimals + 30);
    s.resize(static_cast<std::size_t>(r.ptr - s.data()));
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

// One section of a picture, taken apart.
struct PictureParts {
    std::string_view prefix;  // literal text before the first placeholder, such as "-"
    std::string_view fracPat; // what follows the decimal point, up to the exponent
    std::string_view ePat;    // "E+##0" and the like; empty without an exponent
    bool point = false;       // the picture prints a decimal point
    bool grouping = false;    // thousands are separated by commas
    int minInt = 0;           // integer digits always printed
    int decimals = 0;         // fraction digits
};

PictureParts TakeApart(std::string_view pic) {
    PictureParts p;
    std::size_t first = 0;
    while (first < pic.size() && !IsPlaceholder(pic[first]) && pic[first] != '.')
        ++first;
    p.prefix = pic.substr(0, first);
    pic = pic.substr(first);
    const std::size_t ePos = pic.find_first_of("Ee");
    const std::string_view numPart = pic.substr(0, ePos);
    if (ePos != std::string_view::npos)
        p.ePat = pic.substr(ePos);
    const std::size_t dot = numPart.find('.');
    p.point = dot != std::string_view::npos;
    if (p.point)
        p.fracPat = numPart.substr(dot + 1);
    for (char c : numPart.substr(0, dot)) {
        if (c == '0')
            ++p.minInt;
        if (c == ',')
            p.grouping = true;
    }
    for (char c : p.fracPat)
        if (IsPlaceholder(c))
            ++p.decimals;
    return p;
}

// The decimal exponent that brings |value| to a mantissa of one digit before the point once
// rounded to `decimals` places; the mantissa is scaled by it.
int ScaleToExponent(double& mantissa, int decimals) {
    if (mantissa == 0.0)
        return 0;
    char buf[400];
    const char* end =
        std::to_chars(buf, buf + sizeof buf, mantissa, std::chars_format::scientific, decimals).ptr;
    const char* e = std::find(static_cast<const char*>(buf), end, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    mantissa = mantissa / std::pow(10.0, exponent);
    std::string i, f;
    RoundFixed(mantissa, decimals, i, f);
    if (i.size() > 1) { // rounded up to 10.000
        ++exponent;
        mantissa /= 10.0;
    }
    return exponent;
}

// The exponent as the picture's "E+##0" part asks: its letter, the sign ("+" only when asked
// for) and at least as many digits as it has zeros.
void AppendPictureExponent(std::string& out, std::string_view ePat, int exponent) {
    const bool alwaysSign = ePat.size() > 1 && ePat[1] == '+';
    int minExp = 0;
    for (char c : ePat.substr(std::min<std::size_t>(2, ePat.size())))
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

std::string FormatSection(double value, std::string_view pic) {
    const PictureParts p = TakeApart(pic);
    std::string out(p.prefix);
    double mantissa = std::fabs(value);
    const int exponent = p.ePat.empty() ? 0 : ScaleToExponent(mantissa, p.decimals);
    std::string intDigits, fracDigits;
    RoundFixed(mantissa, p.decimals, intDigits, fracDigits);
    if (static_cast<int>(intDigits.size()) < p.minInt)
        intDigits.insert(0, static_cast<std::size_t>(p.minInt) - intDigits.size(), '0');
    out += p.grouping ? Group(intDigits) : intDigits;
    if (p.point)
        out += '.' + LayoutFraction(p.fracPat, fracDigits);
    if (!p.ePat.empty())
        AppendPictureExponent(out, p.ePat, exponent);
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
        return negative ? FormatSection(value, picture.substr(sep + 3))
                        : FormatSection(value, positive);
    std::string s = FormatSection(value, positive);
    return negative ? "-" + s : s;
}

} // namespace trochix::text
