#pragma once
// Code page 932 (Shift-JIS as Windows writes it) rules on QString.
// Field limits and cuts count bytes: a half-width character is 1 byte, every other one 2.

#include <QByteArray>
#include <QString>
#include <optional>

namespace text::cp932 {

// Bytes the text takes in code page 932 (half-width katakana and ASCII 1, others 2).
int byteLength(const QString &text);

// The longest head of text that fits in maxBytes, never splitting a character.
QString cutToBytes(const QString &text, int maxBytes);

// The first character (as a string, a surrogate pair kept whole) that code page 932
// cannot hold, or an empty optional when the whole text can be encoded.
std::optional<QString> firstUnencodable(const QString &text);

struct Encoded {
    QByteArray bytes;
    QString error; // empty when the text was encoded without loss
};
Encoded encode(const QString &text);

struct Decoded {
    QString text;
    QString error; // empty when every byte sequence was valid
};
Decoded decode(const QByteArray &bytes);

// One line of a file: its text, or nothing when a byte sequence is not code page 932.
std::optional<QString> decodeLine(const QByteArray &line);
// One line of a file: its bytes, or nothing when a character cannot be held.
std::optional<QByteArray> encodeLine(const QString &line);

} // namespace text::cp932
