// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CDC.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>
#include <algorithm>

namespace {

// The font a fresh device context has selected.
const PrintFont kDeviceFont{QStringLiteral("Sans Serif"), 12, false};

constexpr int kReferencePixels = 1000;

QFont ReferenceFontFor(const PrintFont& font)
{
    QFont reference(font.face);
    reference.setPixelSize(kReferencePixels);
    reference.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    reference.setItalic(false);
    reference.setUnderline(false);
    reference.setStrikeOut(false);
    return reference;
}

double CellHeight(const QFontMetricsF& metrics)
{
    return metrics.ascent() + metrics.descent();
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
{
    ResetState();
}

CDC::~CDC()
{
    DeleteDC();
}

bool CDC::Attach(SharedPrinter printer)
{
    if (m_printer || !printer)
        return false;
    m_printer = std::move(printer);
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
    m_logicalPage = QSize();
    SelectFont(kDeviceFont);
}

// Text is drawn over the page as it is: no background is filled behind it.
bool CDC::StartDoc(const QString& documentName)
{
    if (!m_printer || IsDrawing())
        return false;
    m_printer->setDocName(documentName);
    if (!m_painter.begin(m_printer.get()))
        return false;
    m_pagesInDocument = 0;
    ApplyMapping();
    m_painter.setBackground(Qt::white);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    if (m_trace) {
        m_trace->documentName = documentName;
        ++m_trace->documentsStarted;
    }
    return true;
}

bool CDC::StartPage()
{
    if (!IsDrawing())
        return false;
    // The printer opens the first page with the document; every later page
    // is a new one.
    if (m_pagesInDocument > 0 && !m_printer->newPage())
        return false;
    ++m_pagesInDocument;
    ApplyMapping();
    if (m_trace)
        ++m_trace->pagesStarted;
    return true;
}

bool CDC::EndPage()
{
    if (!IsDrawing())
        return false;
    if (m_trace)
        ++m_trace->pagesEnded;
    return true;
}

bool CDC::EndDoc()
{
    if (!IsDrawing())
        return false;
    const bool written = m_painter.end() && OutputFileIsWhole(*m_printer);
    if (m_trace)
        ++m_trace->documentsEnded;
    return written;
}

QSize CDC::PrintableMillimetres() const
{
    if (!m_printer)
        return QSize();
    const QRectF printable = m_printer->pageLayout().paintRect(QPageLayout::Millimeter);
    return QSize(WholeMillimetres(printable.width()), WholeMillimetres(printable.height()));
}

void CDC::MapPage(QSize logicalPage)
{
    m_logicalPage = logicalPage;
    ApplyMapping();
}

// The painter's origin is already the corner of the printable area, so the
// viewport starts there, not at the page rectangle's position.
void CDC::ApplyMapping()
{
    if (!IsDrawing())
        return;
    if (m_logicalPage.isEmpty()) {
        m_painter.setViewTransformEnabled(false);
        return;
    }
    m_painter.setWindow(0, 0, m_logicalPage.width(), m_logicalPage.height());
    m_painter.setViewport(0, 0, m_printer->width(), m_printer->height());
    m_painter.setViewTransformEnabled(true);
}

PrintFont CDC::SelectFont(const PrintFont& font)
{
    const PrintFont previous = m_font;
    m_font = font;
    m_referenceFont = ReferenceFontFor(font);
    m_scale = font.cellHeight / CellHeight(QFontMetricsF(m_referenceFont));
    return previous;
}

QSize CDC::GetTextExtent(const QString& text) const
{
    const QFontMetricsF metrics(m_referenceFont);
    return QSize(qRound(metrics.horizontalAdvance(text) * m_scale), qRound(CellHeight(metrics) * m_scale));
}

void CDC::DrawText(const QString& text, const TextBox& box)
{
    if (!IsDrawing())
        return;
    const QRectF area(box.left, box.top, box.right - box.left, box.bottom - box.top);
    m_painter.save();
    m_painter.setClipRect(area, Qt::IntersectClip);
    m_painter.setFont(m_referenceFont);
    m_painter.setPen(Qt::black);
    m_painter.translate(area.topLeft());
    m_painter.scale(m_scale, m_scale);
    m_painter.drawText(QRectF(0, 0, area.width() / m_scale, area.height() / m_scale),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    m_painter.restore();
    if (m_trace)
        m_trace->texts.push_back({m_trace->pagesStarted, text, box, m_font.face, m_font.cellHeight, m_font.bold});
}

// A pen width of 0 is Qt's cosmetic pen: the thinnest line the device draws.
void CDC::DrawLine(QPoint from, QPoint to, const QPen& pen)
{
    if (!IsDrawing())
        return;
    m_painter.setPen(pen);
    m_painter.drawLine(from, to);
    if (m_trace)
        m_trace->lines.push_back({m_trace->pagesStarted, from, to, pen.width()});
}
