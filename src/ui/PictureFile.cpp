#include "ui/PictureFile.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace trochix::ui {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kVectorDpi = 1200;

std::string LowerExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

QSizeF PageMillimetres(QSize pixels, std::optional<QSizeF> millimetres) {
    if (millimetres)
        return *millimetres;
    return QSizeF(pixels.width() * kMmPerInch / 96.0, pixels.height() * kMmPerInch / 96.0);
}

bool PaintPng(QSaveFile& file, QSize pixels, const PicturePainter& paint) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    return image.save(&file, "PNG");
}

bool PaintSvg(QSaveFile& file, QSize pixels, std::optional<QSizeF> millimetres,
              const PicturePainter& paint) {
    // The drawing is laid out on a grid of kVectorDpi per inch, so the page size written into
    // the file is the one asked for.
    const QSizeF mm = PageMillimetres(pixels, millimetres);
    const QSize grid(static_cast<int>(std::lround(mm.width() / kMmPerInch * kVectorDpi)),
                     static_cast<int>(std::lround(mm.height() / kMmPerInch * kVectorDpi)));
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(kVectorDpi);
    svg.setSize(grid);
    svg.setViewBox(QRect(QPoint(0, 0), grid));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paint(painter, QRectF(QPointF(0, 0), QSizeF(grid)));
    return painter.end();
}

bool PaintPdf(QSaveFile& file, QSize pixels, std::optional<QSizeF> millimetres,
              const PicturePainter& paint) {
    QPdfWriter pdf(&file);
    pdf.setResolution(kVectorDpi);
    pdf.setPageSize(QPageSize(PageMillimetres(pixels, millimetres), QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    paint(painter, QRectF(QPointF(0, 0), QSizeF(page.size())));
    return painter.end();
}

} // namespace

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
    const std::string ext = LowerExtension(path);
    if (ext == ".png")
        return PictureFormat::Png;
    if (ext == ".svg")
        return PictureFormat::Svg;
    if (ext == ".pdf")
        return PictureFormat::Pdf;
    return std::nullopt;
}

bool WritePicture(const std::string& path, QSize pixels, std::optional<QSizeF> millimetres,
                  const PicturePainter& paint, std::string& error) {
    const auto format = PictureFormatOf(path);
    if (!format) {
        error = "the picture file must end in .png, .svg or .pdf: " + path;
        return false;
    }
    if (pixels.width() < 1 || pixels.height() < 1 ||
        (millimetres && !(millimetres->width() > 0 && millimetres->height() > 0))) {
        error = "the picture has no size";
        return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    bool painted = false;
    switch (*format) {
    case PictureFormat::Png: painted = PaintPng(file, pixels, paint); break;
    case PictureFormat::Svg: painted = PaintSvg(file, pixels, millimetres, paint); break;
    case PictureFormat::Pdf: painted = PaintPdf(file, pixels, millimetres, paint); break;
    }
    if (!painted) {
        file.cancelWriting();
        error = "cannot draw the picture for " + path;
        return false;
    }
    if (!file.commit()) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace trochix::ui
