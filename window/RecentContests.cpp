// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RecentContests.h"

#include "language/WindowLanguage.h"
#include "res/ResourceIds.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kRecentContestsKey = QStringLiteral("window/recentContests");

}  // namespace

QStringList LoadRecentContests(const QString& settingsFile)
{
    QStringList paths = OpenSettings(settingsFile)->value(kRecentContestsKey).toStringList();
    paths.removeAll(QString());
    return paths.mid(0, kRecentContestCount);
}

void SaveRecentContests(const QString& settingsFile, const QStringList& paths)
{
    const std::unique_ptr<QSettings> settings = OpenSettings(settingsFile);
    settings->setValue(kRecentContestsKey, paths);
    settings->sync();
}

QStringList WithRecentContest(QStringList paths, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    return paths.mid(0, kRecentContestCount);
}

QString RecentContestItemText(int which, const QString& path)
{
    QString name = QFileInfo(path).fileName();
    name.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(which + 1).arg(name);
}
