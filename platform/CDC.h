// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"
#include "platform/ScaledFont.h"

#include <QPainter>
#include <QSize>

class QPen;
struct DrawingTrace;

// A printer device context: a document of pages drawn through QPainter on
// the printer that the print dialog set up. Logical units are device pixels
// until a page of logical units is mapped onto the printable area. The device
// context keeps its mapping and font itself, so they can be set and text
// measured before the document starts. Everything drawn is recorded as well
// in the trace it was handed, if any.
class CDC {
public:
    CDC();
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Takes over the printer; it starts in the default state.
    bool Attach(SharedPrinter printer);
    // Ends a document still open and lets the printer go.
    bool DeleteDC();
    const SharedPrinter& Printer() const { return m_printer; }
    // Records into the trace from now on; nullptr stops recording.
    void RecordInto(DrawingTrace* trace) { m_trace = trace; }

    // Each is false when the printer refuses. The document is listed by the
    // system under its name; it ends in error as well when its PDF file
    // could not be written to the end.
    bool StartDoc(const QString& documentName);
    bool StartPage();
    bool EndPage();
    bool EndDoc();

    // The printable area in whole millimetres (never more than it holds).
    QSize PrintableMillimetres() const;
    // Maps a page of the given logical size onto the whole printable area.
    void MapPage(QSize logicalPage);

    // Selects the font drawn and measured with and returns the one selected
    // before: the device's own font until the program selects one.
    PrintFont SelectFont(const PrintFont& font);
    // One line of text in the selected font: its width and the cell height.
    QSize GetTextExtent(const QString& text) const;
    // Draws the text literally (an ampersand is just an ampersand) from the
    // box's top left corner, clipped to the box; a line feed starts a new line.
    void DrawText(const QString& text, const TextBox& box);
    void DrawLine(QPoint from, QPoint to, const QPen& pen);

private:
    void ResetState();
    void ApplyMapping();
    bool IsDrawing() const { return m_painter.isActive(); }

    SharedPrinter m_printer;
    QPainter m_painter;
    int m_pagesInDocument = 0;
    // The logical page and the printable area it maps onto; no page: one to one.
    QSize m_logicalPage;
    QSize m_printablePixels;
    PrintFont m_font;
    ScaledFont m_scaledFont;
    DrawingTrace* m_trace = nullptr;
};
