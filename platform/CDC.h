// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <vector>

class QPen;

// What a device context drew, for tests that check a layout exactly: the
// documents and pages, each text with its rectangle and font, each line
// with its pen. Page numbers count from 1 within the recording.
struct TracedText {
    int page = 0;
    QString text;
    TextBox rect;
    QString face;
    int height = 0;
    bool bold = false;
};

struct TracedLine {
    int page = 0;
    QPoint from;
    QPoint to;
    int penWidth = 0;
};

struct DrawingTrace {
    QString documentName;
    int documentsStarted = 0;
    int documentsEnded = 0;
    int pagesStarted = 0;
    int pagesEnded = 0;
    std::vector<TracedText> texts;
    std::vector<TracedLine> lines;
};

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
    // The logical page mapped onto the printable area; no page: one to one.
    QSize m_logicalPage;
    PrintFont m_font;
    // Qt chooses whole pixel sizes, which would turn a cell height of 13
    // into 13.4 and widen every measured text with it; so the face is set up
    // at a large reference size and scaled down when drawn and measured, and
    // its cell comes out exactly as high as the height asked for.
    QFont m_referenceFont;
    double m_scale = 1.0;  // from the reference size to logical units
    DrawingTrace* m_trace = nullptr;
};
