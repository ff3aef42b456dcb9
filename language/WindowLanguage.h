// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

class QSettings;

// The language of the window's texts. Default shows them as written: the
// Czech menus and dialogs with the English messages. Files, exports and
// printouts never change with it, and a batch run never chooses one.
enum class WindowLanguage { Default, Czech, English };

// The choice as the settings file keeps it: "default", "cs" or "en". A
// value this program does not know reads as the default.
QString LanguageSettingValue(WindowLanguage language);
WindowLanguage LanguageFromSettingValue(const QString& value);

// The user's settings, or the given file in their place (tests).
std::unique_ptr<QSettings> OpenSettings(const QString& file = QString());
WindowLanguage LoadLanguageChoice(QSettings& settings);
void SaveLanguageChoice(QSettings& settings, WindowLanguage language);

// Where the compiled translations are looked for: beside the installed
// program's share folder, then beside the program in its build folder.
QStringList DefaultTranslationFolders();

// The translators of one language, installed into the application while
// this object lives; installing another language replaces them.
class WindowTranslator {
public:
    explicit WindowTranslator(QStringList folders = DefaultTranslationFolders());

    // False when the language's translation file was not found; the window
    // then keeps the language it had.
    bool Apply(WindowLanguage language);
    WindowLanguage Current() const { return m_current; }
    void SetFolders(QStringList folders) { m_folders = std::move(folders); }

private:
    QStringList m_folders;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_toolkit;  // Qt's own texts: message box buttons, file and print dialogs
    WindowLanguage m_current = WindowLanguage::Default;
};
