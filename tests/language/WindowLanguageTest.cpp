// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CAboutDlg.h"
#include "dialogs/CAddPilotDlg.h"
#include "dialogs/CEditPilotDlg.h"
#include "dialogs/CFontSizeDlg.h"
#include "dialogs/CLateEntryDlg.h"
#include "dialogs/CMovePilotDlg.h"
#include "dialogs/CRedrawFromDlg.h"
#include "dialogs/CSwapPilotsDlg.h"
#include "dialogs/CWithdrawDlg.h"
#include "dialogs/CStatisticsDlg.h"
#include "dialogs/PathDialogs.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/CutLabels.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <map>
#include <memory>
#include <vector>

namespace {

// Every text the window shows of itself: caption, menus, labels, buttons
// and the system menu.
QStringList WindowTexts(CDialog& dialog)
{
    QStringList texts{dialog.Window()->windowTitle()};
    if (QMenuBar* menuBar = dialog.MenuBar()) {
        for (QAction* popup : menuBar->actions()) {
            texts << popup->text();
            for (QAction* item : popup->menu()->actions())
                texts << item->text();
        }
    }
    for (const QLabel* label : dialog.Window()->findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : dialog.Window()->findChildren<QAbstractButton*>())
        texts << button->text();
    for (QAction* item : dialog.SystemMenu()->actions())
        texts << item->text();
    return texts;
}

QStringList PopupTitles(CDialog& dialog)
{
    QStringList titles;
    for (QAction* popup : dialog.MenuBar()->actions())
        titles << popup->text();
    return titles;
}

// The access key of a text: the letter after a single '&', lower case.
QString AccessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&' && text[i + 1] == u'&')
            ++i;
        else if (text[i] == u'&')
            return text[i + 1].toLower();
    }
    return QString();
}

// Texts that share an access key, as "key: text, text".
QStringList SharedAccessKeys(const QStringList& texts)
{
    std::map<QString, QStringList> byKey;
    for (const QString& text : texts) {
        if (const QString key = AccessKey(text); !key.isEmpty())
            byKey[key] << text;
    }
    QStringList shared;
    for (const auto& [key, holders] : byKey) {
        if (holders.size() > 1)
            shared << key + QStringLiteral(": ") + holders.join(QStringLiteral(", "));
    }
    return shared;
}

// Alt and a letter reach the menu bar and the window's controls alike; a
// popup's own items share the letters among themselves.
QStringList AccessKeyClashes(CDialog& dialog)
{
    QStringList windowKeys;
    for (const QLabel* label : dialog.Window()->findChildren<QLabel*>())
        windowKeys << label->text();
    for (const QAbstractButton* button : dialog.Window()->findChildren<QAbstractButton*>())
        windowKeys << button->text();
    QStringList clashes;
    if (QMenuBar* menuBar = dialog.MenuBar()) {
        for (QAction* popup : menuBar->actions()) {
            windowKeys << popup->text();
            QStringList items;
            for (QAction* item : popup->menu()->actions())
                items << item->text();
            clashes << SharedAccessKeys(items);
        }
    }
    return clashes << SharedAccessKeys(windowKeys);
}

class LanguageMenu : public MainWindowFixture {
protected:
    LanguageMenu()
    {
        window.SetSettingsFile(SettingsFile());
        window.Translator().SetFolders({QStringLiteral(KVORAX_TRANSLATIONS_DIR)});
    }
    // The fixture's window stays in the default language for the tests that follow.
    ~LanguageMenu() override { window.ChooseLanguage(WindowLanguage::Default); }

