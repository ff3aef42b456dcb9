// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextFileCodec.h"

#include <QStringDecoder>

namespace {

const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");
constexpr QChar kByteOrderMark(0xFEFF);

} // namespace

QString DecodeTextFile(QByteArray bytes)
{
    if (bytes.startsWith(kUtf8ByteOrderMark))
        bytes.remove(0, kUtf8ByteOrderMark.size());
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Text files saved on Central European desktops of old are not UTF-8.
    // Windows-1250 maps every byte to a character, so no name is lost.
    QStringDecoder windows1250("windows-1250");
    return windows1250.decode(bytes);
}

QByteArray EncodeTextForFile(const QString& text, bool startOfFile)
{
    QString withLineEnds = text;
    withLineEnds.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // Reading drops one mark at the start of a file, so a text that begins
    // with the mark's own character needs a second mark to read back whole.
    if (startOfFile && withLineEnds.startsWith(kByteOrderMark))
        withLineEnds.prepend(kByteOrderMark);
    return withLineEnds.toUtf8();
}
