#include "platform/CDC.h"

#include "platform/DrawingTrace.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

namespace {

// The font and pen a fresh device context has selected.
constexpr int kDeviceFontHeight = 12;
const char* const kDeviceFontFace = "Sans Serif";

QColor ColorOf(COLORREF color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Millimetres as the device reports them: whole ones, never more than the
// printable area holds.
int WholeMillimetres(double millimetres)
{
    return static_cast<int>(millimetres + 1e-6);
}

// The PDF writer says nothing when its file cannot be written to the end, as
// on a full disk: the file is whole only when its end marker reached it.
bool OutputFileIsWhole(const QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return true;
    QFile pdf(printer.outputFileName());
    if (!pdf.open(QIODevice::ReadOnly) || !pdf.read(5).startsWith("%PDF-"))
        return false;
    constexpr qint64 kTailBytes = 32;
    pdf.seek(std::max<qint64>(0, pdf.size() - kTailBytes));
    return pdf.read(kTailBytes).trimmed().endsWith("%%EOF");
}

} // namespace

CDC::CDC()
    : m_scaledFont(LOGFONT{})
{
    m_deviceFont.CreateFont(kDeviceFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                            OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, kDeviceFontFace);
    m_devicePen.CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    ResetState();
}

CDC::~CDC()
{
    DeleteDC();
}

bool CDC::Attach(HDC dc)
{
    if (m_printer || !dc)
        return false;
    m_printer = std::move(dc);
    ResetState();
    return true;
}

bool CDC::DeleteDC()
{
    if (!m_printer)
        return false;
    if (IsDrawing())
        m_painter.end();
    m_printer.reset();
    ResetState();
    return true;
}

void CDC::ResetState()
{
    m_pagesInDocument = 0;
    m_mapMode = MM_TEXT;
    m_windowExt = {1, 1};
    m_viewportExt = {1, 1};
    m_viewportOrg = {};
    m_bkMode = OPAQUE;
    m_position = {};
    SelectObject(&m_deviceFont);
    SelectObject(&m_devicePen);
}

int CDC::StartDoc(const DOCINFO* docInfo)
{
    if (!m_printer || IsDrawing() || !docInfo)
        return SP_ERROR;
    m_printer->setDocName(docInfo->lpszDocName);
    if (!docInfo->lpszOutput.isEmpty())
        m_printer->setOutputFileName(docInfo->lpszOutput);
    if (!m_painter.begin(m_printer.get()))
        return SP_ERROR;
    m_pagesInDocument = 0;
    ApplyMapping();
    ApplyBackgroundMode();
    if (DrawingTrace* trace = DrawingTrace::Current()) {
        trace->documentName = docInfo->lpszDocName;
        ++trace->documentsStarted;
    }
    return 1;
}

int CDC::StartPage()
{
    if (!IsDrawing())
        return SP_ERROR;
    // The printer opens the first page with the document; every later page
    // is a new one.
    if (m_pagesInDocument > 0 && !m_printer->newPage())
        return SP_ERROR;
    ++m_pagesInDocument;
    ApplyMapping();
    if (DrawingTrace* trace = DrawingTrace::Current())
        ++trace->pagesStarted;
    return 1;
}

int CDC::EndPage()
{
    if (!IsDrawing())
        return SP_ERROR;
    if (DrawingTrace* trace = DrawingTrace::Current())
        ++trace->pagesEnded;
    return 1;
}

int CDC::EndDoc()
{
    if (!IsDrawing())
        return SP_ERROR;
    const bool written = m_painter.end() && OutputFileIsWhole(*m_printer);
    if (DrawingTrace* trace = DrawingTrace::Current())
        ++trace->documentsEnded;
    return written ? 1 : SP_ERROR;
}

int CDC::SetMapMode(int mode)
{
    const int previous = m_mapMode;
    m_mapMode = mode;
    ApplyMapping();
    return previous;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    const CSize previous = m_windowExt;
    m_windowExt = {cx, cy};
    ApplyMapping();
    return previous;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    const CSize previous = m_viewportExt;
    m_viewportExt = {cx, cy};
    ApplyMapping();
    return previous;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    const CPoint previous = m_viewportOrg;
    m_viewportOrg = {x, y};
    ApplyMapping();
    return previous;
}

// The painter's origin is already the corner of the printable area, so the
// viewport is placed relative to it, not at the page rectangle's position.
void CDC::ApplyMapping()
{
    if (!IsDrawing())
        return;
    if (m_mapMode != MM_ANISOTROPIC) {
        m_painter.setViewTransformEnabled(false);
        return;
    }
    m_painter.setWindow(0, 0, m_windowExt.cx, m_windowExt.cy);
    m_painter.setViewport(m_viewportOrg.x, m_viewportOrg.y, m_viewportExt.cx, m_viewportExt.cy);
    m_painter.setViewTransformEnabled(true);
}

int CDC::GetDeviceCaps(int index) const
{
    if (!m_printer)
        return 0;
    const QRectF printableMm = m_printer->pageLayout().paintRect(QPageLayout::Millimeter);
    switch (index) {
    case HORZSIZE: return WholeMillimetres(printableMm.width());
    case VERTSIZE: return WholeMillimetres(printableMm.height());
    case HORZRES: return m_printer->width();
    case VERTRES: return m_printer->height();
    default: return 0;
    }
}

int CDC::SetBkMode(int mode)
{
    const int previous = m_bkMode;
    m_bkMode = mode;
    ApplyBackgroundMode();
    return previous;
}

void CDC::ApplyBackgroundMode()
{
    if (!IsDrawing())
        return;
    m_painter.setBackground(Qt::white);
    m_painter.setBackgroundMode(m_bkMode == TRANSPARENT ? Qt::TransparentMode : Qt::OpaqueMode);
}

CFont* CDC::SelectObject(CFont* font)
{
    LOGFONT logFont;
    if (!font || !font->GetLogFont(&logFont))
        return nullptr;
    CFont* const previous = m_font;
    m_font = font;
    m_selectedLogFont = logFont;
    m_scaledFont = ScaledFont(logFont);
    return previous;
}

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen || !pen->HasHandle())
        return nullptr;
    CPen* const previous = m_pen;
    m_pen = pen;
    m_penInUse = *pen;
    return previous;
}

