// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/TextFileCodec.h"

QByteArray EncodeTextForFile(const QString& text, bool startOfFile)
{
    constexpr QChar kByteOrderMark(0xFEFF);
    QString withLineEnds = text;
    withLineEnds.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // Reading drops one mark at the start of a file, so a text that begins
    // with the mark's own character needs a second mark to read back whole.
    if (startOfFile && withLineEnds.startsWith(kByteOrderMark))
        withLineEnds.prepend(kByteOrderMark);
    return withLineEnds.toUtf8();
}
