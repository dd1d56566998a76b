#pragma once

#include <QRect>

class QPainter;

namespace skin {

// The picture of a caption button: image `number` (148 to 155) filling `area`, a rectangle in the
// device pixels of a painter that draws in device pixels. At 16 × 15 device pixels it is the
// bitmap itself, copied one to one; at any other size the same picture is drawn for that many
// pixels: a coloured square in a near-white ring with rounded corners on the band's colour, and a
// white glyph whose edges fall on whole device pixels.
void DrawCaptionPicture(QPainter& painter, const QRect& area, int number);

}  // namespace skin
