// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PathDialogs.h"

#include "platform/DialogDriver.h"
#include "platform/ScriptedModalHost.h"
#include "res/ResourceIds.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace {

const QString kRosterFilter = QStringLiteral("Text Files (*.txt)|*.txt|Comma Separated Files (*.csv)|*.csv");
const QString kTextFilter = QStringLiteral("Text Files (*.txt)|*.txt");

// What sets one path dialog apart from the others.
struct PathDialogCase {
    const char* name;
    std::function<std::unique_ptr<CPathDlg>(ModalHost&)> make;
    int templateId;
    QString caption;
    int pathId;
    QString initialPath;
    bool opensFile;
    QString browseName;
    QString filter;
    QStringList labels;
};

void PrintTo(const PathDialogCase& dialog, std::ostream* out)
{
    *out << dialog.name;
}

std::vector<PathDialogCase> AllPathDialogs()
{
    const QString saveAs = QStringLiteral("&Uložit jako:");
    return {
        {"ImportPilots", [](ModalHost& host) { return std::make_unique<CImportPilotsDlg>(host); }, IDD_IMPORT_PILOTS,
         QStringLiteral("Import seznamu pilotů"), IDC_IMPORT_PATH, "Pilots.txt", true, "Pilots.txt", kRosterFilter,
         {QStringLiteral("Cesta k importovanému souboru:"),
          QStringLiteral("Můžete importovat ASCII soubor ve kterém jsou jednotlivé položky odděleny čárkou. Záznam "
                         "každého pilota musí být v jedné řádce. Struktura záznamu má tento tvar:"),
          QStringLiteral("příjmení pilota, jméno pilota, frekvence")}},
        {"ExportPilots", [](ModalHost& host) { return std::make_unique<CExportPilotsDlg>(host); }, IDD_EXPORT_PILOTS,
         QStringLiteral("Export seznamu pilotů"), IDC_EXPORT_PATH, "Pilots.txt", false, "Pilots.txt", kRosterFilter,
         {saveAs, QStringLiteral("Můžete uložit aktuální seznam pilotů do souboru, který se dá později importovat "
                                 "a použít. Vložte jméno souboru a vyberte místo pro uložení.")}},
        {"ExportMatrix", [](ModalHost& host) { return std::make_unique<CExportMatrixDlg>(host); }, IDD_EXPORT_MATRIX,
         QStringLiteral("Export Matrixu"), IDC_EXPORT_PATH, "Matrix.txt", false, "Matrix.txt", kTextFilter,
         {saveAs, QStringLiteral("Můžete uložit aktuální vypočítaný Matrix do souboru, který se dá upravit ve vašem "
                                 "oblíbeném textovém editoru. Tento soubor obsahuje všechny heaty, jména pilotů a "
                                 "použité frekvence.")}},
        {"ExportHeats", [](ModalHost& host) { return std::make_unique<CExportHeatsDlg>(host); }, IDD_EXPORT_HEATS,
         QStringLiteral("Export karty heatů"), IDC_EXPORT_PATH, "Heats.txt", false, "Heats.txt", kTextFilter,
         {saveAs, QStringLiteral("Můžete vytvořit kartu s rozpisem heatů pro každého pilota. Exportovaný textový "
                                 "soubor lze upravit ve vašem oblíbeném textovém editoru.")}},
    };
}

class PathDialogs : public testing::TestWithParam<PathDialogCase> {
protected:
    // Runs the dialog with the given user actions and returns how it ended.
    int Run(CPathDlg& dialog, std::function<void(DialogDriver&)> actions)
    {
        m_host.ExpectDialog(GetParam().templateId, std::move(actions));
        return dialog.DoModal();
    }

    void TearDown() override
    {
        EXPECT_TRUE(m_host.Problems().isEmpty()) << m_host.Problems().join("; ").toStdString();
        EXPECT_TRUE(m_host.AllAnswered());
    }

    ScriptedModalHost m_host;
};

TEST_P(PathDialogs, OkGivesTheShownPathAndCancelGivesNothing)
{
    const PathDialogCase& expected = GetParam();
    const auto untouched = expected.make(m_host);
    EXPECT_EQ(untouched->Template().caption, expected.caption);
    EXPECT_EQ(Run(*untouched, [&](DialogDriver& user) {
                  EXPECT_EQ(user.Text(expected.pathId), expected.initialPath);
                  EXPECT_EQ(user.MaxLength(expected.pathId), 128);
                  user.PressOk();
              }),
              IDOK);
    EXPECT_EQ(untouched->Path(), expected.initialPath);

    const QString typed = QStringLiteral("/home/pořadatel/závod 2026/soubor.txt");
    const auto edited = expected.make(m_host);
    EXPECT_EQ(Run(*edited, [&](DialogDriver& user) {
                  user.Type(expected.pathId, typed);
                  user.PressOk();
              }),
              IDOK);
    EXPECT_EQ(edited->Path(), typed);

    const auto cancelled = expected.make(m_host);
    EXPECT_EQ(Run(*cancelled, [&](DialogDriver& user) { user.PressCancel(); }), IDCANCEL);
}

