// Pictures written to a file without a window: PNG (an image), SVG and PDF (vectors), chosen by
// the file's extension. The file is written whole or not at all: the picture goes to a
// temporary file beside the target, which replaces the target only when complete.
//
// `paint` draws the picture into the rectangle it is given. For PNG the rectangle is `pixels`
// large; for SVG and PDF it spans the page, whose size is `millimetres` when a picture must be
// at true scale (a cam drawing), else `pixels` at 96 per inch.
#pragma once

#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <functional>
#include <optional>
#include <string>

class QPainter;

namespace trochix::ui {

enum class PictureFormat { Png, Svg, Pdf };

// The format named by the extension (".png", ".svg", ".pdf", any case); nothing otherwise.
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

using PicturePainter = std::function<void(QPainter&, const QRectF&)>;

// Writes the picture; on failure returns false and says why in `error` (the target is then
// as it was).
bool WritePicture(const std::string& path, QSize pixels, std::optional<QSizeF> millimetres,
                  const PicturePainter& paint, std::string& error);

} // namespace trochix::ui
