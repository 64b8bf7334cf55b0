#pragma once
// A QR code of a text (the address of a page), as rows of dark (true) and light modules.

#include <QList>
#include <QString>

namespace venue {

using QrModules = QList<QList<bool>>;

// The modules of the text's QR code at medium error correction; empty when it does not fit.
QrModules qrModules(const QString &text);

} // namespace venue