// A path typed at once goes into the field, over the proposed one: the
// field has the focus and its text is selected.
TEST_P(PathDialogs, OpensWithThePathFieldFocusedAndItsTextSelected)
{
    const PathDialogCase& expected = GetParam();
    const auto dialog = expected.make(m_host);
    Run(*dialog, [&](DialogDriver& user) {
        EXPECT_EQ(user.FocusedControlId(), expected.pathId);
        const auto* field = qobject_cast<QLineEdit*>(dialog->GetDlgItem(expected.pathId));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->selectedText(), expected.initialPath);
        user.PressCancel();
    });
}

// The Czech texts the organiser reads, and OK as the button Enter presses.
TEST_P(PathDialogs, ShowsItsTextsAndButtons)
{
    const PathDialogCase& expected = GetParam();
    const auto dialog = expected.make(m_host);
    const DialogTemplate& shown = dialog->Template();
    EXPECT_EQ(shown.fontFace, QStringLiteral("MS Sans Serif"));
    QStringList labels;
    std::map<int, std::pair<ControlKind, QString>> buttons;
    for (const ControlTemplate& control : shown.controls) {
        if (control.kind == ControlKind::Label)
            labels << control.text;
        else if (control.kind != ControlKind::Edit)
            buttons[control.id] = {control.kind, control.text};
    }
    EXPECT_EQ(labels, expected.labels);
    EXPECT_EQ(buttons, (std::map<int, std::pair<ControlKind, QString>>{
                           {IDOK, {ControlKind::DefaultButton, QStringLiteral("OK")}},
                           {IDCANCEL, {ControlKind::PushButton, QStringLiteral("Cancel")}},
                           {IDC_BROWSE, {ControlKind::PushButton, QStringLiteral("&Vybrat")}}}));
}

TEST_P(PathDialogs, BrowseAsksForTheRightKindOfFile)
{
    const PathDialogCase& expected = GetParam();
    const auto dialog = expected.make(m_host);
    m_host.AnswerFile(QStringLiteral("/media/stick/club.txt"));
    QString shown;
    Run(*dialog, [&](DialogDriver& user) {
        user.Press(IDC_BROWSE);
        shown = user.Text(expected.pathId);
        user.PressOk();
    });
    EXPECT_EQ(shown, QStringLiteral("/media/stick/club.txt"));
    EXPECT_EQ(dialog->Path(), QStringLiteral("/media/stick/club.txt"));
    ASSERT_EQ(m_host.FileRequests().size(), 1u);
    const FileDialogRequest& request = m_host.FileRequests().front();
    EXPECT_EQ(request.open, expected.opensFile);
    EXPECT_EQ(request.overwritePrompt, !expected.opensFile);
    EXPECT_EQ(request.defaultExtension, QStringLiteral("TXT"));
    EXPECT_EQ(request.initialFileName, expected.browseName);
    EXPECT_EQ(request.filter, expected.filter);
}

TEST_P(PathDialogs, CancelledBrowsePutsTheBareInitialFileName)
{
    const PathDialogCase& expected = GetParam();
    const auto dialog = expected.make(m_host);
    m_host.AnswerFile(std::nullopt);
    Run(*dialog, [&](DialogDriver& user) {
        user.Type(expected.pathId, QStringLiteral("/somewhere/else.txt"));
        user.Press(IDC_BROWSE);
        EXPECT_EQ(user.Text(expected.pathId), expected.browseName);
        user.PressCancel();
    });
}

// A browsed path that does not fit the field must not be cut: the cut path
// would name a different file, and an export would write there.
TEST_P(PathDialogs, BrowsedPathOverTheLimitIsRefusedNotCut)
{
    const PathDialogCase& expected = GetParam();
    const auto dialog = expected.make(m_host);
    const QString tooLong = QStringLiteral("/media/") + QString(130, QLatin1Char('d')) + QStringLiteral("/a.txt");
    m_host.AnswerFile(tooLong);
    Run(*dialog, [&](DialogDriver& user) {
        user.Press(IDC_BROWSE);
        EXPECT_EQ(user.Text(expected.pathId), expected.initialPath);
        user.PressCancel();
    });
    ASSERT_EQ(m_host.Messages().size(), 1);
    EXPECT_TRUE(m_host.Messages().front().contains(tooLong));
    EXPECT_TRUE(m_host.Messages().front().contains(QStringLiteral("128 characters")));
}

TEST_P(PathDialogs, BrowsedPathOfExactlyTheLimitIsTaken)
{
    const PathDialogCase& expected = GetParam();
    const auto dialog = expected.make(m_host);
    const QString longest = QStringLiteral("/media/") + QString(128 - 13, QLatin1Char('d')) + QStringLiteral("/a.txt");
    ASSERT_EQ(longest.size(), 128);
    m_host.AnswerFile(longest);
    EXPECT_EQ(Run(*dialog, [&](DialogDriver& user) {
                  user.Press(IDC_BROWSE);
                  user.PressOk();
              }),
              IDOK);
    EXPECT_EQ(dialog->Path(), longest);
    EXPECT_TRUE(m_host.Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EachPathDialog, PathDialogs, testing::ValuesIn(AllPathDialogs()),
                         [](const testing::TestParamInfo<PathDialogCase>& info) { return info.param.name; });

} // namespace
