// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer/HeatCardPrintout.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"
#include "support/PdfPrinter.h"
#include "support/PrintoutTrace.h"
#include "support/RecordedDrawing.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString kMatrixRefusal = "Please perform a Matrix Calculation before attempting to print a Matrix.";
const QString kHeatCardsRefusal = "Please perform a Matrix Calculation before attempting to print Heat Cards.";
// The status line after a printout: the progress gives way to the result's state.
const QString kCalculatedStatus = "The matrix was calculated for 1 pilot (seed %1).";

class PrintCommands : public MainWindowFixture {
protected:
    PrintCommands() { window.SetDlgItemText(IDC_STATUS, "Ready"); }

    // A calculation of one pilot, enough for the printouts not to refuse;
    // the status line shows "Ready" again afterwards.
    void ShowSomeResult()
    {
        ListPilots({"Novák,Jan,35"});
        ASSERT_EQ(window.Recalculate(1).kind, CommandOutcome::Kind::Done);
        window.SetDlgItemText(IDC_STATUS, "Ready");
    }

    void AnswerFontSize(int button)
    {
        host.ExpectDialog(IDD_FONT_SIZE, [button](DialogDriver& user) { user.Press(button); });
    }

    // Every dialog answered, no message, no document, the status line untouched.
    void ExpectNothingPrintedOrSaid()
    {
        EXPECT_TRUE(host.AllAnswered());
        EXPECT_TRUE(host.Messages().isEmpty());
        EXPECT_EQ(m_trace.documentsStarted, 0);
        EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QString("Ready"));
    }

    QString PdfPath() const { return m_dir.filePath("printout.pdf"); }

    QTemporaryDir m_dir;
    RecordedDrawing m_trace{window.PrinterDC()};
};

} // namespace

TEST_F(PrintCommands, RefuseBeforeAnyCalculationEvenWithPilotsListed)
{
    ListPilots({"Novák,Jan,35", "Adams,Eva,40"});

    EXPECT_EQ(window.OnPrintMatrix(), 0);
    EXPECT_EQ(window.OnPrintHeatCards(), 0);

    EXPECT_EQ(host.Messages(), QStringList({kMatrixRefusal, kHeatCardsRefusal}));
    EXPECT_EQ(m_trace.documentsStarted, 0);
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QString("Ready"));
}

TEST_F(PrintCommands, PrintNothingWhenTheFontSizeIsCancelled)
{
    ShowSomeResult();
    AnswerFontSize(IDCANCEL);
    AnswerFontSize(IDCANCEL);

    EXPECT_EQ(window.OnPrintMatrix(), 0);
    EXPECT_EQ(window.OnPrintHeatCards(), 0);

    ExpectNothingPrintedOrSaid();
}

TEST_F(PrintCommands, PrintNothingWhenThePrinterIsCancelled)
{
    ShowSomeResult();
    for (int command = 0; command < 2; ++command) {
        AnswerFontSize(IDOK);
        host.AnswerPrinter(std::nullopt);
    }

    EXPECT_EQ(window.OnPrintMatrix(), 0);
    EXPECT_EQ(window.OnPrintHeatCards(), 0);

    ExpectNothingPrintedOrSaid();
}

TEST_F(PrintCommands, PrintToTheChosenFileAndSayWhereItWent)
{
    ShowSomeResult();
    AnswerFontSize(IDOK);
    host.AnswerPrinter(PdfPath());

    EXPECT_EQ(window.OnPrintHeatCards(), 1);

    EXPECT_TRUE(host.AllAnswered());
    EXPECT_EQ(m_trace.documentName, QString("Heat Cards"));
    EXPECT_EQ(m_trace.documentsEnded, 1);
    EXPECT_TRUE(QFileInfo::exists(PdfPath()));
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), QStringLiteral("Printed to %1.").arg(PdfPath()));
}

