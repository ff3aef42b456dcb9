// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KvoraxProcess.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QTemporaryDir>

namespace {

// Each export whose typed path may name a file already there.
struct Export {
    const char* name;
    int dialog;
    void (CRaceDlg::*command)();
};

const Export kExports[] = {
    {"Roster", IDD_EXPORT_PILOTS, &CRaceDlg::OnExportPilots},
    {"Matrix", IDD_EXPORT_MATRIX, &CRaceDlg::OnExportMatrix},
    {"HeatCards", IDD_EXPORT_HEATS, &CRaceDlg::OnExportHeatCards},
};

class ReplacingFiles : public MainWindowFixture {
protected:
    ReplacingFiles()
    {
        ListPilots({"Novák,Jan,35", "Dvořák,Petr,40"});
        window.Recalculate(1);
    }

    QString Existing(const char* name) const
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        WriteBytes(path, "kept\r\n");
        return path;
    }

    QTemporaryDir m_dir;
};

// No keeps the dialog open with the path, to be changed or confirmed.
TEST_F(ReplacingFiles, TypedPathOfAnExistingFileAsksAndNoReturnsToTheDialog)
{
    for (const Export& output : kExports) {
        const QString path = Existing(output.name);
        host.AnswerQuestion(IDNO);
        host.AnswerQuestion(IDYES);
        host.ExpectDialog(output.dialog, [&](DialogDriver& user) {
            user.Type(IDC_EXPORT_PATH, path);
            user.PressOk();
            EXPECT_FALSE(user.HasEnded()) << output.name;
            EXPECT_EQ(user.Text(IDC_EXPORT_PATH), path);
            EXPECT_EQ(ReadBytes(path), QByteArray("kept\r\n"));
            user.PressOk();
        });
        (window.*output.command)();
        EXPECT_EQ(host.TakeMessages(),
                  QStringList(2, QStringLiteral("The file \"%1\" already exists. Do you want to replace it?").arg(path)))
            << output.name;
        EXPECT_NE(ReadBytes(path), QByteArray("kept\r\n")) << output.name;
    }
}

// The file chooser has asked already; a new file asks nothing.
TEST_F(ReplacingFiles, BrowsedOrNewFileIsNotAskedAbout)
{
    for (const Export& output : kExports) {
        const QString browsed = Existing(output.name);
        host.AnswerFile(browsed);
        host.ExpectDialog(output.dialog, [](DialogDriver& user) {
            user.Press(IDC_BROWSE);
            user.PressOk();
        });
        (window.*output.command)();
        EXPECT_NE(ReadBytes(browsed), QByteArray("kept\r\n")) << output.name;

        host.ExpectDialog(output.dialog, [&](DialogDriver& user) {
            user.Type(IDC_EXPORT_PATH, m_dir.filePath(QStringLiteral("new-") + QLatin1String(output.name)));
            user.PressOk();
        });
        (window.*output.command)();
    }
    EXPECT_TRUE(host.Messages().isEmpty()) << host.Messages().join(u'\n').toStdString();
}

}  // namespace