    QAction* LanguageItem(int command) const
    {
        for (QAction* popup : window.MenuBar()->actions()) {
            for (QAction* item : popup->menu()->actions()) {
                if (item->data().toInt() == command)
                    return item;
            }
        }
        return nullptr;
    }
    void Choose(int command) { LanguageItem(command)->trigger(); }
    bool IsChecked(int command) const { return LanguageItem(command)->isChecked(); }
    QString SettingsFile() const { return m_dir.filePath(QStringLiteral("kvorax.conf")); }
    QString SavedChoice() const
    {
        return QSettings(SettingsFile(), QSettings::IniFormat).value(QStringLiteral("window/language")).toString();
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(LanguageMenu, EnglishChangesTheMenusAndDefaultRestoresEveryTextExactly)
{
    const QStringList asWritten = WindowTexts(window);
    EXPECT_TRUE(IsChecked(ID_LANGUAGE_DEFAULT));

    Choose(ID_LANGUAGE_ENGLISH);
    EXPECT_EQ(PopupTitles(window),
              (QStringList{"&File", "&Edit", "&Matrix", "Pi&lot", "Pri&nt", "&View", "&Jazyk / Language", "&About"}));
    EXPECT_EQ(window.GetDlgItemText(IDC_ROUNDS), QStringLiteral("6"));
    EXPECT_EQ(SavedChoice(), QStringLiteral("en"));
    EXPECT_TRUE(IsChecked(ID_LANGUAGE_ENGLISH));
    EXPECT_FALSE(IsChecked(ID_LANGUAGE_DEFAULT));
    EXPECT_NE(WindowTexts(window), asWritten);

    Choose(ID_LANGUAGE_DEFAULT);
    EXPECT_EQ(WindowTexts(window), asWritten);
    EXPECT_EQ(SavedChoice(), QStringLiteral("default"));
    EXPECT_TRUE(IsChecked(ID_LANGUAGE_DEFAULT));
}

TEST_F(LanguageMenu, CzechSpeaksCzechInMessagesAndTheSystemMenu)
{
    Choose(ID_LANGUAGE_CZECH);
    window.OnDeletePilot();
    EXPECT_EQ(host.TakeMessages(), QStringList{"Před odstraněním musíte vybrat pilota v seznamu pilotů."});
    const QList<QAction*> systemItems = window.SystemMenu()->actions();
    EXPECT_EQ(systemItems.first()->text(), QStringLiteral("&Zavřít\tAlt+F4"));
    EXPECT_EQ(PopupTitles(window).first(), QStringLiteral("&Soubor"));
    EXPECT_EQ(window.GetDlgItemText(IDCANCEL), QStringLiteral("&Ukončit"));
}

// The dialogs are built when they open, in the language chosen by then.
TEST_F(LanguageMenu, DialogsOpenInTheChosenLanguage)
{
    Choose(ID_LANGUAGE_ENGLISH);
    QStringList seen;
    host.ExpectDialog(IDD_ADD_PILOT, [&seen](DialogDriver& dialog) {
        seen << dialog.Caption() << dialog.Text(IDC_ADD_ANOTHER) << dialog.Text(IDCANCEL);
        dialog.PressCancel();
    });
    window.OnAddPilot();
    EXPECT_EQ(seen, (QStringList{"Add Pilot", "Add another pilot", "Cancel"}));
}

// File contents are data: the exported matrix has the same bytes whatever
// the window speaks.
TEST_F(LanguageMenu, ExportedMatrixIsTheSameInEveryLanguage)
{
    ListPilots({QStringLiteral("Novák,Jan,1"), QStringLiteral("Dvořák,Petr,2"), QStringLiteral("Malá,Eva,3")});
    window.SetDlgItemText(IDC_HEATS, QStringLiteral("1"));
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QStringLiteral("3"));
    window.SetClock([] { return 7; });
    window.OnRecalculate();
    const auto exportMatrix = [this](const QString& name) {
        const QString path = m_dir.filePath(name);
        host.ExpectDialog(IDD_EXPORT_MATRIX, [&path](DialogDriver& dialog) {
            dialog.Type(IDC_EXPORT_PATH, path);
            dialog.PressOk();
        });
        window.OnExportMatrix();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray asWritten = exportMatrix(QStringLiteral("default.txt"));
    ASSERT_FALSE(asWritten.isEmpty());
    Choose(ID_LANGUAGE_CZECH);
    EXPECT_EQ(exportMatrix(QStringLiteral("czech.txt")), asWritten);
    Choose(ID_LANGUAGE_ENGLISH);
    EXPECT_EQ(exportMatrix(QStringLiteral("english.txt")), asWritten);
}

// The tree names each pilot's heats in the window's language, and again
// at once when the language changes; the heat-card file stays English.
TEST_F(LanguageMenu, TheTreeNamesTheHeatsInTheWindowsLanguage)
{
    ListPilots({QStringLiteral("Novák,Jan,1"), QStringLiteral("Dvořák,Petr,2"), QStringLiteral("Malá,Eva,3")});
    window.SetDlgItemText(IDC_HEATS, QStringLiteral("1"));
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QStringLiteral("3"));
    window.OnRecalculate();
    const auto heatTexts = [this] {
        QStringList texts;
        for (QTreeWidgetItem* pilot : window.ResultTree().Children(nullptr))
            for (QTreeWidgetItem* heat : window.ResultTree().Children(pilot))
                texts << CTreeCtrl::NodeOf(heat).text;
        return texts;
    };
    ASSERT_EQ(heatTexts().size(), 3 * 6);
    EXPECT_EQ(heatTexts().filter(QRegularExpression("^Round 0[1-6], Heat 01$")).size(), 18);
    Choose(ID_LANGUAGE_CZECH);
    EXPECT_EQ(heatTexts().filter(QRegularExpression("^Kolo 0[1-6], Heat 01$")).size(), 18);
    const QString cards = m_dir.filePath(QStringLiteral("heats.txt"));
    host.ExpectDialog(IDD_EXPORT_HEATS, [&cards](DialogDriver& dialog) {
        dialog.Type(IDC_EXPORT_PATH, cards);
        dialog.PressOk();
    });
    window.OnExportHeatCards();
    QFile file(cards);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.contains("    Round 01, Heat 01"));
    EXPECT_FALSE(written.contains("Kolo"));
    // Where the file went is said on the status line, in Czech too.
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QStringLiteral("Uloženo do %1.").arg(cards));
}

