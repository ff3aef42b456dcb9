#include "platform/CPen.h"

bool CPen::CreatePen(int style, int width, COLORREF color)
{
    m_style = style;
    m_width = width;
    m_color = color;
    m_hasHandle = true;
    return true;
}

bool CPen::DeleteObject()
{
    const bool hadHandle = m_hasHandle;
    *this = CPen();
    return hadHandle;
}
