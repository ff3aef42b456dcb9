// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster/RosterFileDecoding.h"

#include <QStringDecoder>
#include <array>

namespace {

struct ByteOrderMark {
    QByteArrayView bytes;
    QStringConverter::Encoding encoding;
};

// The UTF-32 little-endian mark begins with the UTF-16 one, so it is looked
// for first.
constexpr std::array kByteOrderMarks = {
    ByteOrderMark{QByteArrayView("\xFF\xFE\x00\x00", 4), QStringConverter::Utf32LE},
    ByteOrderMark{QByteArrayView("\x00\x00\xFE\xFF", 4), QStringConverter::Utf32BE},
    ByteOrderMark{QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE},
    ByteOrderMark{QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE},
};
constexpr QByteArrayView kUtf8ByteOrderMark("\xEF\xBB\xBF", 3);

// Qt's decoders pass a lone surrogate through and end a cut-off character
// with a replacement mark without reporting either, so the units are checked
// here: whole units only, every one a character.
bool HoldsWholeCharacters(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    if (encoding == QStringConverter::Utf16LE || encoding == QStringConverter::Utf16BE)
        return bytes.size() % 2 == 0;
    if (encoding != QStringConverter::Utf32LE && encoding != QStringConverter::Utf32BE)
        return true;
    if (bytes.size() % 4 != 0)
        return false;
    for (qsizetype at = 0; at < bytes.size(); at += 4) {
        const auto byte = [&](int index) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[at + index])); };
        const char32_t unit = encoding == QStringConverter::Utf32LE
                                  ? byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24
                                  : byte(3) | byte(2) << 8 | byte(1) << 16 | byte(0) << 24;
        if (unit > 0x10FFFF || (unit >= 0xD800 && unit <= 0xDFFF))
            return false;
    }
    return true;
}

std::optional<QString> DecodeStrictly(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    if (!HoldsWholeCharacters(bytes, encoding))
        return std::nullopt;
    // The mark itself is already cut off; a second one is part of the text.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || !text.isValidUtf16())
        return std::nullopt;
    return text;
}

// Windows-1250 leaves five bytes undefined; a file holding one of them is
// not in that code page either (the decoder would make control characters
// of them).
std::optional<QString> DecodeWindows1250(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (QByteArrayView("\x81\x83\x88\x90\x98").contains(byte))
            return std::nullopt;
    }
    QStringDecoder decoder("windows-1250");
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

}  // namespace

std::optional<QString> DecodeRosterFile(const QByteArray& bytes)
{
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (QByteArrayView(bytes).startsWith(mark.bytes))
            return DecodeStrictly(QByteArrayView(bytes).sliced(mark.bytes.size()), mark.encoding);
    }
    // A UTF-8 mark is dropped and the rest read as a file without one, as
    // roster files have always been read.
    QByteArrayView text(bytes);
    if (text.startsWith(kUtf8ByteOrderMark))
        text = text.sliced(kUtf8ByteOrderMark.size());
    if (std::optional<QString> utf8 = DecodeStrictly(text, QStringConverter::Utf8))
        return utf8;
    return DecodeWindows1250(text);
}

QStringList SplitRosterLines(const QString& text)
{
    const bool crOnly = !text.contains(u'\n');
    QStringList lines = text.split(crOnly ? u'\r' : u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    if (!crOnly) {
        for (QString& line : lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
    }
    return lines;
}