// A PDF file that cannot be made where the organiser chose is named with
// the reason, as the text exports name theirs: a missing folder, and a
// folder that no one may write in (sysfs refuses even root).
TEST_F(PrintCommands, SayWhichPdfFileCannotBeMadeAndWhy)
{
    ShowSomeResult();
    const QString missingFolder = m_dir.filePath("no such folder/printout.pdf");
    const QString readOnly = QStringLiteral("/sys/kvorax-printout.pdf");
    const std::pair<QString, QString> cases[] = {
        {missingFolder, QStringLiteral("The folder of \"%1\" does not exist, or the path is not valid.").arg(missingFolder)},
        {readOnly, QStringLiteral("Access to \"%1\" was denied.").arg(readOnly)},
    };
    for (const auto& [target, reason] : cases) {
        for (int command = 0; command < 2; ++command) {
            AnswerFontSize(IDOK);
            host.AnswerPrinter(target);
        }
        EXPECT_EQ(window.OnPrintMatrix(), 1);
        EXPECT_EQ(window.OnPrintHeatCards(), 1);
        const QString expected = reason + QStringLiteral(" Nothing was written.");
        EXPECT_EQ(host.TakeMessages(), (QStringList{expected, expected}));
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    EXPECT_EQ(m_trace.documentsEnded, 0);
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), kCalculatedStatus.arg(window.GetContest().draw.seed));
}

// /dev/full takes the file open and then refuses every byte, as a disk that
// is full: the printer ends the document without a word of it.
TEST_F(PrintCommands, SayWhenThePdfFileCannotBeWrittenToTheEnd)
{
    ShowSomeResult();
    for (int command = 0; command < 2; ++command) {
        AnswerFontSize(IDOK);
        host.AnswerPrinter(QStringLiteral("/dev/full"));
    }

    EXPECT_EQ(window.OnPrintMatrix(), 1);
    EXPECT_EQ(window.OnPrintHeatCards(), 1);

    ASSERT_EQ(host.Messages().size(), 2);
    EXPECT_TRUE(host.Messages()[0].startsWith("The printout could not be written completely to the file \"/dev/full\""))
        << host.Messages()[0].toStdString();
    EXPECT_EQ(host.Messages()[1], host.Messages()[0]);
    EXPECT_EQ(m_trace.documentsEnded, 2);
    EXPECT_EQ(window.GetDlgItemText(IDC_STATUS), kCalculatedStatus.arg(window.GetContest().draw.seed));
}

// After a real calculation the organiser adds a pilot; the printouts still
// show the schedule as drawn, and the newcomer, first in the list now, is in
// neither of them.
TEST_F(PrintCommands, PrintWhatTheLastCalculationDrewAfterTheListChanged)
{
    ListPilots({"Novák,Jan,35", "Adams,Eva,40", "Dvořák,Petr,45", "Černá,Ivana,50", "Smith,Ann,55", "Zeman,Tomáš,60"});
    window.SetDlgItemText(IDC_ROUNDS, "2");
    window.SetDlgItemText(IDC_HEATS, "2");
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, "3");
    window.OnRecalculate();
    ASSERT_EQ(window.ResultTree().GetCount(), 6 + 6 * 2);
    ListPilots({"Aaron,Al,65"});
    for (int command = 0; command < 2; ++command) {
        host.AnswerQuestion(IDYES);
        AnswerFontSize(IDOK);
        host.AnswerPrinter(PdfPath());
    }

    EXPECT_EQ(window.OnPrintMatrix(), 1);
    const DrawingTrace matrix = m_trace;
    m_trace.texts.clear();
    EXPECT_EQ(window.OnPrintHeatCards(), 1);
    const DrawingTrace& cards = m_trace;

    EXPECT_EQ(TextsOf(TracedHeadings(matrix)),
              QStringList({"Round 01  Heat 01", "Round 01  Heat 02", "Round 02  Heat 01", "Round 02  Heat 02"}));
    const QStringList matrixTexts = TextsOf(BodyTexts(matrix));
    ASSERT_EQ(matrixTexts.size(), 4 + 12);
    for (const char* name : {"Novák, Jan", "Adams, Eva", "Dvořák, Petr", "Černá, Ivana", "Smith, Ann", "Zeman, Tomáš"})
        EXPECT_EQ(matrixTexts.filter(name).size(), 2) << name;
    EXPECT_TRUE(matrixTexts.filter("Aaron").isEmpty());

    const QStringList cardTexts = TextsOf(BodyTexts(cards));
    EXPECT_EQ(TracedHeadings(cards).size(), 6u);
    EXPECT_EQ(cardTexts.size(), 6 + 6 * 2);
    EXPECT_TRUE(cardTexts.filter("Aaron").isEmpty());
    EXPECT_EQ(cardTexts.filter(QRegularExpression("^       Round 0[12], Heat 0[12]$")).size(), 12);
}

