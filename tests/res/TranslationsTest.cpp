// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts in both translation files: every text the sources give
// the window has a finished translation in Czech and in English, with the
// same placeholders, and no file keeps a text the sources no longer have.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct TranslatedText {
    QString context;
    QString source;
    QString state;              // the translation's type: empty when finished
    QStringList translations;   // one, or one per plural form
};

std::vector<TranslatedText> ReadTsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<TranslatedText> texts;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            texts.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !texts.empty()) {
            texts.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !texts.empty()) {
            texts.back().state = xml.attributes().value(QStringLiteral("type")).toString();
            if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
                texts.back().translations << xml.text().toString();
        } else if (xml.name() == u"numerusform" && !texts.empty()) {
            texts.back().translations << xml.readElementText();
        }
    }
    return texts;
}

QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9n]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    return found;
}

// What is wrong with one text of a file, or nothing.
QString Fault(const TranslatedText& text)
{
    if (!text.state.isEmpty())
        return text.state;
    if (text.translations.isEmpty())
        return QStringLiteral("no translation");
    for (const QString& translation : text.translations) {
        if (translation.isEmpty())
            return QStringLiteral("an empty translation");
        if (Placeholders(translation) != Placeholders(text.source))
            return QStringLiteral("other placeholders in \"%1\"").arg(translation);
    }
    return QString();
}

QStringList Faults(const std::vector<TranslatedText>& texts)
{
    QStringList faults;
    for (const TranslatedText& text : texts) {
        if (const QString fault = Fault(text); !fault.isEmpty())
            faults << QStringLiteral("%1 \"%2\": %3").arg(text.context, text.source, fault);
    }
    return faults;
}

// A copy of a translation file brought up to date with the sources, as the
// update_translations target would: texts new in the sources come in
// unfinished, texts gone from them are marked vanished.
QString UpdatedCopy(const QString& tsFile, const QTemporaryDir& dir)
{
    const QString copy = dir.filePath(QFileInfo(tsFile).fileName());
    QFile::copy(tsFile, copy);
    QStringList arguments{QStringLiteral("-I"), QStringLiteral(KVORAX_SOURCE_DIR), QStringLiteral("-extensions"),
                          QStringLiteral("cpp,h")};
    for (const QString& folder : QStringLiteral(KVORAX_TRANSLATED_FOLDERS).split(u','))
        arguments << QStringLiteral(KVORAX_SOURCE_DIR "/") + folder;
    arguments << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(KVORAX_LUPDATE), arguments);
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return QString();
    return copy;
}

class TranslationFile : public testing::TestWithParam<const char*> {
protected:
    QString TsFile() const { return QStringLiteral(KVORAX_SOURCE_DIR "/translations/") + QLatin1String(GetParam()); }
};

}  // namespace

TEST_P(TranslationFile, TranslatesEveryTextOfTheSourcesAndNoOther)
{
    QTemporaryDir dir;
    const QString updated = UpdatedCopy(TsFile(), dir);
    ASSERT_FALSE(updated.isEmpty()) << "lupdate did not run";
    const std::vector<TranslatedText> texts = ReadTsFile(updated);
    EXPECT_GT(texts.size(), 100u);
    EXPECT_EQ(Faults(texts).join(u'\n').toStdString(), "");
}

TEST(TranslationCheck, FindsUnfinishedEmptyAndMisplacedTranslations)
{
    const std::vector<TranslatedText> texts = {
        {"C", "&Soubor", "", {"&File"}},
        {"C", "Clearing data...", "unfinished", {}},
        {"C", "Printing %1", "", {""}},
        {"C", "%n pilots", "", {"%n pilot", ""}},
        {"C", "The file %1 does not exist.", "", {"Soubor neexistuje."}},
        {"C", "Gone", "vanished", {"Pryč"}},
    };
    EXPECT_EQ(Faults(texts),
              (QStringList{"C \"Clearing data...\": unfinished", "C \"Printing %1\": an empty translation",
                           "C \"%n pilots\": an empty translation",
                           "C \"The file %1 does not exist.\": other placeholders in \"Soubor neexistuje.\"",
                           "C \"Gone\": vanished"}));
}

INSTANTIATE_TEST_SUITE_P(CzechAndEnglish, TranslationFile, testing::Values("kvorax_cs.ts", "kvorax_en.ts"));
