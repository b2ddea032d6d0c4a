#include "text/TextColumns.h"

#include "text/NumberText.h"

namespace trochix::text {

int NextZoneColumn(int column) {
    if (column < 1)
        return 1;
    return ((column - 1) / kPrintZoneWidth + 1) * kPrintZoneWidth + 1;
}

TextLine& TextLine::tab(int column) {
    if (column < 1)
        column = 1;
    if (this->column() <= column)
        m_text.append(static_cast<size_t>(column - this->column()), ' ');
    else
        m_text += ' ';
    return *this;
}

TextLine& TextLine::zone() {
    m_text.append(static_cast<size_t>(NextZoneColumn(column()) - column()), ' ');
    return *this;
}

TextLine& TextLine::text(std::string_view s) {
    m_text += s;
    return *this;
}

TextLine& TextLine::number(double value) {
    return text(PrintNumber(value));
}

TextLine& TextLine::number(float value) {
    return text(PrintNumber(value));
}

TextLine& TextLine::number(int value) {
    return text(PrintNumber(value));
}

TextLine& TextLine::right(int lastColumn, std::string_view s) {
    const int start = lastColumn - static_cast<int>(s.size()) + 1;
    if (start >= column())
        tab(start);
    else if (!m_text.empty())
        m_text += ' ';
    return text(s);
}

} // namespace trochix::text
