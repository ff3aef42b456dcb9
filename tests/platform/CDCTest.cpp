// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CDC.h"

#include "support/PdfPrinter.h"
#include "support/PrintoutTrace.h"
#include "support/QtPrinters.h"
#include "support/RecordedDrawing.h"

#include <QPen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A device context on an A4 PDF whose logical page is 594 × 840 units.
class PrintedPage : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_dc.Attach(MakePdfPrinter(PdfPath()));
    }

    QString PdfPath() const { return m_dir.filePath("page.pdf"); }

    void StartMappedDocument()
    {
        ASSERT_TRUE(m_dc.StartDoc("Test Job"));
        ASSERT_TRUE(m_dc.StartPage());
        m_dc.MapPage(QSize(594, 840));
    }

    void EndDocument()
    {
        m_dc.EndPage();
        m_dc.EndDoc();
    }

    QTemporaryDir m_dir;
    CDC m_dc;
    RecordedDrawing m_trace{m_dc};
};

} // namespace

TEST_F(PrintedPage, ReportsThePrintableAreaInMillimetres)
{
    EXPECT_EQ(m_dc.PrintableMillimetres(), QSize(210, 297));
}

TEST(DeviceContext, ReportsNothingWithoutAPrinter)
{
    CDC dc;
    EXPECT_EQ(dc.PrintableMillimetres(), QSize());
    EXPECT_FALSE(dc.StartDoc("Test Job"));
    EXPECT_FALSE(dc.StartPage());
}

TEST(DeviceContext, ReportsANarrowSheetInWholeMillimetres)
{
    QTemporaryDir dir;
    CDC dc;
    dc.Attach(MakePdfPrinter(dir.filePath("narrow.pdf"), {203, 280}));
    EXPECT_EQ(dc.PrintableMillimetres(), QSize(203, 280));
}

TEST(DeviceContext, RefusesADocumentItCannotWrite)
{
    QTemporaryDir dir;
    CDC dc;
    dc.Attach(MakePdfPrinter(dir.filePath("no such folder/job.pdf")));
    RecordedDrawing trace(dc);
    EXPECT_FALSE(dc.StartDoc("Test Job"));
    EXPECT_FALSE(dc.StartPage());
    EXPECT_EQ(trace.documentsStarted, 0);
    EXPECT_TRUE(dc.DeleteDC());
}

TEST(PrintFontCell, IsExactlyTheHeightAskedFor)
{
    for (int height : {8, 9, 11, 13, 14, 17, 72, 76}) {
        CDC dc;
        dc.SelectFont({"Arial", height, true});
        EXPECT_EQ(dc.GetTextExtent("Round 01  Heat 01").height(), height) << "height " << height;
    }
}

// Arial's metric twin measures as Arial does; a face of other metrics does not.
TEST(PrintFontCell, TakesArialAsLiberationSans)
{
    CDC dc;
    const auto widthIn = [&dc](const PrintFont& font) {
        dc.SelectFont(font);
        return dc.GetTextExtent("Combat Event - Round 01  Heat 01").width();
    };
    EXPECT_EQ(widthIn({"Arial", 13, true}), widthIn({"Liberation Sans", 13, true}));
    EXPECT_NE(widthIn({"Arial", 13, true}), widthIn({"Arial", 13, false}));
    EXPECT_NE(widthIn({"Arial", 13, true}), widthIn({"DejaVu Sans", 13, true}));
}

TEST(DeviceContext, SelectionReturnsWhatWasSelectedBefore)
{
    CDC dc;
    const int deviceCell = dc.GetTextExtent("X").height();
    const PrintFont deviceFont = dc.SelectFont({"Arial", 11, false});
    EXPECT_EQ(dc.SelectFont({"Arial", 13, true}).cellHeight, 11);
    const PrintFont second = dc.SelectFont(deviceFont);
    EXPECT_EQ(second.cellHeight, 13);
    EXPECT_TRUE(second.bold);
    EXPECT_EQ(dc.GetTextExtent("X").height(), deviceCell);
}

