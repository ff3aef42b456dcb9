#include "platform/CDC.h"

#include "support/PdfPrinter.h"
#include "support/QtPrinters.h"
#include "support/RecordedDrawing.h"

#include <QFontInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CFont MakeFont(int height, int weight = FW_NORMAL, const QString& face = "Arial")
{
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                    CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    return font;
}

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
        DOCINFO info;
        info.lpszDocName = "Test Job";
        ASSERT_GT(m_dc.StartDoc(&info), 0);
        ASSERT_GT(m_dc.StartPage(), 0);
        m_dc.SetMapMode(MM_ANISOTROPIC);
        m_dc.SetWindowExt(594, 840);
        m_dc.SetViewportExt(m_dc.GetDeviceCaps(HORZRES), m_dc.GetDeviceCaps(VERTRES));
        m_dc.SetViewportOrg(0, 0);
    }

    void EndDocument()
    {
        m_dc.EndPage();
        m_dc.EndDoc();
    }

    QTemporaryDir m_dir;
    CDC m_dc;
    RecordedDrawing m_trace;
};

} // namespace

TEST_F(PrintedPage, ReportsThePrintableAreaInMillimetresAndPixels)
{
    EXPECT_EQ(m_dc.GetDeviceCaps(HORZSIZE), 210);
    EXPECT_EQ(m_dc.GetDeviceCaps(VERTSIZE), 297);
    // The sheet at the printer's 1200 dots per inch, give or take rounding.
    EXPECT_NEAR(m_dc.GetDeviceCaps(HORZRES), 210 / 25.4 * 1200, 10);
    EXPECT_NEAR(m_dc.GetDeviceCaps(VERTRES), 297 / 25.4 * 1200, 10);
}

TEST(DeviceContext, ReportsNothingWithoutAPrinter)
{
    CDC dc;
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 0);
    DOCINFO info;
    EXPECT_EQ(dc.StartDoc(&info), SP_ERROR);
    EXPECT_EQ(dc.StartPage(), SP_ERROR);
}

TEST(DeviceContext, ReportsANarrowSheetInWholeMillimetres)
{
    QTemporaryDir dir;
    CDC dc;
    dc.Attach(MakePdfPrinter(dir.filePath("narrow.pdf"), {203, 280}));
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 203);
    EXPECT_EQ(dc.GetDeviceCaps(VERTSIZE), 280);
}

TEST(DeviceContext, RefusesADocumentItCannotWrite)
{
    QTemporaryDir dir;
    CDC dc;
    dc.Attach(MakePdfPrinter(dir.filePath("no such folder/job.pdf")));
    RecordedDrawing trace;
    DOCINFO info;
    EXPECT_EQ(dc.StartDoc(&info), SP_ERROR);
    EXPECT_EQ(dc.StartPage(), SP_ERROR);
    EXPECT_EQ(trace.documentsStarted, 0);
    EXPECT_TRUE(dc.DeleteDC());
}

TEST(ScaledFontCell, IsExactlyTheHeightAskedFor)
{
    for (int height : {8, 9, 11, 13, 14, 17, 72, 76}) {
        CDC dc;
        CFont font = MakeFont(height, FW_BOLD);
        dc.SelectObject(&font);
        EXPECT_EQ(dc.GetTextExtent("Round 01  Heat 01").cy, height) << "height " << height;
    }
}

TEST(ScaledFontCell, TakesArialAsLiberationSans)
{
    LOGFONT logFont;
    logFont.lfHeight = 13;
    logFont.lfWeight = FW_BOLD;
    logFont.lfFaceName = "Arial";
    const QFontInfo resolved(ScaledFont(logFont).ReferenceFont());
    EXPECT_EQ(resolved.family(), QString("Liberation Sans"));
    EXPECT_TRUE(resolved.bold());
}

TEST(DeviceContext, SelectionReturnsWhatWasSelectedBefore)
{
    CDC dc;
    CFont first = MakeFont(11);
    CFont second = MakeFont(13);
    CFont* const deviceFont = dc.SelectObject(&first);
    ASSERT_NE(deviceFont, nullptr);
    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.SelectObject(deviceFont), &second);

    CPen pen;
    pen.CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
    CPen* const devicePen = dc.SelectObject(&pen);
    ASSERT_NE(devicePen, nullptr);
    EXPECT_EQ(dc.SelectObject(devicePen), &pen);
}

TEST(DeviceContext, RefusesAnEmptyFontAndKeepsTheSelectedOne)
{
    CDC dc;
    CFont chosen = MakeFont(20);
    CFont empty;
    dc.SelectObject(&chosen);
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(dc.GetTextExtent("X").cy, 20);
}

TEST_F(PrintedPage, RecordsTheDocumentAndItsPages)
{
    StartMappedDocument();
    m_dc.EndPage();
    m_dc.StartPage();
    CFont font = MakeFont(11);
    m_dc.SelectObject(&font);
    RECT rect{10, 20, 200, 31};
    m_dc.DrawText("Second page", &rect, DT_NOPREFIX);
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

TEST_F(PrintedPage, PrintsAnAmpersandLiterallyWithoutPrefixProcessing)
{
    StartMappedDocument();
    CFont font = MakeFont(20);
    m_dc.SelectObject(&font);
    RECT literal{10, 100, 400, 120};
    m_dc.DrawText("Smith & Sons", &literal, DT_NOPREFIX);
    RECT prefixed{10, 200, 400, 220};
    m_dc.DrawText("Jones &Partners", &prefixed, 0);
    EndDocument();

    const QString text = PdfText(PdfPath());
    EXPECT_TRUE(text.contains("Smith & Sons")) << text.toStdString();
    EXPECT_TRUE(text.contains("Jones Partners")) << text.toStdString();
}

// Drawn on an A4 page mapped to 594 × 840 units and rendered at 72 dots per
// inch, one logical unit is very nearly one pixel.
TEST_F(PrintedPage, ClipsTextToItsRectangle)
{
    StartMappedDocument();
    CFont font = MakeFont(20, FW_BOLD);
    m_dc.SelectObject(&font);
    RECT rect{100, 300, 160, 320};
    m_dc.DrawText("WWWWWWWWWWWWWWWWWWWW\nWWWWWWWWWWWWWWWWWWWW", &rect, DT_NOPREFIX);
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
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    m_dc.SelectObject(&pen);
    m_dc.MoveTo(0, 420);
    m_dc.LineTo(297, 420);
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
    DOCINFO info;
    info.lpszDocName = "Test Job";
    ASSERT_GT(dc.StartDoc(&info), 0);
    ASSERT_GT(dc.StartPage(), 0);
    dc.EndPage();

    EXPECT_EQ(dc.EndDoc(), SP_ERROR);
}
