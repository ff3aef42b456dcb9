#pragma once

#include "platform/CFont.h"
#include "platform/CPen.h"
#include "platform/DrawingTypes.h"
#include "platform/ScaledFont.h"

#include <QPainter>

// A printer device context: a document of pages drawn through QPainter on
// the printer that the print dialog set up. Logical units map to device
// pixels either one to one (MM_TEXT) or through a window and viewport
// (MM_ANISOTROPIC). The device context keeps its mapping, font, pen and
// background mode itself, so they can be set and text measured before the
// document starts. When a DrawingTrace is installed, everything drawn is
// recorded in it as well.
class CDC {
public:
    CDC();
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Takes over a device context handle; it starts in the default state.
    bool Attach(HDC dc);
    // Ends a document still open and lets the handle go.
    bool DeleteDC();
    HDC GetSafeHdc() const { return m_printer; }

    int StartDoc(const DOCINFO* docInfo);
    int StartPage();
    int EndPage();
    int EndDoc();

    int SetMapMode(int mode);
    CSize SetWindowExt(int cx, int cy);
    CSize SetViewportExt(int cx, int cy);
    CPoint SetViewportOrg(int x, int y);
    int GetDeviceCaps(int index) const;
    int SetBkMode(int mode);

    // Both return what was selected before: the device's own font or pen
    // until the program selects one. An empty font or pen is refused (nullptr).
    CFont* SelectObject(CFont* font);
    CPen* SelectObject(CPen* pen);

    // One line of text in the selected font: its width and the cell height.
    CSize GetTextExtent(const QString& text) const;
    // Draws the text from the rectangle's top left corner, clipped to the
    // rectangle; a line feed starts a new line. Without DT_NOPREFIX an
    // ampersand marks the next character; no other format is needed by the
    // program. Returns the height of the text.
    int DrawText(const QString& text, RECT* rect, unsigned format);
    CPoint MoveTo(int x, int y);
    bool LineTo(int x, int y);

private:
    void ResetState();
    void ApplyMapping();
    void ApplyBackgroundMode();
    bool IsDrawing() const { return m_painter.isActive(); }
    void TraceText(const QString& text, const RECT& rect) const;

    HDC m_printer;
    QPainter m_painter;
    int m_pagesInDocument = 0;

    int m_mapMode = MM_TEXT;
    CSize m_windowExt{1, 1};
    CSize m_viewportExt{1, 1};
    CPoint m_viewportOrg;
    int m_bkMode = OPAQUE;
    CPoint m_position;

    CFont m_deviceFont;
    CPen m_devicePen;
    CFont* m_font = nullptr;
    CPen* m_pen = nullptr;
    // What the selected objects were when selected: a font or pen deleted
    // while selected leaves the device drawing as before.
    LOGFONT m_selectedLogFont;
    ScaledFont m_scaledFont;
    CPen m_penInUse;
};
