#include "ui/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace trochix::ui {

namespace {

QWidget* DialogParent() {
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

} // namespace

std::optional<std::string> QtDialogs::saveFileName(const FileRequest& r) {
    QFileDialog::Options options;
    if (!r.overwritePrompt)
        options |= QFileDialog::DontConfirmOverwrite;
    return Chosen(QFileDialog::getSaveFileName(
        DialogParent(), QString::fromStdString(r.title), QString::fromStdString(r.proposedName),
        QString::fromStdString(r.filter), nullptr, options));
}

std::optional<std::string> QtDialogs::openFileName(const FileRequest& r) {
    return Chosen(QFileDialog::getOpenFileName(DialogParent(), QString::fromStdString(r.title),
                                               QString::fromStdString(r.proposedName),
                                               QString::fromStdString(r.filter)));
}

bool QtDialogs::choosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent ? parent : DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace trochix::ui
