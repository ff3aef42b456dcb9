// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Where a printout tells the organiser which heat or card it is printing.
using StatusLine = std::function<void(const QString&)>;
