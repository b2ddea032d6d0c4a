// Lines of fixed-pitch text laid out the way the program prints: items placed at tab columns,
// commas that jump to the next 14-character print zone, and numbers in the general print form.
// Screens show these lines in text areas, the printer prints them in a fixed-pitch font and the
// text exports write them, so all three agree character for character.
//
// Columns are 1-based character positions. The rules:
//   tab(n)      pads with blanks so that the next character lands in column n; when the line
//               already reaches past column n - 1, a single blank is written instead, so items
//               never run together and a row never breaks in two.
//   zone()      a comma between print items: pads to the start of the next print zone
//               (columns 1, 15, 29, 43, ...), always strictly after the current position, so
//               at least one blank is written.
//   number(v)   a number as printed in general format: a leading blank for non-negative values
//               (or "-"), the shortest digits (7 significant for float, 15 for double), and one
//               trailing blank: " 1.5 ", "-.25 ".
//   right(n, s) s placed so that its last character lands in column n (or after one blank when
//               the line is already too long), for right-aligned table columns.
#pragma once

#include <string>
#include <string_view>

namespace trochix::text {

constexpr int kPrintZoneWidth = 14;

// Start column of the print zone after `column`: 1 -> 15, 14 -> 15, 15 -> 29.
int NextZoneColumn(int column);

class TextLine {
public:
    TextLine() = default;
    explicit TextLine(std::string_view start) : m_text(start) {}

    TextLine& tab(int column);
    TextLine& zone();
    TextLine& text(std::string_view s);
    TextLine& number(double value);
    TextLine& number(float value);
    TextLine& number(int value);
    TextLine& right(int lastColumn, std::string_view s);

    // Column where the next character goes.
    int column() const { return static_cast<int>(m_text.size()) + 1; }
    const std::string& str() const { return m_text; }
    operator std::string() const { return m_text; }

private:
    std::string m_text;
};

} // namespace trochix::text
