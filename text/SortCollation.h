// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>

// The order names are sorted in wherever the organiser reads them: the
// window's lists and the printed pilot list alike. It follows the desktop's
// language, ignoring case. A C or POSIX locale, a fresh machine's and a
// service's, names no language; names then follow the Unicode root
// collation, which English leaves as it is, so accented letters sort beside
// their base letters instead of after every plain one.
QCollator SortCollator();
