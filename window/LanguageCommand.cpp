// SPDX-License-Identifier: GPL-3.0-or-later
// The language menu: the window speaks the chosen language at once, and the
// choice is kept in the user's settings for the next start. The pilot list,
// the result and the fields stay as they are.

#include "window/CRaceDlg.h"

#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "window/ResultTree.h"

#include <QSettings>

CommandOutcome CRaceDlg::ChooseLanguage(WindowLanguage language)
{
    if (!m_translator.Apply(language))
        return CommandOutcome::Failed(tr("The translation of the window into this language is not installed. "
                                         "The window keeps its language."),
                                      MB_OK | MB_ICONEXCLAMATION);
    SaveLanguageChoice(*OpenSettings(m_settingsFile), language);
    RetranslateWindow();
    return CommandOutcome::Done();
}

// A language whose translation has gone missing since it was chosen leaves
// the window as written.
void CRaceDlg::ApplySavedLanguage()
{
    m_translator.Apply(LoadLanguageChoice(*OpenSettings(m_settingsFile)));
}

// The state of the result is said again in the new language; a printout's
// note keeps its words until the status line changes.
void CRaceDlg::OnLanguageChange()
{
    ShowAboutItem();
    CheckLanguageItem();
    if (m_statusShowsResultState)
        ShowResultState();
    ShowRecentContests();
    ShowHistoryItems();
    ShowPilotColumns();
    // The heats in the tree and the grid are named in the window's language.
    ShowSchedule();
    RefreshTitle();
}

void CRaceDlg::ShowAboutItem()
{
    SetSystemMenuItemText(IDM_ABOUTBOX, LoadResourceString(IDS_ABOUTBOX));
}

void CRaceDlg::CheckLanguageItem()
{
    const WindowLanguage current = m_translator.Current();
    CheckMenuItem(ID_LANGUAGE_DEFAULT, current == WindowLanguage::Default);
    CheckMenuItem(ID_LANGUAGE_CZECH, current == WindowLanguage::Czech);
    CheckMenuItem(ID_LANGUAGE_ENGLISH, current == WindowLanguage::English);
}