// The status line says how the result stands in the language just chosen.
TEST_F(LanguageMenu, TheResultStateIsSaidAgainInTheNewLanguage)
{
    ListPilots({QStringLiteral("Novák,Jan,1"), QStringLiteral("Dvořák,Petr,2"), QStringLiteral("Malá,Eva,3")});
    window.SetDlgItemText(IDC_HEATS, QStringLiteral("1"));
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QStringLiteral("3"));
    window.OnRecalculate();
    const unsigned seed = window.GetContest().draw.seed;
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QStringLiteral("The matrix was calculated for 3 pilots (seed %1).").arg(seed));
    Choose(ID_LANGUAGE_CZECH);
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QStringLiteral("Matrix byl vypočítán pro 3 piloty (los %1).").arg(seed));
}

TEST_F(LanguageMenu, TheChoiceIsAppliedAtTheNextStart)
{
    Choose(ID_LANGUAGE_ENGLISH);
    window.Translator().Apply(WindowLanguage::Default);  // a program started anew has no translator yet
    CRaceDlg next(host);
    next.SetSettingsFile(SettingsFile());
    next.Translator().SetFolders({QStringLiteral(KVORAX_TRANSLATIONS_DIR)});
    next.ApplySavedLanguage();
    next.Create();
    EXPECT_EQ(PopupTitles(next).first(), QStringLiteral("&File"));
    next.ChooseLanguage(WindowLanguage::Default);
}

TEST_F(LanguageMenu, AMissingTranslationIsToldAndChangesNothing)
{
    window.Translator().SetFolders({m_dir.filePath(QStringLiteral("nowhere"))});
    const QStringList asWritten = WindowTexts(window);
    Choose(ID_LANGUAGE_ENGLISH);
    EXPECT_EQ(host.TakeMessages(), QStringList{"The translation of the window into this language is not installed. "
                                               "The window keeps its language."});
    EXPECT_EQ(WindowTexts(window), asWritten);
    EXPECT_TRUE(SavedChoice().isEmpty());
    EXPECT_TRUE(IsChecked(ID_LANGUAGE_DEFAULT));
}

// Translations are longer or shorter than the texts they replace; none may
// cut a label that shows its whole text as written (the export of the matrix
// describes itself in more Czech than its label holds even as written), and
// the access keys of a window must stay apart.
TEST_F(LanguageMenu, EveryWindowFitsItsTextsAndKeepsItsAccessKeysApartInEachLanguage)
{
    std::map<int, qsizetype> cutAsWritten;
    const Contest noSchedule{};
    for (int item : {ID_LANGUAGE_DEFAULT, ID_LANGUAGE_CZECH, ID_LANGUAGE_ENGLISH}) {
        Choose(item);
        std::vector<std::unique_ptr<CDialog>> dialogs;
        dialogs.push_back(std::make_unique<CAboutDlg>(host));
        dialogs.push_back(std::make_unique<CAddPilotDlg>(host));
        dialogs.push_back(std::make_unique<CEditPilotDlg>(host));
        dialogs.push_back(std::make_unique<CFontSizeDlg>(host));
        dialogs.push_back(std::make_unique<CImportPilotsDlg>(host));
        dialogs.push_back(std::make_unique<CExportPilotsDlg>(host));
        dialogs.push_back(std::make_unique<CExportMatrixDlg>(host));
        dialogs.push_back(std::make_unique<CExportHeatsDlg>(host));
        dialogs.push_back(std::make_unique<CExportStatisticsDlg>(host));
        dialogs.push_back(std::make_unique<CStatisticsDlg>(std::vector<PilotRecord>{}, DrawStatistics{}, [] {}, host));
        dialogs.push_back(std::make_unique<CWithdrawDlg>(host, QStringList{}, 1));
        dialogs.push_back(std::make_unique<CRedrawFromDlg>(host, 1));
        dialogs.push_back(std::make_unique<CLateEntryDlg>(host, 2));
        dialogs.push_back(std::make_unique<CSwapPilotsDlg>(host, noSchedule));
        dialogs.push_back(std::make_unique<CMovePilotDlg>(host, noSchedule));
        EXPECT_EQ(CutLabels(window.Window()), QStringList()) << "language item " << item;
        EXPECT_EQ(AccessKeyClashes(window), QStringList()) << "language item " << item;
        for (const std::unique_ptr<CDialog>& dialog : dialogs) {
            dialog->Create();
            const QStringList cut = CutLabels(dialog->Window());
            if (item == ID_LANGUAGE_DEFAULT)
                cutAsWritten[dialog->Template().id] = cut.size();
            EXPECT_LE(cut.size(), cutAsWritten[dialog->Template().id]) << cut.join(u'\n').toStdString();
            EXPECT_EQ(AccessKeyClashes(*dialog), QStringList()) << "dialog " << dialog->Template().id;
        }
    }
}
