#include "platform/CFileDialog.h"

#include "platform/Win32Types.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr unsigned kFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

// Runs the file dialog on the desktop, where it is Qt's own file dialog, and
// plays the user's part on that dialog once it shows.
int RunWithUser(CFileDialog& fileDialog, const std::function<void(QFileDialog&)>& user)
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
    const int result = fileDialog.DoModal();
    EXPECT_TRUE(met) << "no file dialog was shown";
    return result;
}

TEST(CFileDialog, CancelledSaveDialogAskedBeforeOverwritingAndGivesTheInitialName)
{
    CFileDialog fileDialog(false, QStringLiteral("TXT"), QStringLiteral("Matrix.txt"), kFlags,
                           QStringLiteral("Text Files (*.txt)|*.txt"));
    const int result = RunWithUser(fileDialog, [](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Text Files (*.txt)")});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("TXT"));
        EXPECT_TRUE(dialog.selectedFiles().value(0).endsWith(QStringLiteral("/Matrix.txt")))
            << dialog.selectedFiles().join(u' ').toStdString();
        dialog.reject();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(fileDialog.GetPathName(), QStringLiteral("Matrix.txt"));
}

TEST(CFileDialog, OpenDialogGivesTheChosenFilesFullPath)
{
    QTemporaryDir dir;
    QFile chosen(dir.filePath(QStringLiteral("závod.txt")));
    ASSERT_TRUE(chosen.open(QIODevice::WriteOnly));
    chosen.close();
    CFileDialog fileDialog(true, QStringLiteral("TXT"), QStringLiteral("Pilots.txt"), kFlags,
                           QStringLiteral("Text Files (*.txt)|*.txt|Comma Separated Files (*.csv)|*.csv"));
    const int result = RunWithUser(fileDialog, [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), (QStringList{QStringLiteral("Text Files (*.txt)"),
                                                     QStringLiteral("Comma Separated Files (*.csv)")}));
        dialog.selectFile(chosen.fileName());
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(fileDialog.GetPathName(), chosen.fileName());
}

} // namespace