CSize CDC::GetTextExtent(const QString& text) const
{
    const QSizeF extent = m_scaledFont.Extent(text);
    return {qRound(extent.width()), qRound(extent.height())};
}

int CDC::DrawText(const QString& text, RECT* rect, unsigned format)
{
    if (!IsDrawing() || !rect)
        return 0;
    const QRectF box(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    const double scale = m_scaledFont.Scale();
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    if (!(format & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;

    QRectF drawn;
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    m_painter.setFont(m_scaledFont.ReferenceFont());
    m_painter.setPen(Qt::black);
    m_painter.translate(box.topLeft());
    m_painter.scale(scale, scale);
    m_painter.drawText(QRectF(0, 0, box.width() / scale, box.height() / scale), flags, text, &drawn);
    m_painter.restore();

    TraceText(text, *rect);
    return qRound(drawn.height() * scale);
}

void CDC::TraceText(const QString& text, const RECT& rect) const
{
    if (DrawingTrace* trace = DrawingTrace::Current())
        trace->texts.push_back({trace->pagesStarted, text, rect, m_selectedLogFont.lfFaceName,
                                m_selectedLogFont.lfHeight, m_selectedLogFont.lfWeight});
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint previous = m_position;
    m_position = {x, y};
    return previous;
}

bool CDC::LineTo(int x, int y)
{
    if (!IsDrawing())
        return false;
    // A width of 0 makes Qt's cosmetic pen: the thinnest line the device draws.
    QPen pen(ColorOf(m_penInUse.Color()), m_penInUse.Width(), Qt::SolidLine, Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QPoint(m_position.x, m_position.y), QPoint(x, y));
    if (DrawingTrace* trace = DrawingTrace::Current())
        trace->lines.push_back({trace->pagesStarted, m_position, {x, y}, m_penInUse.Width()});
    m_position = {x, y};
    return true;
}
