// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/SchedulePage.h"

#include "contest/Contest.h"
#include "support/PdfPrinter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <set>

namespace {

const QString kHostileName = QStringLiteral("<b>&\"");

// Twelve pilots in four rounds of three heats; the first pilot's last name
// is markup, another's is Czech with accents, another's holds placeholders;
// every other pilot is in a team, and each seat is timed by the pilot of the
// same seat in the next heat.
Contest ClubContest()
{
    Contest contest;
    contest.name = QStringLiteral("Pohár <Kvorax> & spol.");
    contest.date = QDate(2026, 5, 16);
    CalculationResult& result = contest.result;
    result.rounds = 4;
    result.heats = 3;
    result.completed = true;
    for (int number = 0; number < 12; ++number) {
        PilotRecord pilot;
        pilot.index = number;
        pilot.lastName = number == 0 ? kHostileName
                         : number == 5 ? QStringLiteral("Šťastný")
                         : number == 7 ? QStringLiteral("%2 %1")
                                       : QStringLiteral("Pilot%1").arg(number);
        pilot.firstName = QStringLiteral("Jan");
        pilot.team = number % 2 ? QString() : number % 4 ? QStringLiteral("Orlík") : QStringLiteral("<i>&");
        pilot.frequency = 35 + number;
        result.pilots.push_back(pilot);
    }
    for (int round = 0; round < result.rounds; ++round)
        for (int place = 0; place < 12; ++place) {
            result.matrix.Set(round, place / 4, place % 4, (place + round * 5) % 12);
            result.timekeepers.Set(round, place / 4, place % 4, (place + 4 + round * 5) % 12);
        }
    return contest;
}

// The heat (0-based, per round) each pilot flies in each round.
int HeatOf(const CalculationResult& result, int round, int pilot)
{
    for (int heat = 0; heat < result.heats; ++heat)
        for (int slot = 0; slot < kSlotsPerHeat; ++slot)
            if (result.matrix.At(round, heat, slot) == pilot)
                return heat;
    return -1;
}

QStringList BrowserArguments(const QString& profile)
{
    return {"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
            "--disable-sync", "--no-first-run", "--enable-logging=stderr", "--v=0", "--user-data-dir=" + profile};
}

QString FindBrowser()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

// The page of the contest written where a browser can open it.
QString WritePage(const QTemporaryDir& folder, const Contest& contest)
{
    const QString file = folder.filePath("schedule.html");
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(SchedulePageHtml(contest).toUtf8()) > 0);
    return file;
}

struct BrowserPage {
    QString dom;
    QString log;
};

// The page as a real browser leaves it once its script ran, opened with a
// search in its address.
BrowserPage OpenInBrowser(const QString& browser, const QString& file, const QString& search)
{
    QTemporaryDir profile;
    QUrl url = QUrl::fromLocalFile(file);
    if (!search.isEmpty())
        url.setQuery(QStringLiteral("q=") + QString::fromUtf8(QUrl::toPercentEncoding(search)));
    QProcess process;
    process.start(browser, BrowserArguments(profile.path()) << "--dump-dom" << url.toString(QUrl::FullyEncoded));
    process.waitForFinished(120000);
    return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The heat blocks of the page in order, each with whether it is marked.
struct DrawnHeat {
    QString markup;
    bool hit;
};

std::vector<DrawnHeat> HeatsOf(const QString& dom)
{
    std::vector<DrawnHeat> heats;
    const QRegularExpression block(QStringLiteral("<tbody class=\"(heat[^\"]*)\">(.*?)</tbody>"),
                                   QRegularExpression::DotMatchesEverythingOption);
    for (auto match = block.globalMatch(dom); match.hasNext();) {
        const QRegularExpressionMatch heat = match.next();
        heats.push_back({heat.captured(2), heat.captured(1).split(u' ').contains(QStringLiteral("hit"))});
    }
    return heats;
}

} // namespace

// The file asks nothing of the network and shows every name as typed.
TEST(SchedulePage, IsOneFileWithEveryNameEscaped)
{
    const QString page = SchedulePageHtml(ClubContest());
    EXPECT_FALSE(page.contains(QStringLiteral("<b>&\"")));
    EXPECT_FALSE(page.contains(QStringLiteral("<Kvorax>")));
    EXPECT_TRUE(page.contains(QStringLiteral("&lt;b&gt;&amp;&quot;, Jan")));
    EXPECT_FALSE(page.contains(QRegularExpression(QStringLiteral("(src|href)\\s*=|@import|url\\(|https?:"))));
    EXPECT_TRUE(page.contains(QStringLiteral("name=\"viewport\"")));
}

