// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopModalHost.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

// Every page is printed once: the real print dialog lets the user choose the
// printer or a PDF file, but no range of pages, which a PDF file would
// silently ignore anyway.
TEST(DesktopPrintDialog, OffersNoRangeOfPages)
{
    DesktopModalHost host;
    QPrinter printer(QPrinter::HighResolution);
    bool sawDialog = false;
    bool rangeOffered = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        sawDialog = true;
        const auto* pagesFrom = dialog->findChild<QRadioButton*>(QStringLiteral("printRange"));
        const auto* firstPage = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
        rangeOffered = (pagesFrom && pagesFrom->isEnabled()) || (firstPage && firstPage->isEnabled());
        dialog->reject();
    });

    EXPECT_FALSE(host.ChoosePrinter(printer));
    ASSERT_TRUE(sawDialog);
    EXPECT_FALSE(rangeOffered);
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
}
