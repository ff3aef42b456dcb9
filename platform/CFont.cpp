#include "platform/CFont.h"

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       unsigned char italic, unsigned char underline, unsigned char strikeOut,
                       unsigned char charSet, unsigned char outPrecision,
                       unsigned char clipPrecision, unsigned char quality,
                       unsigned char pitchAndFamily, const QString& faceName)
{
    m_logFont = LOGFONT{height,        width,        escapement,   orientation,    weight,
                        italic,        underline,    strikeOut,    charSet,        outPrecision,
                        clipPrecision, quality,      pitchAndFamily, faceName};
    m_hasHandle = true;
    return true;
}

bool CFont::DeleteObject()
{
    const bool hadHandle = m_hasHandle;
    m_logFont = LOGFONT{};
    m_hasHandle = false;
    return hadHandle;
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    if (!m_hasHandle || !logFont)
        return 0;
    *logFont = m_logFont;
    return static_cast<int>(sizeof(LOGFONT));
}