// Every seat's row holds its pilot's name as typed, then the pilot's team
// and timekeeper, in round, heat and seat order.
TEST(SchedulePage, EachRowShowsItsPilotWithTeamAndTimekeeper)
{
    const Contest contest = ClubContest();
    const CalculationResult& result = contest.result;
    const QString page = SchedulePageHtml(contest);
    const QRegularExpression row(QStringLiteral("<tr class=\"pilot\">.*?</tr>"));
    auto rows = row.globalMatch(page);
    for (int round = 0; round < result.rounds; ++round)
        for (int seat = 0; seat < 12; ++seat) {
            ASSERT_TRUE(rows.hasNext()) << "round " << round + 1 << ", seat " << seat;
            const QString shown = rows.next().captured();
            const PilotRecord& pilot = result.pilots[size_t(result.matrix.At(round, seat / 4, seat % 4))];
            const PilotRecord& keeper = result.pilots[size_t(result.timekeepers.At(round, seat / 4, seat % 4))];
            EXPECT_TRUE(shown.contains(u'>' + pilot.lastName.toHtmlEscaped() + QStringLiteral(", Jan<"))) << shown.toStdString();
            EXPECT_TRUE(pilot.team.isEmpty() ? !shown.contains(QStringLiteral("Team "))
                                             : shown.contains(QStringLiteral("Team ") + pilot.team.toHtmlEscaped()))
                << shown.toStdString();
            EXPECT_TRUE(shown.contains(keeper.lastName.toHtmlEscaped() + QStringLiteral(" Jan"))) << shown.toStdString();
        }
    EXPECT_FALSE(rows.hasNext());
}

// Opened in a real browser, the page lists every pilot in every round,
// shows the hostile name as text, runs its script without an error, and a
// search leaves exactly the heats of the one pilot found marked.
TEST(SchedulePage, SearchInARealBrowserMarksOnlyThePilotsHeats)
{
    const QString browser = FindBrowser();
    if (browser.isEmpty())
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh test installs it), so no browser can open the page";
    const Contest contest = ClubContest();
    QTemporaryDir folder;
    const QString file = WritePage(folder, contest);
    for (const int pilot : {0, 5}) {
        // "stastny" finds Šťastný: the search ignores case and accents.
        const QString search = pilot == 0 ? kHostileName : QStringLiteral("stastny");
        const BrowserPage page = OpenInBrowser(browser, file, search);
        ASSERT_FALSE(page.dom.isEmpty()) << page.log.toStdString();
        EXPECT_FALSE(page.log.contains(QStringLiteral("Uncaught"))) << page.log.toStdString();
        EXPECT_TRUE(page.dom.contains(QStringLiteral("<body class=\"searching\">"))) << "the script did not run through";
        EXPECT_TRUE(page.dom.contains(QStringLiteral("&lt;b&gt;&amp;\", Jan")));
        EXPECT_FALSE(page.dom.contains(QStringLiteral("<b>&amp;")));
        const std::vector<DrawnHeat> heats = HeatsOf(page.dom);
        const CalculationResult& result = contest.result;
        ASSERT_EQ(heats.size(), size_t(result.rounds * result.heats));
        for (int round = 0; round < result.rounds; ++round)
            for (int heat = 0; heat < result.heats; ++heat) {
                const DrawnHeat& drawn = heats[size_t(round * result.heats + heat)];
                EXPECT_EQ(drawn.hit, HeatOf(result, round, pilot) == heat) << "round " << round + 1 << ", heat " << heat + 1;
            }
        for (const PilotRecord& each : result.pilots)
            EXPECT_EQ(page.dom.count(each.lastName.toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\"")) + u','), result.rounds)
                << each.lastName.toStdString();
    }
}

// Printed from a browser, a round taller than a page (100 pilots in ten
// heats) starts under its heading on the first page, and no heat is split
// across two pages.
TEST(SchedulePage, PrintsEveryHeatWholeOnAPageFromTheFirstPageOn)
{
    const QString browser = FindBrowser();
    if (browser.isEmpty())
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh test installs it), so no browser can print the page";
    Contest contest;
    CalculationResult& result = contest.result;
    result = {true, 1, 10, {}, {}};
    for (int number = 0; number < 100; ++number) {
        result.pilots.push_back({number, QStringLiteral("Jan"), QStringLiteral("Pilot%1").arg(number, 3, 10, QChar('0')), 10 + number % 70});
        result.matrix.Set(0, number / 10, number % 10, (number * 37) % 100);
    }
    QTemporaryDir folder;
    const QString pdf = folder.filePath("schedule.pdf");
    QProcess process;
    process.start(browser, BrowserArguments(folder.filePath("profile")) << "--no-pdf-header-footer" << "--print-to-pdf=" + pdf
                                                                        << QUrl::fromLocalFile(WritePage(folder, contest)).toString());
    process.waitForFinished(120000);
    const int pages = PdfPageCount(pdf);
    ASSERT_GT(pages, 1) << process.readAllStandardError().toStdString();
    std::vector<QString> texts;
    for (int page = 1; page <= pages; ++page)
        texts.push_back(PdfPageText(pdf, page));
    EXPECT_TRUE(texts.front().contains(result.pilots[size_t(result.matrix.At(0, 0, 0))].lastName)) << texts.front().toStdString();
    for (int heat = 0; heat < 10; ++heat) {
        std::set<int> pagesOfHeat;
        for (int slot = 0; slot < 10; ++slot)
            for (int page = 0; page < pages; ++page)
                if (texts[size_t(page)].contains(result.pilots[size_t(result.matrix.At(0, heat, slot))].lastName + u','))
                    pagesOfHeat.insert(page);
        EXPECT_EQ(pagesOfHeat.size(), 1u) << "heat " << heat + 1;
    }
}
