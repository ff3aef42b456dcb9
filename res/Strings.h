// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The string table: the text of a string resource, empty when there is none.
QString LoadResourceString(int id);
