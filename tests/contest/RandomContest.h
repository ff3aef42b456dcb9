// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"
#include "matrix/BalancedDraw.h"
#include "matrix/DrawObserver.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"
#include "matrix/Timekeepers.h"

#include <numeric>
#include <random>

// Contests of every shape for the contest file's tests: pilots whose names
// hold Czech letters, a letter outside the basic plane, commas, quotes and
// blanks, up to the dialogs' limits; random fields, name and date; and no
// schedule, or one drawn by the real random or balanced draw, sometimes from
// a pilot list the organiser has changed since.
class RandomContest {
public:
    explicit RandomContest(unsigned seed) : m_engine(seed) {}

    Contest Next()
    {
        Contest contest;
        contest.name = Text(kContestNameChars);
        if (!OneIn(3))
            contest.date = QDate(2000, 1, 1).addDays(Between(0, 20000));
        contest.pilots = Pilots(OneIn(10) ? kRosterCapacity : Between(0, 30));
        contest.fields = {Between(kMinRounds, kMaxRounds), Between(kMinHeats, kMaxHeats),
                          Between(kMinPilotsPerHeat, kSlotsPerHeat)};
        contest.rules = {OneIn(3), OneIn(3)};
        if (!OneIn(4))
            Draw(contest);
        if (OneIn(4))
            contest.pilots = Pilots(Between(0, 30));
        return contest;
    }

private:
    int Between(int lowest, int highest) { return std::uniform_int_distribution(lowest, highest)(m_engine); }
    bool OneIn(int outOf) { return Between(1, outOf) == 1; }

    QString Text(int maxChars)
    {
        static const QStringList pieces = {QStringLiteral("Ř"), QStringLiteral("ž"), QStringLiteral("Ů"),
                                           QStringLiteral(","), QStringLiteral("\""), QStringLiteral(" "),
                                           QStringLiteral("a"), QStringLiteral("\U0001F6E9"), QStringLiteral("\\"), QStringLiteral("\t")};
        QString text;
        const int chars = Between(0, 3) == 0 ? maxChars : Between(0, maxChars);
        for (int at = 0; at < chars; ++at)
            text += pieces[Between(0, int(pieces.size()) - 1)];
        return text;
    }

    // A pilot's name is one field of the pilot's line, so it holds no comma.
    QString NameText(int maxChars) { return Text(maxChars).remove(u','); }

    // A few teams, so that some pilots are team mates; most pilots fly alone.
    QString Team()
    {
        static const QStringList teams = {QStringLiteral("Orlík"), QStringLiteral("Sokoli 🛩"),
                                          QString(kTeamChars, u'Ž')};
        return OneIn(2) ? QString() : teams[Between(0, int(teams.size()) - 1)];
    }

    std::vector<PilotRecord> Pilots(int count)
    {
        std::vector<PilotRecord> pilots;
        for (int position = 0; position < count; ++position)
            pilots.push_back({position, NameText(kFirstNameChars), NameText(kLastNameChars),
                              Between(kLowestChannel, kHighestChannel), Team()});
        return pilots;
    }

    void Draw(Contest& contest)
    {
        std::vector<int> listOrder(contest.pilots.size());
        std::iota(listOrder.begin(), listOrder.end(), 0);
        const DrawInput input{contest.pilots, listOrder, contest.fields, contest.rules};
        contest.draw = {OneIn(2) ? DrawKind::Random : DrawKind::Balanced, std::uniform_int_distribution<unsigned>()(m_engine),
                        Between(kMinBalanceEffort, kMaxBalanceEffort)};
        SeededRandom random(contest.draw.seed);
        CalculationResult& result = contest.result;
        result.pilots = contest.pilots;
        result.rounds = contest.fields.rounds;
        result.heats = contest.fields.heats;
        if (contest.draw.kind == DrawKind::Random) {
            DrawObserver quiet;
            const DrawOutcome outcome = DrawMatrix(input, random, quiet);
            result.matrix = outcome.matrix;
            result.completed = outcome.completed;
        } else {
            BalanceObserver quiet;
            const BalancedOutcome outcome = DrawBalanced(input, random, {kMinBalanceEffort, 200}, quiet);
            result.matrix = outcome.matrix;
            result.completed = outcome.completed;
        }
        AddTimekeepers(result, contest.rules, contest.draw.seed);
    }

    std::mt19937 m_engine;
};
