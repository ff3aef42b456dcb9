// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// What heads every printed page: the contest it belongs to. A sheet pinned
// on the board among those of other contests still says whose it is.
struct PageHeading {
    QString contestName;
    QDate date;  // invalid when the contest has none
};

// The header line: the contest's name, its date and the printout's title.
// A contest without a name heads its pages with the title alone.
QString PageHeaderText(const PageHeading& heading, const QString& title);

// The footer: "Page 2 of 5", in the window's language.
QString PageFooterText(int page, int pages);
