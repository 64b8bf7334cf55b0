#pragma once
// A zlib stream (RFC 1950, deflate of RFC 1951) for the rows of a page image, made for speed:
// every byte is either copied from the byte before it (a run), copied from the row above
// it, or written as itself, in one block of the fixed codes. A page of a table, mostly
// white and ruled, packs nearly as tightly as with zlib's fastest level, several times
// quicker.

#include <QByteArray>

namespace tables::png {

// The stream of the bytes, which are rows of rowLength bytes each (any length works; rows
// longer than deflate's window of 32768 bytes are copied from within the row only).
QByteArray zlibStream(const QByteArray &bytes, qsizetype rowLength);

} // namespace tables::png
