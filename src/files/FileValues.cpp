#include "files/FileValues.h"

#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace trochix::files {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string EncodeText(std::string_view text) {
    // A line break inside a value would shift every later line of the file.
    std::string out = "\"";
    for (char c : text)
        out += (c == '\r' || c == '\n') ? ' ' : c;
    out += '"';
    return out;
}

std::string EncodeInteger(int value) { return std::to_string(value); }

std::string EncodeReal(float value) {
    // Minus zero keeps its sign so that the value reads back bit for bit.
    if (value == 0.0f && std::signbit(value))
        return "-0";
    return text::ShortestFloat(value, 9);
}

std::string EncodeBoolean(bool value) { return value ? "#TRUE#" : "#FALSE#"; }

std::optional<std::string> DecodeText(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        return std::nullopt;
    return std::string(line.substr(1, line.size() - 2));
}

IntegerValue DecodeInteger(std::string_view line) {
    line = Trim(line);
    std::size_t i = 0;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    if (i == line.size())
        return {};
    long long v = 0;
    for (; i < line.size(); ++i) {
        if (!IsDigit(line[i]))
            return {};
        if (v <= 100000000000LL)
            v = v * 10 + (line[i] - '0');
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return {NumberStatus::OutOfRange, 0};
    return {NumberStatus::Ok, static_cast<int>(v)};
}

namespace {

// Copies the digits at line[i..] to out; how many there were.
int TakeDigits(std::string_view line, std::size_t& i, std::string& out) {
    int n = 0;
    for (; i < line.size() && IsDigit(line[i]); ++i, ++n)
        out += line[i];
    return n;
}

// The line as a checked decimal text ("-1.5E+07"; a D exponent read as E), or nothing when it
// is not one whole number. from_chars alone would stop quietly at the first stray character
// and accepts forms (inf, nan, hex) that no model file holds.
std::optional<std::string> CheckedDecimal(std::string_view line) {
    std::string s;
    std::size_t i = 0;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        if (line[i] == '-')
            s += '-';
        ++i;
    }
    int mantissaDigits = TakeDigits(line, i, s);
    if (i < line.size() && line[i] == '.') {
        s += line[i++];
        mantissaDigits += TakeDigits(line, i, s);
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < line.size() && (line[i] == 'E' || line[i] == 'e' || line[i] == 'D' || line[i] == 'd')) {
        s += 'E';
        ++i;
        if (i < line.size() && (line[i] == '+' || line[i] == '-'))
            s += line[i++];
        if (TakeDigits(line, i, s) == 0)
            return std::nullopt;
    }
    if (i != line.size())
        return std::nullopt;
    return s;
}

// The float a checked decimal text reads as: beyond the float range it is refused, below it
// the nearest float (zero or a subnormal).
RealValue NearestFloat(const std::string& s) {
    const char* first = s.data();
    const char* last = s.data() + s.size();
    float f = 0.0f;
    const auto r = std::from_chars(first, last, f);
    if (r.ec == std::errc() && r.ptr == last)
        return {NumberStatus::Ok, f};
    if (r.ptr != last)
        return {};
    double d = 0.0;
    const auto rd = std::from_chars(first, last, d);
    if (rd.ec == std::errc())
        return std::fabs(d) < 1.0 ? RealValue{NumberStatus::Ok, static_cast<float>(d)}
                                  : RealValue{NumberStatus::OutOfRange, 0.0f};
    return text::DecimalMagnitude(s) < 0 ? RealValue{NumberStatus::Ok, s[0] == '-' ? -0.0f : 0.0f}
                                         : RealValue{NumberStatus::OutOfRange, 0.0f};
}

} // namespace

RealValue DecodeReal(std::string_view line) {
    line = Trim(line);
    // What the number-to-text rule writes for values that are not finite.
    if (line == "NaN")
        return {NumberStatus::Ok, std::numeric_limits<float>::quiet_NaN()};
    if (line == "Inf" || line == "-Inf")
        return {NumberStatus::Ok, line[0] == '-' ? -std::numeric_limits<float>::infinity()
                                                 : std::numeric_limits<float>::infinity()};
    const std::optional<std::string> s = CheckedDecimal(line);
    return s ? NearestFloat(*s) : RealValue{};
}

std::optional<bool> DecodeBoolean(std::string_view line) {
    line = Trim(line);
    if (line == "#TRUE#")
        return true;
    if (line == "#FALSE#")
        return false;
    return std::nullopt;
}

} // namespace trochix::files
