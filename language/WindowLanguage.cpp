// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/WindowLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>

namespace {

const QString kLanguageKey = QStringLiteral("window/language");

// The file name suffix of a language's translations; none for the default.
QString LanguageCode(WindowLanguage language)
{
    switch (language) {
    case WindowLanguage::Czech: return QStringLiteral("cs");
    case WindowLanguage::English: return QStringLiteral("en");
    case WindowLanguage::Default: break;
    }
    return QString();
}

std::unique_ptr<QTranslator> LoadFromFolders(const QString& name, const QStringList& folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(name, folder))
            return translator;
    }
    return nullptr;
}

}  // namespace

QString LanguageSettingValue(WindowLanguage language)
{
    const QString code = LanguageCode(language);
    return code.isEmpty() ? QStringLiteral("default") : code;
}

WindowLanguage LanguageFromSettingValue(const QString& value)
{
    for (WindowLanguage language : {WindowLanguage::Czech, WindowLanguage::English}) {
        if (value == LanguageCode(language))
            return language;
    }
    return WindowLanguage::Default;
}

std::unique_ptr<QSettings> OpenSettings(const QString& file)
{
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("kvorax"), QStringLiteral("kvorax"));
}

WindowLanguage LoadLanguageChoice(QSettings& settings)
{
    return LanguageFromSettingValue(settings.value(kLanguageKey).toString());
}

void SaveLanguageChoice(QSettings& settings, WindowLanguage language)
{
    settings.setValue(kLanguageKey, LanguageSettingValue(language));
    settings.sync();
}

QStringList DefaultTranslationFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/../share/kvorax/translations"),
            programFolder + QStringLiteral("/translations")};
}

WindowTranslator::WindowTranslator(QStringList folders)
    : m_folders(std::move(folders))
{
}

bool WindowTranslator::Apply(WindowLanguage language)
{
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
    if (language != WindowLanguage::Default) {
        program = LoadFromFolders(QStringLiteral("kvorax_") + LanguageCode(language), m_folders);
        if (!program)
            return false;
        toolkit = LoadFromFolders(QStringLiteral("qtbase_") + LanguageCode(language),
                                  {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    }
    // A translator removes itself from the application when it is destroyed.
    m_program = std::move(program);
    m_toolkit = std::move(toolkit);
    if (m_toolkit)
        QCoreApplication::installTranslator(m_toolkit.get());
    if (m_program)
        QCoreApplication::installTranslator(m_program.get());
    m_current = language;
    return true;
}
