#pragma once

#include <array>

// The print fonts. Headings are drawn in the bold face four steps above the
// base size, every other line in the regular face two above; the column
// width is measured in the heading font. The rest of the table is created
// with them and never drawn with.
struct PrintFontEntry {
    const char* face;
    int heightAboveBase;
    int weight;
};

constexpr int kPrintFontCount = 11;
constexpr int kHeadingFont = 7;
constexpr int kLineFont = 2;

constexpr std::array<PrintFontEntry, kPrintFontCount> kPrintFonts{{
    {"Arial", 0, 400},
    {"Arial", 1, 400},
    {"Arial", 2, 400},
    {"Arial", 4, 400},
    {"Arial", 0, 700},
    {"Arial", 1, 700},
    {"Arial", 2, 700},
    {"Arial", 4, 700},
    {"Verdana", 0, 400},
    {"Verdana", 1, 400},
    {"Verdana", 2, 400},
}};
