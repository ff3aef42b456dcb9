// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"
#include "support/RecordedDrawing.h"

#include <functional>

namespace {

const QString kStale = QStringLiteral("The pilot list has changed since the matrix was calculated.");

// One of the four outputs of a result, with the dialog it opens first.
struct Output {
    const char* name;
    CommandOutcome (CRaceDlg::*command)();
    int firstDialog;
    QString action;
};

const Output kOutputs[] = {
    {"MatrixExport", &CRaceDlg::ExportMatrix, IDD_EXPORT_MATRIX, QStringLiteral("export")},
    {"HeatCardExport", &CRaceDlg::ExportHeatCards, IDD_EXPORT_HEATS, QStringLiteral("export")},
    {"MatrixPrintout", &CRaceDlg::PrintMatrix, IDD_FONT_SIZE, QStringLiteral("print")},
    {"HeatCardPrintout", &CRaceDlg::PrintHeatCards, IDD_FONT_SIZE, QStringLiteral("print")},
};

class ResultState : public MainWindowFixture {
protected:
    ResultState() { window.SetClock([] { return 7; }); }

    QString Status() const { return window.GetDlgItemText(IDC_STATUS); }

    void Recalculate(const char* heats, const char* pilotsPerHeat)
    {
        window.SetDlgItemText(IDC_ROUNDS, QStringLiteral("3"));
        window.SetDlgItemText(IDC_HEATS, QString::fromLatin1(heats));
        window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QString::fromLatin1(pilotsPerHeat));
        window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    }

    // Runs the output; its first dialog, if it opens, is cancelled.
    CommandOutcome Run(const Output& output, bool expectDialog)
    {
        if (expectDialog)
            host.ExpectDialog(output.firstDialog, [](DialogDriver& user) { user.PressCancel(); });
        const CommandOutcome outcome = (window.*output.command)();
        EXPECT_TRUE(host.AllAnswered()) << output.name;
        return outcome;
    }

    RecordedDrawing m_trace{window.PrinterDC()};
};

TEST_F(ResultState, StatusLineSaysWhetherTheMatrixWasCalculatedAndWhenTheListChanged)
{
    ListPilots({"Novák,Jan,35", "Dvořák,Petr,40", "Svoboda,Karel,41"});
    EXPECT_EQ(Status(), QString());
    Recalculate("1", "3");
    EXPECT_EQ(Status(), QStringLiteral("The matrix was calculated for 3 pilots (seed %1).").arg(window.GetContest().draw.seed));

    for (const auto& change : std::vector<std::function<void()>>{
             [&] { ListPilots({"Král,Jiří,42"}); },
             [&] {
                 window.PilotList().SetCurSel(0);
                 window.OnDeletePilot();
             },
         }) {
        change();
        EXPECT_EQ(Status(), kStale);
        Recalculate("1", "4");
        EXPECT_EQ(Status(), QStringLiteral("The matrix was calculated for %1 pilots (seed %2).")
                                .arg(window.GetRosterCount())
                                .arg(window.GetContest().draw.seed));
    }

    // A pilot edited back to the list as drawn leaves nothing stale.
    window.PilotList().SetCurSel(0);
    const QString first = window.PilotList().GetText(0);
    host.ExpectDialog(IDD_EDIT_PILOT, [](DialogDriver& user) { user.Type(IDC_FREQUENCY, QStringLiteral("55")); user.PressOk(); });
    window.OnEditPilot();
    EXPECT_EQ(Status(), kStale);
    window.PilotList().SetCurSel(static_cast<int>(ListedLines().indexOf(first.section(u',', 0, 1) + QStringLiteral(",55"))));
    host.ExpectDialog(IDD_EDIT_PILOT, [&](DialogDriver& user) { user.Type(IDC_FREQUENCY, first.section(u',', 2)); user.PressOk(); });
    window.OnEditPilot();
    EXPECT_NE(Status(), kStale);

    Recalculate("1", "2");
    EXPECT_EQ(Status(), QStringLiteral("The matrix calculation failed; there is no schedule to export or print."));
    EXPECT_EQ(window.ResultTree().GetCount(), 0);
}

// A schedule drawn from another pilot list goes out only when the organiser
// says so; No is the answer Enter gives.
TEST_F(ResultState, EveryOutputOfAStaleScheduleAsksFirst)
{
    ListPilots({"Novák,Jan,35", "Dvořák,Petr,40"});
    Recalculate("1", "2");
    ListPilots({"Král,Jiří,42"});
    for (const Output& output : kOutputs) {
        host.AnswerQuestion(IDNO);
        EXPECT_EQ(Run(output, false).kind, CommandOutcome::Kind::Cancelled) << output.name;
        EXPECT_EQ(host.TakeMessages(),
                  QStringList{kStale + QStringLiteral(" Do you want to %1 the schedule as it was calculated?").arg(output.action)})
            << output.name;
        ASSERT_FALSE(host.Questions().empty());
        EXPECT_EQ(host.Questions().back().buttons, (std::vector<int>{IDYES, IDNO})) << output.name;
        EXPECT_EQ(host.Questions().back().defaultButton, IDNO) << output.name;
        host.AnswerQuestion(IDYES);
        Run(output, true);
        host.TakeMessages();
    }
    EXPECT_EQ(m_trace.documentsStarted, 0);
}

TEST_F(ResultState, EveryOutputOfAFailedCalculationRefuses)
{
    ListPilots({"Novák,Jan,35", "Dvořák,Petr,35"});
    Recalculate("1", "2");
    host.TakeMessages();
    ListPilots({"Král,Jiří,42"});  // not even a changed list makes it usable
    for (const Output& output : kOutputs) {
        const CommandOutcome outcome = Run(output, false);
        EXPECT_EQ(outcome.kind, CommandOutcome::Kind::Refused) << output.name;
        EXPECT_EQ(outcome.message, QStringLiteral("The last matrix calculation failed, so there is no schedule to %1. "
                                                  "Recalculate the matrix first.")
                                       .arg(output.action));
    }
    EXPECT_TRUE(host.Messages().isEmpty());
    EXPECT_EQ(m_trace.documentsStarted, 0);
}

}  // namespace
