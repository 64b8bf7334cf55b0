#pragma once
// A page drawn in black, white and grey, written as a PNG file: one bit a pixel where the
// page is black and white only (the text of a page at 600 dpi and finer is drawn in whole
// pixels), else 8-bit grey. Each row is stored as its difference from the row above and
// compressed by zlib in runs only: a page of a table, mostly white and ruled, is mostly rows
// like the one above and runs of one byte, which that packs tightly, many times quicker than
// zlib's search for repeats.

#include <QImage>

class QIODevice;

namespace png {

// Whether every pixel of a grey page (QImage::Format_Grayscale8) is black or white.
bool blackAndWhite(const QImage &page);

// Writes a grey page with its resolution; false when the image is not a grey page or the
// device refuses the bytes.
bool write(const QImage &page, QIODevice &device);

} // namespace png
