#include "ui/Look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QWidget>

namespace trochix::ui {

namespace {

const char* const kStyleSheet = R"(
QMainWindow, QDialog { background: #eef2f6; }
QFrame[banner="true"] {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #1d3557, stop:1 #2e6f9e);
    border: none; border-radius: 8px;
}
QFrame[banner="true"] QLabel { color: #f4f8fb; background: transparent; }
QFrame[panel="true"] {
    background: #ffffff; border: 1px solid #c3ccd6; border-radius: 6px;
}
QFrame[panel="true"] QLabel { background: transparent; }
QPushButton {
    padding: 6px 16px; border: 1px solid #9fb0c2; border-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6ecf2);
    color: #1b2a3a;
}
QPushButton:hover { background: #dbe8f5; border-color: #5d8fbf; }
QPushButton:pressed { background: #c4d9ee; }
QPushButton:focus, QPushButton:default { border: 2px solid #2e6f9e; }
QPushButton:disabled { color: #9aa6b2; background: #edf0f3; border-color: #d0d7de; }
QLineEdit { padding: 4px 6px; border: 1px solid #9fb0c2; border-radius: 4px; background: white; }
QLineEdit:focus { border: 2px solid #2e6f9e; }
QMenuBar { background: #f7f9fb; border-bottom: 1px solid #c3ccd6; }
)";

} // namespace

QString FrameStyle(const char* padding, int captionLeft) {
    return QStringLiteral(R"(
QGroupBox {
    font-weight: bold; color: #1d3557; background: #f7f9fb;
    border: 1px solid #c3ccd6; border-radius: 6px; margin-top: 14px; padding: %1;
}
QGroupBox::title { subcontrol-origin: margin; left: %2px; padding: 0 4px; }
)")
        .arg(QLatin1String(padding))
        .arg(captionLeft);
}

void ApplyLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        app.setStyle(fusion);
    QFont font = app.font();
    if (font.pointSizeF() > 0 && font.pointSizeF() < 10)
        font.setPointSizeF(10);
    app.setFont(font);
    app.setStyleSheet(kStyleSheet);
}

void SetFontScale(QWidget& widget, double factor, bool bold) {
    QFont font = widget.font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * factor));
    font.setBold(bold);
    widget.setFont(font);
}

} // namespace trochix::ui
