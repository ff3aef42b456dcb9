// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchModalHost.h"

#include "dialogs/CAboutDlg.h"
#include "support/QtPrinters.h"

#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The error stream of a batch run, kept in a temporary file to be read back.
class ErrorStream {
public:
    ErrorStream() : m_file(std::tmpfile(), &std::fclose) {}
    std::FILE* File() const { return m_file.get(); }
    QString Text() const
    {
        std::rewind(m_file.get());
        QByteArray bytes;
        char buffer[256];
        while (const size_t read = std::fread(buffer, 1, sizeof buffer, m_file.get()))
            bytes.append(buffer, qsizetype(read));
        return QString::fromUtf8(bytes);
    }

private:
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> m_file;
};

}  // namespace

TEST(BatchModalHost, WritesEachMessageAsOneLineAndAnswersOk)
{
    ErrorStream errors;
    BatchModalHost host(errors.File());
    EXPECT_EQ(host.ShowMessage(QStringLiteral("Two lines\r\nin one box."), MB_OK | MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(host.ShowMessage(QStringLiteral("Příliš mnoho pilotů.\nZkraťte seznam."), MB_OK), IDOK);
    EXPECT_EQ(errors.Text(), QStringLiteral("Two lines in one box.\nPříliš mnoho pilotů. Zkraťte seznam.\n"));
    EXPECT_EQ(host.MessageCount(), 2);
}

// Any control character in a message (a pilot's name from a file may hold
// ESC) is written as its code; only the line ends reach the terminal.
TEST(BatchModalHost, WritesControlCharactersAsTheirCodes)
{
    ErrorStream errors;
    BatchModalHost host(errors.File());
    for (char16_t code = 0; code < 0xa0; ++code)
        host.ShowMessage(QStringLiteral("a") + QChar(code), MB_OK);
    const QString text = errors.Text();
    EXPECT_EQ(std::count_if(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }),
              std::count(text.begin(), text.end(), u'\n'));
    EXPECT_EQ(text.count(u'\n'), 0xa0);
    EXPECT_TRUE(text.contains(QStringLiteral("\na\\x1b\n")));
}

TEST(BatchModalHost, CancelsADialogItCannotAnswerAndSaysSo)
{
    ErrorStream errors;
    BatchModalHost host(errors.File());
    CAboutDlg about(host);
    EXPECT_EQ(about.DoModal(), IDCANCEL);
    EXPECT_EQ(host.RefusedDialogCount(), 1);
    EXPECT_TRUE(errors.Text().contains(QStringLiteral("cannot be answered in a batch run")));
}

TEST(BatchModalHost, PrintsIntoThePdfFileItWasGivenOnWholeA4)
{
    ErrorStream errors;
    BatchModalHost host(errors.File());
    host.AnswerWithPath(QStringLiteral("/tmp/heats.pdf"));
    QPrinter printer;
    ASSERT_TRUE(host.ChoosePrinter(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/heats.pdf"));
    const QRectF page = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    EXPECT_DOUBLE_EQ(page.width(), 210.0);
    EXPECT_DOUBLE_EQ(page.height(), 297.0);
}
