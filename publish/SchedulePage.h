// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct Contest;

// The schedule as one web page that pilots open on their phones: the
// contest's name and date, a table per round with each heat's pilots and
// channels (and each pilot's team and timekeeper where the contest has
// them), and a search field that highlights the heats of the pilot typed
// in. The page is a single file that asks for nothing from anywhere (its
// style and script are inside it), reads on a screen 360 pixels wide and
// prints without the search field. Without JavaScript it is the whole
// schedule, the search field left out. Every name is escaped, so a pilot
// called <b> shows as typed. A page opened with ?q=TEXT starts searching
// for TEXT, so a link can point a pilot at their own heats.
QString SchedulePageHtml(const Contest& contest);
