// SPDX-License-Identifier: GPL-3.0-or-later
// A seed is one schedule on every machine: the organiser who repeats a draw
// from the README, or checks a published schedule, gets the same bytes in
// any locale. Czech sorts Čermák after Cyrus and "Ch" after "H", English and
// a fresh machine's C locale do not, so the pilot list on screen differs
// between them while the schedules must not.

#include "support/KvoraxProcess.h"

#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

const QString kContest = QStringLiteral(KVORAX_SOURCE_DIR "/examples/contest.txt");
const char* const kLocales[] = {"C.UTF-8", "cs_CZ.UTF-8", "en_US.UTF-8"};

// Whether the machine has the locale; `bash scripts/setup.sh test` generates
// the ones this test needs.
bool IsInstalled(const char* locale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const bool installed = std::setlocale(LC_ALL, locale) != nullptr;
    std::setlocale(LC_ALL, before.c_str());
    return installed;
}

KvoraxRun RunInLocale(const char* locale, QStringList arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
    return RunKvorax(arguments, {.environment = environment});
}

}  // namespace

TEST(BatchLocales, SameSeedWritesTheSameScheduleInEveryLocaleInBothDraws)
{
    for (const char* locale : kLocales)
        ASSERT_TRUE(IsInstalled(locale)) << locale << " is not installed: run bash scripts/setup.sh test";
    QTemporaryDir folder;
    for (const QStringList& draw : {QStringList{}, QStringList{"--balanced"}}) {
        QByteArray first;
        for (const char* locale : kLocales) {
            const QString matrix = folder.filePath(QStringLiteral("matrix-%1.txt").arg(locale));
            const KvoraxRun run = RunInLocale(
                locale, QStringList{"--import", kContest, "--seed", "2026", "--export-matrix", matrix} + draw);
            ASSERT_EQ(run.status, 0) << locale << ": " << run.errors.toStdString();
            const QByteArray bytes = ReadBytes(matrix);
            ASSERT_FALSE(bytes.isEmpty()) << locale;
            if (first.isEmpty())
                first = bytes;
            EXPECT_EQ(bytes, first) << locale << (draw.isEmpty() ? " random draw" : " balanced draw");
        }
    }
}
