// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QPrinter;

// The printer the organiser chose in the print dialog, set up. Whoever holds
// the last copy owns it.
using SharedPrinter = std::shared_ptr<QPrinter>;

// A font of the printouts: its face, the height of its cell (ascent plus
// descent) in logical units, and whether it is bold.
struct PrintFont {
    QString face;
    int cellHeight = 0;
    bool bold = false;
};

// The rectangle a text is drawn into, in logical units; right and bottom
// lie just outside it.
struct TextBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const TextBox&, const TextBox&) = default;
};