// The fields change and are taken in after the calculation: the printout
// still shows the rounds and heats that were drawn, not empty extra ones.
TEST_F(PrintCommands, PrintTheCalculatedRoundsAndHeatsAfterTheFieldsChanged)
{
    ListPilots({"Novák,Jan,35", "Adams,Eva,40", "Dvořák,Petr,45", "Černá,Ivana,50"});
    window.SetDlgItemText(IDC_ROUNDS, "2");
    window.SetDlgItemText(IDC_HEATS, "2");
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, "2");
    window.OnRecalculate();
    ASSERT_EQ(window.ResultTree().GetCount(), 4 + 4 * 2);
    window.SetDlgItemText(IDC_ROUNDS, "4");
    window.SetDlgItemText(IDC_HEATS, "3");
    ASSERT_TRUE(window.UpdateData(true));
    AnswerFontSize(IDOK);
    host.AnswerPrinter(PdfPath());

    EXPECT_EQ(window.OnPrintMatrix(), 1);

    EXPECT_EQ(TextsOf(TracedHeadings(m_trace)),
              QStringList({"Round 01  Heat 01", "Round 01  Heat 02", "Round 02  Heat 01", "Round 02  Heat 02"}));
    EXPECT_EQ(BodyTexts(m_trace).size(), 4u + 8u);
}

// The size typed and the unticked box reach the matrix printout: bold
// headings four above the base, and the second round going on in the same
// column of the first page.
TEST_F(PrintCommands, PrintTheMatrixWithTheSizeAndColumnChoiceTyped)
{
    ListPilots({"Novák,Jan,35", "Adams,Eva,40", "Dvořák,Petr,45", "Černá,Ivana,50"});
    window.SetDlgItemText(IDC_ROUNDS, "2");
    window.SetDlgItemText(IDC_HEATS, "2");
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, "2");
    window.OnRecalculate();
    host.ExpectDialog(IDD_FONT_SIZE, [](DialogDriver& user) {
        user.Type(IDC_FONT_SIZE, "20");
        user.Tick(IDC_NEW_COLUMN, false);
        user.PressOk();
    });
    host.AnswerPrinter(PdfPath());

    EXPECT_EQ(window.OnPrintMatrix(), 1);

    const std::vector<TracedText> headings = TracedHeadings(m_trace);
    ASSERT_EQ(headings.size(), 4u);
    for (const TracedText& heading : headings) {
        EXPECT_EQ(heading.height, 24) << heading.text.toStdString();
        EXPECT_EQ(heading.rect.left, 0) << heading.text.toStdString();
        EXPECT_EQ(heading.page, 1) << heading.text.toStdString();
    }
    EXPECT_EQ(BodyTexts(m_trace)[1].height, 22);
}

