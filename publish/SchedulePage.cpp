// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/SchedulePage.h"

#include "contest/Contest.h"
#include "contest/ScheduleSeats.h"
#include "matrix/Matrix.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString TwoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QChar('0'));
}

// Tables no wider than the screen: fixed columns for the heat and channel,
// long names wrapped anywhere rather than pushed past the edge. On paper
// each heat stays whole on a page and a round's heading stays with its first
// heat; a round longer than a page goes on over the next, its column titles
// repeated.
const char* const kStyle = R"(
body{font-family:sans-serif;margin:0 auto;padding:8px;max-width:48em;line-height:1.3}
h1{font-size:1.4em;margin:.2em 0}
h2{font-size:1.15em;margin:1em 0 .3em}
table{border-collapse:collapse;width:100%;table-layout:fixed}
th,td{border:1px solid #999;padding:4px 6px;text-align:left;overflow-wrap:anywhere}
thead th{background:#e8e8e8}
.heat-col{width:4.8em}.channel-col{width:5.8em}
tbody.heat th{background:#f4f4f4;vertical-align:top}
.searching tbody.heat{opacity:.35}
.searching tbody.heat.hit{opacity:1}
tbody.heat.hit th,tbody.heat.hit td{background:#ffe58a}
tr.pilot.hit td{font-weight:bold}
.detail{display:block;font-size:.85em;font-weight:normal;color:#444}
#search label{display:block;margin:.6em 0 .2em}
#search input{width:100%;box-sizing:border-box;font-size:1em;padding:6px}
@media print{#search{display:none}.searching tbody.heat{opacity:1}h2{break-after:avoid}tbody.heat{break-inside:avoid}}
)";

// Marks the heats (and within them the rows) of every pilot whose name
// holds the typed text, ignoring case and accents: "novak" finds Novák.
const char* const kScript = R"(
(function () {
  var box = document.getElementById('search');
  var field = document.getElementById('q');
  box.hidden = false;
  function fold(text) {
    return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().trim();
  }
  function search() {
    var wanted = fold(field.value);
    document.body.classList.toggle('searching', wanted !== '');
    var heats = document.querySelectorAll('tbody.heat');
    for (var h = 0; h < heats.length; h++) {
      var rows = heats[h].querySelectorAll('tr.pilot');
      var found = false;
      for (var r = 0; r < rows.length; r++) {
        var name = rows[r].querySelector('.name').textContent;
        var hit = wanted !== '' && fold(name).indexOf(wanted) >= 0;
        rows[r].classList.toggle('hit', hit);
        found = found || hit;
      }
      heats[h].classList.toggle('hit', found);
    }
  }
  field.addEventListener('input', search);
  var asked = new URLSearchParams(window.location.search).get('q');
  if (asked) {
    field.value = asked;
  }
  search();
})();
)";

QString PilotName(const PilotRecord& pilot)
{
    return pilot.firstName.isEmpty() ? pilot.lastName : pilot.lastName + QStringLiteral(", ") + pilot.firstName;
}

// The pilot's team and timekeeper, each on a line under the name, where the
// contest has them: a phone's width has no room for two more columns.
QString PilotDetail(const CalculationResult& result, const PilotRecord& pilot, int round, int heat, int slot)
{
    QStringList parts;
    if (!pilot.team.isEmpty())
        parts << QCoreApplication::translate("SchedulePage", "Team %1").arg(pilot.team);
    const int keeper = result.timekeepers.At(round, heat, slot);
    if (keeper >= 0 && keeper < static_cast<int>(result.pilots.size()))
        parts << QCoreApplication::translate("SchedulePage", "Timekeeper %1").arg(PersonNamed(result.pilots[size_t(keeper)]));
    QString detail;
    for (const QString& part : parts)
        detail += QStringLiteral("<span class=\"detail\">%1</span>").arg(Escaped(part));
    return detail;
}

QString HeatRows(const CalculationResult& result, int round, int heat)
{
    QStringList rows;
    for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
        const int position = result.matrix.At(round, heat, slot);
        if (position < 0 || position >= static_cast<int>(result.pilots.size()))
            continue;
        const PilotRecord& pilot = result.pilots[size_t(position)];
        // One pass over the row: a name holding "%2" stays as typed.
        rows << QStringLiteral("<td><span class=\"name\">%1</span>%2</td><td>%3</td></tr>\n")
                    .arg(Escaped(PilotName(pilot)), PilotDetail(result, pilot, round, heat, slot),
                         QString::number(pilot.frequency));
    }
    const QString heading = Escaped(QCoreApplication::translate("SchedulePage", "Heat %1").arg(TwoDigits(heat + 1)));
    if (rows.isEmpty())
        return QStringLiteral("<tbody class=\"heat\"><tr><th>%1</th><td colspan=\"2\"></td></tr></tbody>\n").arg(heading);
    QString body = QStringLiteral("<tbody class=\"heat\">\n");
    for (qsizetype row = 0; row < rows.size(); ++row) {
        body += QStringLiteral("<tr class=\"pilot\">");
        if (row == 0)
            body += QStringLiteral("<th rowspan=\"%1\">%2</th>").arg(rows.size()).arg(heading);
        body += rows[row];
    }
    return body + QStringLiteral("</tbody>\n");
}

QString RoundTable(const CalculationResult& result, int round)
{
    QString table = QStringLiteral("<section>\n<h2>%1</h2>\n<table>\n"
                                   "<colgroup><col class=\"heat-col\"><col><col class=\"channel-col\"></colgroup>\n"
                                   "<thead><tr><th>%2</th><th>%3</th><th>%4</th></tr></thead>\n")
                        .arg(Escaped(QCoreApplication::translate("SchedulePage", "Round %1").arg(TwoDigits(round + 1))), Escaped(QCoreApplication::translate("SchedulePage", "Heat")),
                             Escaped(QCoreApplication::translate("SchedulePage", "Pilot")), Escaped(QCoreApplication::translate("SchedulePage", "Channel")));
    const int heats = std::clamp(result.heats, 0, kMaxHeats);
    for (int heat = 0; heat < heats; ++heat)
        table += HeatRows(result, round, heat);
    return table + QStringLiteral("</table>\n</section>\n");
}

QString PageTitle(const Contest& contest)
{
    const QString name = contest.name.trimmed();
    return name.isEmpty() ? QCoreApplication::translate("SchedulePage", "Heat schedule") : name;
}

} // namespace

QString SchedulePageHtml(const Contest& contest)
{
    const QString title = Escaped(PageTitle(contest));
    QString page = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                                  "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<h1>%1</h1>\n")
                       .arg(title, QLatin1String(kStyle));
    if (contest.date.isValid())
        page += QStringLiteral("<p class=\"date\">%1</p>\n").arg(contest.date.toString(Qt::ISODate));
    page += QStringLiteral("<div id=\"search\" hidden><label for=\"q\">%1</label>"
                           "<input id=\"q\" type=\"search\" autocomplete=\"off\"></div>\n")
                .arg(Escaped(QCoreApplication::translate("SchedulePage", "Find your heats: type your name")));
    const CalculationResult& result = contest.result;
    const int rounds = std::clamp(result.rounds, 0, kMaxRounds);
    for (int round = 0; round < rounds; ++round)
        page += RoundTable(result, round);
    return page + QStringLiteral("<script>%1</script>\n</body>\n</html>\n").arg(QLatin1String(kScript));
}
