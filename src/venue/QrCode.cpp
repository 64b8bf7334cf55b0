#include "venue/QrCode.h"

#include <qrcodegen.hpp>

namespace venue {

QrModules qrModules(const QString &text)
{
    try {
        const qrcodegen::QrCode code =
            qrcodegen::QrCode::encodeText(text.toUtf8().constData(), qrcodegen::QrCode::Ecc::MEDIUM);
        QrModules rows(code.getSize());
        for (int y = 0; y < code.getSize(); ++y)
            for (int x = 0; x < code.getSize(); ++x) rows[y] << code.getModule(x, y);
        return rows;
    } catch (const qrcodegen::data_too_long &) {
        return {};
    }
}

} // namespace venue
