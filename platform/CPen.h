#pragma once

#include "platform/DrawingTypes.h"

// A pen for lines: a style, a width in logical units (0 draws the thinnest
// line the device can) and a colour. Empty until CreatePen.
class CPen {
public:
    bool CreatePen(int style, int width, COLORREF color);
    bool DeleteObject();
    bool HasHandle() const { return m_hasHandle; }
    int Style() const { return m_style; }
    int Width() const { return m_width; }
    COLORREF Color() const { return m_color; }

private:
    int m_style = PS_SOLID;
    int m_width = 0;
    COLORREF m_color = RGB(0, 0, 0);
    bool m_hasHandle = false;
};
