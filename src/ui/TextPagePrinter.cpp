#include "ui/TextPagePrinter.h"

#include "model/Fault.h"
#include "model/ReportError.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace trochix::ui {

namespace {

constexpr double kSmallestPointSize = 5.0;

} // namespace

QFont FixedPitchFont(double pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

QPlainTextEdit* MakeTextArea(const QString& objectName, int columns, int rows, QWidget* parent) {
    auto* area = new QPlainTextEdit(parent);
    area->setObjectName(objectName);
    area->setReadOnly(true);
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    area->setFont(FixedPitchFont());
    area->setStyleSheet("QPlainTextEdit { background: #fbfcfd; border: 1px solid #c3ccd6; }");
    const QFontMetrics metrics(area->font());
    const int frame =
        2 * area->frameWidth() + 2 * static_cast<int>(area->document()->documentMargin());
    area->setMinimumSize(metrics.horizontalAdvance(QString(columns, QLatin1Char('0'))) + frame + 4,
                         metrics.lineSpacing() * rows + frame);
    return area;
}

void SetLines(QPlainTextEdit& area, const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<int>(lines.size()));
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    area.setPlainText(text.join(QLatin1Char('\n')));
}

TextPagePrinter::TextPagePrinter(AppContext& ctx, std::string routineName)
    : m_ctx(ctx), m_routine(std::move(routineName)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_font(FixedPitchFont()) {}

TextPagePrinter::~TextPagePrinter() = default;

bool TextPagePrinter::open(QWidget* parent) {
    if (!m_ctx.dialogs.choosePrinter(*m_printer, parent))
        return false;
    const QRectF area = m_printer->pageLayout().paintRectPixels(m_printer->resolution());
    QFontMetricsF metrics(m_font, m_printer.get());
    // Keep a full line of text on the page: shrink the font for narrow paper.
    const double advance = metrics.horizontalAdvance(QLatin1Char('0'));
    if (advance > 0 && advance * kMinColumns > area.width()) {
        const double size = m_font.pointSizeF() * area.width() / (advance * kMinColumns);
        m_font.setPointSizeF(std::max(kSmallestPointSize, std::floor(size * 10) / 10));
        metrics = QFontMetricsF(m_font, m_printer.get());
    }
    // Keep a whole laid-out page on one sheet: shrink the font for short paper.
    if (metrics.lineSpacing() * m_minLines > area.height()) {
        double size = m_font.pointSizeF() * area.height() / (metrics.lineSpacing() * m_minLines);
        size = std::floor(size * 10) / 10;
        // Line spacing does not follow the size exactly: step down until the lines fit.
        for (;; size -= 0.1) {
            m_font.setPointSizeF(std::max(kSmallestPointSize, size));
            metrics = QFontMetricsF(m_font, m_printer.get());
            if (metrics.lineSpacing() * m_minLines <= area.height() || size <= kSmallestPointSize)
                break;
        }
    }
    m_lineSpacing = metrics.lineSpacing();
    m_ascent = metrics.ascent();
    const double width = metrics.horizontalAdvance(QLatin1Char('0'));
    m_linesPerPage =
        m_lineSpacing > 0 ? std::max(1, static_cast<int>(area.height() / m_lineSpacing)) : 1;
    m_columns = width > 0 ? std::max(1, static_cast<int>(area.width() / width)) : kMinColumns;
    return true;
}

void TextPagePrinter::print(const std::string& line) {
    if (static_cast<int>(m_pages.back().size()) >= m_linesPerPage)
        m_pages.emplace_back();
    m_pages.back().push_back(line);
}

void TextPagePrinter::print(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        print(line);
}

void TextPagePrinter::newPage() { m_pages.emplace_back(); }

bool TextPagePrinter::endDoc() {
    // A page requested last and never written to is not sent.
    if (m_pages.size() > 1 && m_pages.back().empty())
        m_pages.pop_back();
    return model::RunGuarded(m_ctx.host, m_routine, [&] {
        QPainter painter;
        if (!painter.begin(m_printer.get()))
            throw model::Fault(model::kDeviceIOError);
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        for (size_t p = 0; p < m_pages.size(); ++p) {
            if (p > 0 && !m_printer->newPage())
                throw model::Fault(model::kDeviceIOError);
            double baseline = m_ascent;
            for (const std::string& line : m_pages[p]) {
                painter.drawText(QPointF(0, baseline), QString::fromStdString(line));
                baseline += m_lineSpacing;
            }
        }
        if (!painter.end())
            throw model::Fault(model::kDeviceIOError);
    });
}

} // namespace trochix::ui
