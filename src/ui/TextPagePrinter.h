// Fixed-pitch text on paper and on screen: the continuity report, the polynomial table and the
// printed result tables all go through here.
//
// The lines come laid out already (text/TextColumns.h: tab columns and 14-character print
// zones), so one character is one column on paper as on screen. A page holds as many lines as
// fit its printable height; a line beyond that starts a new page, and newPage() starts one on
// request. Nothing reaches the printer until endDoc(), which paints every page and ends the
// document, so the laid-out pages can be inspected before painting.
//
//   TextPagePrinter out(ctx, "Continuity_Print");
//   if (!out.open(this))        // the printer dialog; Cancel ends quietly
//       return;
//   out.print(lines);
//   out.endDoc();               // faults are reported under "Continuity_Print"
#pragma once

#include <QFont>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace trochix::ui {

struct AppContext;

// The fixed-pitch font of text pages and of the text areas that show the same lines.
QFont FixedPitchFont(double pointSize = 10.0);

// A read-only text area for lines laid out in columns: fixed-pitch, no wrapping, sized for
// `columns` characters by `rows` lines.
QPlainTextEdit* MakeTextArea(const QString& objectName, int columns, int rows, QWidget* parent);
// Replaces the area's text with the lines, one per line, exactly as given.
void SetLines(QPlainTextEdit& area, const std::vector<std::string>& lines);

class TextPagePrinter {
public:
    // Columns that always fit across the page: the font shrinks below its usual size if needed.
    static constexpr int kMinColumns = 80;

    TextPagePrinter(AppContext& ctx, std::string routineName);
    ~TextPagePrinter();
    TextPagePrinter(const TextPagePrinter&) = delete;
    TextPagePrinter& operator=(const TextPagePrinter&) = delete;

    // Lines that must fit one page, for reports laid out in pages of their own (set before
    // open(); the font shrinks below its usual size if needed).
    void setMinimumLines(int lines) { m_minLines = lines; }

    // Shows the printer dialog and measures the page. False when the user cancelled.
    bool open(QWidget* parent);

    void print(const std::string& line);
    void print(const std::vector<std::string>& lines);
    // Starts a new page; the next line goes to its top.
    void newPage();
    // Paints the pages and ends the document. False when a fault was reported.
    bool endDoc();

    // Lines of text on one page and characters across it (known after open()).
    int linesPerPage() const { return m_linesPerPage; }
    int columnsPerLine() const { return m_columns; }
    // The pages laid out so far, the last one possibly still filling.
    const std::vector<std::vector<std::string>>& pages() const { return m_pages; }
    const QFont& font() const { return m_font; }

private:
    AppContext& m_ctx;
    std::string m_routine;
    std::unique_ptr<QPrinter> m_printer;
    QFont m_font;
    double m_lineSpacing = 0;
    double m_ascent = 0;
    int m_linesPerPage = 60;
    int m_columns = kMinColumns;
    int m_minLines = 1;
    std::vector<std::vector<std::string>> m_pages{{}};
};

// The whole command for a report of one piece: the printer dialog, then the lines from `build`
// (called only after the dialog was accepted, so a page header carries the time of printing),
// then the end of the document. False when cancelled or when a fault was reported.
template <class Build>
bool PrintTextPages(AppContext& ctx, QWidget* parent, const std::string& routineName,
                    Build&& build) {
    TextPagePrinter out(ctx, routineName);
    if (!out.open(parent))
        return false;
    out.print(build());
    return out.endDoc();
}

} // namespace trochix::ui
