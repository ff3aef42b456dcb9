// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopModalHost.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the file dialog on the desktop, where it is Qt's own file dialog, and
// plays the user's part on that dialog once it shows.
std::optional<QString> RunWithUser(const FileDialogRequest& request, const std::function<void(QFileDialog&)>& user)
{
    bool met = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                met = true;
                user(*dialog);
                return;
            }
        }
    });
    // A dialog the test could not find must not hang the test run.
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    const std::optional<QString> result = DesktopModalHost().ChooseFile(request);
    EXPECT_TRUE(met) << "no file dialog was shown";
    return result;
}

TEST(DesktopFileDialog, SaveDialogStartsAtTheInitialNameAndAsksBeforeOverwriting)
{
    const FileDialogRequest request{false, QStringLiteral("TXT"), QStringLiteral("Matrix.txt"),
                                    QStringLiteral("Text Files (*.txt)|*.txt"), true};
    const std::optional<QString> result = RunWithUser(request, [](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Text Files (*.txt)")});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("TXT"));
        EXPECT_TRUE(dialog.selectedFiles().value(0).endsWith(QStringLiteral("/Matrix.txt")))
            << dialog.selectedFiles().join(u' ').toStdString();
        dialog.reject();
    });
    EXPECT_EQ(result, std::nullopt);
}

TEST(DesktopFileDialog, OpenDialogGivesTheChosenFilesFullPath)
{
    QTemporaryDir dir;
    QFile chosen(dir.filePath(QStringLiteral("závod.txt")));
    ASSERT_TRUE(chosen.open(QIODevice::WriteOnly));
    chosen.close();
    const FileDialogRequest request{true, QStringLiteral("TXT"), QStringLiteral("Pilots.txt"),
                                    QStringLiteral("Text Files (*.txt)|*.txt|Comma Separated Files (*.csv)|*.csv")};
    const std::optional<QString> result = RunWithUser(request, [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), (QStringList{QStringLiteral("Text Files (*.txt)"),
                                                     QStringLiteral("Comma Separated Files (*.csv)")}));
        dialog.selectFile(chosen.fileName());
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    EXPECT_EQ(result, chosen.fileName());
}

} // namespace
