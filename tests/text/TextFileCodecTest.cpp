// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/TextFileCodec.h"

#include "roster/RosterFileDecoding.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// What is written reads back through the roster file reader as the same
// text, line ends as CR LF, also when the text itself begins with the
// character that marks byte order.
TEST(TextFileCodec, WrittenTextReadsBackUnchanged)
{
    const QString texts[] = {
        QString(),
        QStringLiteral("Alpha,Beta,35\n"),
        QStringLiteral("Šťastný,Jiří,40\nČerná,,7\n"),
        QStringLiteral("\uFEFFNovak,Jan,35\nAdam,Eva,21\n"),
        QStringLiteral("\uFEFF\uFEFF"),
        QString::fromUtf8("a\0b\x01\r\xC5\xA0\n", 8),
    };
    for (const QString& text : texts) {
        const QByteArray bytes = EncodeTextForFile(text);
        EXPECT_EQ(DecodeRosterFile(bytes), QString(text).replace(u'\n', QStringLiteral("\r\n")))
            << bytes.toHex().toStdString();
    }
}

} // namespace