// An imported roster keeps the file's order while the tree sorts its pilots:
// the cards come out in the roster's order.
TEST_F(PrintCommands, PrintTheCardsInRosterOrderNotTheTreesOrder)
{
    QFile roster(m_dir.filePath("pilots.txt"));
    ASSERT_TRUE(roster.open(QIODevice::WriteOnly));
    roster.write("Zeman,Tom,35\r\nNovak,Jan,40\r\nAdams,Eva,45\r\n");
    roster.close();
    host.ExpectDialog(IDD_IMPORT_PILOTS, [&](DialogDriver& user) {
        user.Type(IDC_IMPORT_PATH, roster.fileName());
        user.PressOk();
    });
    window.OnImportPilots();
    window.SetDlgItemText(IDC_ROUNDS, "1");
    window.SetDlgItemText(IDC_HEATS, "1");
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, "3");
    window.OnRecalculate();
    ASSERT_EQ(window.ResultTree().GetCount(), 3 + 3);
    AnswerFontSize(IDOK);
    host.AnswerPrinter(PdfPath());

    EXPECT_EQ(window.OnPrintHeatCards(), 1);

    EXPECT_EQ(TextsOf(TracedHeadings(m_trace)), QStringList({"Zeman, Tom (35)", "Novak, Jan (40)", "Adams, Eva (45)"}));
    EXPECT_EQ(m_trace.lines.size(), 3u);
}

// The preview button draws every printout with the size typed in, headed
// like paper, and leaves the dialog open: a second size can be looked at,
// and Cancel then prints nothing and asks for no printer.
TEST_F(PrintCommands, PreviewTheTypedSizeBeforeAnythingIsPrinted)
{
    ShowSomeResult();
    window.SetContestDetails(QStringLiteral("Pohár"), QDate(2026, 5, 16));
    const std::vector<std::pair<int, CommandOutcome (CRaceDlg::*)()>> printouts = {
        {ID_PRINT_MATRIX, &CRaceDlg::PrintMatrix},
        {ID_PRINT_HEAT_CARDS, &CRaceDlg::PrintHeatCards},
        {ID_PRINT_HEAT_SHEETS, &CRaceDlg::PrintHeatSheets},
        {ID_PRINT_PILOT_LIST, &CRaceDlg::PrintPilotList},
    };
    for (const auto& [id, print] : printouts) {
        m_trace.texts.clear();
        bool endedAfterPreview = true;
        host.ExpectDialog(IDD_FONT_SIZE, [&endedAfterPreview](DialogDriver& user) {
            user.Type(IDC_FONT_SIZE, "20");
            user.Press(IDC_PRINT_PREVIEW);
            user.Type(IDC_FONT_SIZE, "99");
            user.Press(IDC_PRINT_PREVIEW);  // refused with the range message: nothing drawn
            endedAfterPreview = user.HasEnded();
            user.PressCancel();
        });
        const int previewsBefore = host.PreviewCount();

        EXPECT_EQ((window.*print)().kind, CommandOutcome::Kind::Cancelled) << id;

        EXPECT_FALSE(endedAfterPreview) << id;
        EXPECT_EQ(host.PreviewCount(), previewsBefore + 1) << id;
        ASSERT_FALSE(m_trace.texts.empty()) << id;
        EXPECT_EQ(m_trace.texts.front().text.left(18), QStringLiteral("Pohár, 2026-05-16 ")) << id;
        const std::vector<TracedText> body = BodyTexts(m_trace);
        ASSERT_FALSE(body.empty()) << id;
        // Drawn at the size typed (or the largest below it that fits), far
        // above the default's 13-unit headings.
        const auto tallest = std::max_element(body.begin(), body.end(), [](const TracedText& a, const TracedText& b) {
            return a.height < b.height;
        });
        EXPECT_GE(tallest->height, 20) << id;
        EXPECT_LE(tallest->height, 24) << id;
        EXPECT_TRUE(host.TakeMessages().filter("between 8 and 72").size() == 1) << id;
    }
    EXPECT_TRUE(host.AllAnswered());
    EXPECT_FALSE(QFileInfo::exists(PdfPath()));
}
