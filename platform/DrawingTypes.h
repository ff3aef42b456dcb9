#pragma once

#include <QString>
#include <memory>

class QPrinter;

// The drawing vocabulary of the framework that the printing code uses: device
// capability indexes, text and background modes, pen styles, font parameters,
// the document info and the small geometry values.

// A printer device context as the print dialog hands it out: the printer the
// user chose, set up. Whoever holds the last copy owns the printer.
using HDC = std::shared_ptr<QPrinter>;

using COLORREF = unsigned;
constexpr COLORREF RGB(unsigned red, unsigned green, unsigned blue) { return red | (green << 8) | (blue << 16); }

// GetDeviceCaps indexes: the printable area in millimetres and in device pixels.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;

constexpr int MM_TEXT = 1;
constexpr int MM_ANISOTROPIC = 8;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int PS_SOLID = 0;

// DrawText formats.
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;

// Font weights and the font parameters that ask for the defaults.
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr unsigned char DEFAULT_CHARSET = 1;
constexpr unsigned char OUT_CHARACTER_PRECIS = 2;
constexpr unsigned char CLIP_CHARACTER_PRECIS = 1;
constexpr unsigned char DEFAULT_QUALITY = 0;
constexpr unsigned char DEFAULT_PITCH = 0;
constexpr unsigned char FF_SWISS = 0x20;

// Returned by StartDoc, StartPage and EndPage when the printer refuses.
constexpr int SP_ERROR = -1;

struct CSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

// A print job's description: its size field, the name under which the
// system lists it, an output file (empty: the chosen printer's), a data type
// and flags.
struct DOCINFO {
    int cbSize = 0;
    QString lpszDocName;
    QString lpszOutput;
    QString lpszDatatype;
    unsigned fwType = 0;
};

// What a font is asked to be. The height is the cell height (ascent plus
// descent) in logical units.
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 0;
    unsigned char lfItalic = 0;
    unsigned char lfUnderline = 0;
    unsigned char lfStrikeOut = 0;
    unsigned char lfCharSet = 0;
    unsigned char lfOutPrecision = 0;
    unsigned char lfClipPrecision = 0;
    unsigned char lfQuality = 0;
    unsigned char lfPitchAndFamily = 0;
    QString lfFaceName;
};