TEST_F(PrintedPage, RecordsTheDocumentAndItsPages)
{
    StartMappedDocument();
    m_dc.EndPage();
    m_dc.StartPage();
    m_dc.SelectFont({"Arial", 11, false});
    const TextBox rect{10, 20, 200, 31};
    m_dc.DrawText("Second page", rect);
    EndDocument();

    EXPECT_EQ(m_trace.documentName, QString("Test Job"));
    EXPECT_EQ(m_trace.documentsStarted, 1);
    EXPECT_EQ(m_trace.documentsEnded, 1);
    EXPECT_EQ(m_trace.pagesStarted, 2);
    EXPECT_EQ(m_trace.pagesEnded, 2);
    ASSERT_EQ(m_trace.texts.size(), 1u);
    EXPECT_EQ(m_trace.texts[0].page, 2);
    EXPECT_EQ(m_trace.texts[0].rect, rect);
    EXPECT_EQ(m_trace.texts[0].face, QString("Arial"));
    EXPECT_EQ(m_trace.texts[0].height, 11);
    EXPECT_EQ(PdfPageCount(PdfPath()), 2);
    EXPECT_EQ(PdfTitle(PdfPath()), QString("Test Job"));
}

// Two printouts drawn side by side never mix their drawings: each device
// context records into the trace it was handed, and only while it holds it.
TEST(DeviceContext, RecordsOnlyIntoTheTraceItWasHanded)
{
    QTemporaryDir dir;
    const auto print = [&dir](CDC& dc, const QString& text) {
        dc.Attach(MakePdfPrinter(dir.filePath(text + ".pdf")));
        ASSERT_TRUE(dc.StartDoc(text));
        dc.StartPage();
        dc.DrawText(text, {0, 0, 100, 20});
        dc.EndPage();
        dc.EndDoc();
        dc.DeleteDC();
    };
    CDC traced;
    CDC other;
    RecordedDrawing trace(traced);
    print(traced, "traced");
    print(other, "other");
    traced.RecordInto(nullptr);
    print(traced, "no longer traced");

    EXPECT_EQ(trace.documentName, QString("traced"));
    EXPECT_EQ(trace.documentsStarted, 1);
    EXPECT_EQ(TextsOf(trace.texts), QStringList{"traced"});
}

TEST_F(PrintedPage, PrintsAnAmpersandLiterally)
{
    StartMappedDocument();
    m_dc.SelectFont({"Arial", 20, false});
    m_dc.DrawText("Smith & Sons", {10, 100, 400, 120});
    m_dc.DrawText("Jones &Partners", {10, 200, 400, 220});
    EndDocument();

    const QString text = PdfText(PdfPath());
    EXPECT_TRUE(text.contains("Smith & Sons")) << text.toStdString();
    EXPECT_TRUE(text.contains("Jones &Partners")) << text.toStdString();
}

// Drawn on an A4 page mapped to 594 × 840 units and rendered at 72 dots per
// inch, one logical unit is very nearly one pixel.
TEST_F(PrintedPage, ClipsTextToItsRectangle)
{
    StartMappedDocument();
    m_dc.SelectFont({"Arial", 20, true});
    m_dc.DrawText("WWWWWWWWWWWWWWWWWWWW\nWWWWWWWWWWWWWWWWWWWW", {100, 300, 160, 320});
    EndDocument();

    const QImage page = RenderFirstPage(PdfPath(), 72);
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(HasInk(page, QRect(100, 300, 60, 20)));
    EXPECT_FALSE(HasInk(page, QRect(163, 295, 200, 60))) << "ink right of the rectangle";
    EXPECT_FALSE(HasInk(page, QRect(95, 323, 100, 40))) << "the second line was not clipped";
}

TEST_F(PrintedPage, MapsLogicalUnitsOntoTheWholeSheet)
{
    StartMappedDocument();
    m_dc.DrawLine(QPoint(0, 420), QPoint(297, 420), QPen(Qt::black, 0));
    EndDocument();

    ASSERT_EQ(m_trace.lines.size(), 1u);
    EXPECT_EQ(m_trace.lines[0].penWidth, 0);
    const QImage page = RenderFirstPage(PdfPath(), 72);
    ASSERT_FALSE(page.isNull());
    // Halfway down the logical page is halfway down the sheet (842 points),
    // and the line ends halfway across it.
    EXPECT_TRUE(HasInk(page, QRect(10, 419, 1, 4)));
    EXPECT_TRUE(HasInk(page, QRect(290, 419, 1, 4)));
    EXPECT_FALSE(HasInk(page, QRect(303, 415, 100, 12)));
    EXPECT_FALSE(HasInk(page, QRect(10, 400, 1, 15)));
}

TEST(PrinterDocument, EndsInErrorWhenItsPdfFileCannotBeWrittenToTheEnd)
{
    CDC dc;
    dc.Attach(MakePdfPrinter(QStringLiteral("/dev/full")));
    ASSERT_TRUE(dc.StartDoc("Test Job"));
    ASSERT_TRUE(dc.StartPage());
    dc.EndPage();

    EXPECT_FALSE(dc.EndDoc());
}
