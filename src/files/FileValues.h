// Value encoding of model files: one value per line, each line ending in CR LF.
//
//  text     "as typed"      quotes around the text, nothing escaped
//  integer  -12             decimal digits, a "-" for negatives, no blanks
//  real     .5  -.25  1.5E+07  the shortest decimal form that reads back as the same float
//                           (up to 9 significant digits; older files hold at most 7)
//  boolean  #TRUE#  #FALSE#
//
// Decoding is strict: a line must hold one whole value of the expected kind. Surrounding
// blanks are tolerated; anything else (a text where a number belongs, a quote missing, a
// boolean spelt otherwise, a number too large for its type) is refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trochix::files {

std::string EncodeText(std::string_view text);
std::string EncodeInteger(int value);
std::string EncodeReal(float value);
std::string EncodeBoolean(bool value);

// The text between the opening and the closing quote of a line "..." (the last quote closes,
// so a text holding a quote still reads back whole).
std::optional<std::string> DecodeText(std::string_view line);

// A whole signed decimal integer that fits an int (older files hold 16-bit values; the
// model's integers are wider, and whatever the writer writes must read back).
enum class NumberStatus { Ok, NotANumber, OutOfRange };
struct IntegerValue {
    NumberStatus status = NumberStatus::NotANumber;
    int value = 0;
};
IntegerValue DecodeInteger(std::string_view line);

// A whole decimal number: optional sign, digits with an optional point (".5", "3."), optional
// exponent E/D with sign. Magnitudes beyond the float range are OutOfRange; magnitudes below
// the smallest float read as the nearest float (zero or a subnormal). "NaN", "Inf" and "-Inf",
// which the writer gives values that are not finite, read back as such.
struct RealValue {
    NumberStatus status = NumberStatus::NotANumber;
    float value = 0.0f;
};
RealValue DecodeReal(std::string_view line);

std::optional<bool> DecodeBoolean(std::string_view line);

// Collects encoded values as CR LF lines.
class LineWriter {
public:
    void text(std::string_view v) { line(EncodeText(v)); }
    void integer(int v) { line(EncodeInteger(v)); }
    void real(float v) { line(EncodeReal(v)); }
    void boolean(bool v) { line(EncodeBoolean(v)); }
    void line(std::string_view encoded) {
        out_ += encoded;
        out_ += "\r\n";
    }
    std::string& str() { return out_; }

private:
    std::string out_;
};

} // namespace trochix::files
