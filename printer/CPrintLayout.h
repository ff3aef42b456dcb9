// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printer/StagedFile.h"
#include "platform/CDC.h"
#include "platform/DrawingTypes.h"
#include "print/PrintOutcome.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The print layout every printout is composed with: the printer device
// context, the page in logical units, a flow of fixed-width columns across
// it and the print fonts. A printout sets the column and margin state at its
// start and drives the flow: text runs down a column from the top margin,
// then moves to the next column, or to a new page when no column fits.
class CPrintLayout {
public:
    // Maps the printable area onto a page of whole logical units.
    void ApplyPageMapping();
    // Headings are drawn in bold Arial four steps above the base size, every
    // other line in regular Arial two above; the column width is measured in
    // the heading font.
    void CreatePrintFonts(int baseSize);

    // Switches the printer to a print font, remembering the font it had.
    void SwitchToFont(const PrintFont& font);
    void SwitchBack();
    QSize MeasureText(const QString& text) const { return m_printerDC.GetTextExtent(text); }

    // Draws a horizontal rule in black and returns how far y moves down.
    int DrawRule(int x1, int x2, int y, int width);
    // Moves to the top of the next column, or of a new page when no further
    // column fits across this one. A page that holds nothing yet is never
    // left empty: the flow starts again at its first column instead.
    void AdvanceColumn(int& y, int newPageTopMargin);
    // Closes the column: the next block starts at the top of the next one.
    // The move waits for that block, so a printout whose last column closes
    // at the foot of a page ends without an empty page after it.
    void CloseColumn() { m_columnClosed = true; }

    // The steps every printout shares. Prepare takes over the printer, sets
    // the first column and creates the fonts; StartFirstPage starts the
    // document, listed under the printout's name, and its first page, or says
    // it could not; FinishDocument ends the last page and the document and
    // says whether the printer took all of it (Printed, or NotFinished with
    // the reason when known); Close gives the printer its own font back and
    // lets it go, whether or not a document was printed. A PDF file is drawn
    // beside the chosen one and put in its place only when complete.
    void PreparePrintout(SharedPrinter printer, int topMargin, int baseSize, const QString& documentName);
    int MeasureColumnWidth();
    // Sets the fonts and the column width for the lines the printout will
    // draw and returns the size they are drawn at: the chosen one, or, when
    // a line would pass the page's right edge at it, the largest size below
    // it at which every line ends inside the page. A column is widened to
    // its widest line where the page has room for that, so no line is cut
    // at the column's edge either.
    int FitPrintSize(int chosenSize, const QStringList& headings, const QStringList& lines, int indent);
    bool StartFirstPage();
    PrintOutcome FinishDocument();
    void ClosePrintout();
    // Why no PDF file could be made where the organiser chose, as an errno:
    // the folder is missing or may not be written. 0 when one could, or when
    // the printout went to a printer.
    int PdfFileError() const { return m_pdfFileError; }

    // Heads every page with the header line at its top and "Page k of n" at
    // its foot, both inside the printable area; the body keeps clear of
    // them: it starts below the header and ends above the footer. Set after
    // PreparePrintout, which leaves pages unheaded.
    void HeadPages(const QString& headerText);
    bool HasHeadedPages() const { return m_headed; }
    // Starts the document, draws the body from the top of the first column
    // and finishes the document. Headed pages are laid out once without
    // drawing first, so that every footer can name the real page count.
    using DrawBody = std::function<void(int& y)>;
    PrintOutcome PrintBody(const DrawBody& drawBody);
    // True while the body is only being laid out to count the pages: the
    // body tells the status line nothing then.
    bool IsCountingPages() const { return m_countingPages; }
    // The pages of the last document printed.
    int PageCount() const { return m_pageCount; }
    // The header band's height, which the first column's top margin leaves
    // free; 0 for unheaded pages.
    int HeaderBand() const;

    // Column flow: a heading at the column's left edge in the heading font,
    // lines indented in the line font, each moving y down by its own height.
    void DrawHeading(int& y, const QString& heading);
    void DrawLines(int& y, const QStringList& lines, int indent);
    void DrawLine(int& y, const QString& text, int indent);
    int BlockHeight(const QString& heading, const QStringList& lines);
    // Nothing is cut off at the foot of a column while a fresh column would
    // hold it: a block that would end below the page starts the next column
    // first. A block taller than a whole column starts at the top of one.
    void AdvanceIfItWouldNotFit(int& y, int height, int newPageTopMargin);
    // Draws a heading and its lines as one block. The block is moved whole
    // to a fresh column when it would not fit below what is there; one
    // taller than a whole column continues at the top of the next column,
    // its heading repeated, once the next line would end below the page.
    // `reserveBelow` is room the block needs under its last line. Returns
    // where the block's part in its last column begins: its heading and its
    // first line there.
    struct BlockPart {
        int top;
        int linesTop;
    };
    BlockPart DrawBlock(int& y, const QString& heading, const QStringList& lines, int indent, int reserveBelow,
                        int newPageTopMargin);

    CDC m_printerDC;
    int m_columnLeft = 0;
    int m_columnWidth = 0;
    int m_topMargin = 0;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    PrintFont m_headingFont;
    PrintFont m_lineFont;
    std::optional<PrintFont> m_previousFont;
    bool m_columnClosed = false;
    bool m_pageHasText = false;

private:
    void StagePdfFile();
    int BodyTop(int topMargin) const;
    void RestartFlow();
    void DrawPageFurniture();
    void TakeClosedColumnsMove(int& y, int newPageTopMargin);
    void MoveToNextColumn(int& y, int newPageTopMargin);

    QString m_documentName;
    StagedFile m_stagedPdf;
    int m_pdfFileError = 0;
    int m_firstTopMargin = 0;
    int m_paperHeight = 0;
    bool m_headed = false;
    QString m_headerText;
    bool m_countingPages = false;
    int m_pageNumber = 0;
    int m_pageCount = 0;
};

// What the status line says after a printout drawn smaller than chosen,
// because a line would not fit the page at the chosen size; empty when it
// was drawn at the chosen size.
QString PrintSizeNote(const QString& printout, int printedSize, int chosenSize);
