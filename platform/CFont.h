#pragma once

#include "platform/DrawingTypes.h"

// A font as the framework creates it: empty until CreateFont, empty again
// after DeleteObject. The drawing honours the face, the height (the cell
// height in logical units), the weight, italic, underline and strike-out;
// the other parameters are kept as given, the device's defaults apply.
class CFont {
public:
    bool CreateFont(int height, int width, int escapement, int orientation, int weight,
                    unsigned char italic, unsigned char underline, unsigned char strikeOut,
                    unsigned char charSet, unsigned char outPrecision, unsigned char clipPrecision,
                    unsigned char quality, unsigned char pitchAndFamily, const QString& faceName);
    bool DeleteObject();
    bool HasHandle() const { return m_hasHandle; }
    // Fills logFont with what the font was created as; 0 when the font is empty.
    int GetLogFont(LOGFONT* logFont) const;

private:
    LOGFONT m_logFont;
    bool m_hasHandle = false;
};
