// Every number-to-text and text-to-number rule of the program.
//
//  Str / StrD     the number-to-text rule: shortest decimal form, a leading blank for
//                 non-negative values, no zero before the point (" .5", "-.25", " 1E+07").
//  Val            the numeric value of a text: its leading number, else 0 (never NaN).
//  FNRound        x rounded half up to n decimals.
//  FNRoundStr     x as text with a format picture chosen by n ("1,234.50").
//  Set_Format     the picture of a printed table column for n decimals.
//  FormatPicture  any such picture applied to a value.
#pragma once

#include <string>
#include <string_view>

namespace trochix::text {

// Leading number of a text, as a numeric box reads it: blanks are skipped, then an optional
// sign, digits, a decimal point and an exponent; anything else ends the number. "" -> 0.
// Magnitudes beyond the float range give +-3.402823E+38, so the result always fits a model real.
double Val(std::string_view text);
// True when the whole text, blanks aside, is the number Val reads: at least one digit, and
// nothing before or after it ("abc", "12abc", "1.5.2" and "" are not numbers). A box refuses a
// text that is not a number as it refuses one out of its range, so letters never read as 0.
bool HoldsNumber(std::string_view text);

// The value of a checked decimal text (an optional sign, digits with an optional point, an
// optional exponent E or e with its sign), in every locale; beyond the double range it is
// +-infinity, below it +-0.
double DecimalValue(std::string_view text);
// The decimal exponent of the leading non-zero digit of such a text ("-1.5E+400" -> 400,
// ".0002" -> -4); the text's exponent alone when no digit is non-zero.
long DecimalMagnitude(std::string_view text);

// Number-to-text rule for single-precision values (at most 7 significant digits).
std::string Str(float value);
// Str without the blank a non-negative value leads with: a number as a box or a line shows it.
std::string TrimmedStr(float value);
// The same for double-precision values (at most 15 significant digits).
std::string StrD(double value);

// Shortest decimal digits (at most maxDigits significant) that read back as `value`, written
// without a leading blank, with no zero before the point and with an E+nn exponent for very
// large or small magnitudes. With maxDigits 9 every float reads back exactly.
// Values that are not finite give "NaN", "Inf" or "-Inf".
std::string ShortestFloat(float value, int maxDigits);
std::string ShortestDouble(double value, int maxDigits);

// floor(x * 10^n + 0.5) / 10^n for n = 0..4, and 5 decimals for any other n.
double FNRound(double x, int n);

// The picture FNRoundStr uses for n decimals.
std::string FNRoundPicture(int n);
std::string FNRoundStr(double x, int n);

// The picture of a printed column with `decimals` places ("positive ; negative" sections).
std::string Set_Format(int decimals);
// A value in the column format of Set_Format(decimals).
std::string FormatDecimals(double value, int decimals);

// Applies a picture: '#' optional digit, '0' required digit, ',' thousands grouping,
// '.' decimal point (always printed), blanks among the decimals printed as blanks,
// "E+"/"E-" scientific notation; " ; " separates the positive/zero and negative sections.
// Halves round away from zero.
std::string FormatPicture(double value, std::string_view picture);

// How a printed number appears in general format: the number-to-text rule plus a trailing blank.
// A float prints with its own 7 digits, not with the 15 of its double widening.
std::string PrintNumber(double value);
std::string PrintNumber(float value);
std::string PrintNumber(int value);

} // namespace trochix::text
