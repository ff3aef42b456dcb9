// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/Timekeepers.h"

#include "matrix/CalculationResult.h"
#include "matrix/SearchRandom.h"
#include "roster/PilotMates.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace {

// Mixed into the draw's seed, so the timekeepers do not repeat the draw's
// own random choices.
constexpr std::uint64_t kTimekeeperSalt = 0x7469'6d65'6b65'6570ULL;

struct Job {
    int round = 0;
    int heat = 0;
    int slot = 0;
    int pilot = 0;
};

// The whole contest's timing as one assignment: every job (a pilot of a
// heat) to a timekeeper who may time it, each timekeeper able to time some
// job ending with `least` to `most` jobs over the contest. Augmenting paths
// move jobs between timekeepers until every job has one and every
// timekeeper its least share, or show that no assignment can.
class ContestAssignment {
public:
    // The rounds before firstRound keep their timekeepers; the jobs each
    // timekeeper holds there count against its share.
    ContestAssignment(const CalculationResult& result, int firstRound, SearchRandom& random)
        : m_result(result), m_kept(result.pilots.size(), 0), m_timeable(result.pilots.size())
    {
        for (int round = 0; round < std::clamp(result.rounds, 0, kMaxRounds); ++round)
            for (int heat = 0; heat < HeatsFilled(result, round); ++heat)
                for (int slot = 0; slot < kSlotsPerHeat; ++slot) {
                    const int pilot = result.matrix.At(round, heat, slot);
                    const int keeper = result.timekeepers.At(round, heat, slot);
                    if (pilot == kEmptySlot)
                        continue;
                    if (round >= firstRound)
                        m_jobs.push_back({round, heat, slot, pilot});
                    else if (keeper >= 0 && keeper < int(m_kept.size()))
                        ++m_kept[size_t(keeper)];
                }
        for (const Job& job : m_jobs)
            m_candidates.push_back(Candidates(job, random));
        for (int job = 0; job < Jobs(); ++job)
            for (int keeper : m_candidates[size_t(job)])
                m_timeable[size_t(keeper)].push_back(job);
    }

    bool EveryJobHasCandidates() const
    {
        return std::none_of(m_candidates.begin(), m_candidates.end(), [](const auto& list) { return list.empty(); });
    }
    int Jobs() const { return int(m_jobs.size()); }

    // The least spread (of one or more) the timekeepers able to time some job
    // can have, kept rounds counted, and an assignment within it. Every job
    // must have a candidate.
    void AssignLeastSpread()
    {
        int mostKept = 0;
        for (size_t keeper = 0; keeper < m_kept.size(); ++keeper)
            mostKept = m_timeable[keeper].empty() ? mostKept : std::max(mostKept, m_kept[keeper]);
        for (int spread = 1;; ++spread)
            for (int least = std::max(0, mostKept - spread); NewJobsAt(least, true) <= Jobs(); ++least)
                if (NewJobsAt(least + spread, false) >= Jobs() && AssignWithin(least, least + spread))
                    return;
    }

    void WriteInto(Matrix& timekeepers) const
    {
        for (int job = 0; job < Jobs(); ++job)
            timekeepers.Set(m_jobs[size_t(job)].round, m_jobs[size_t(job)].heat, m_jobs[size_t(job)].slot,
                            m_keeperOf[size_t(job)]);
    }

private:
    // Who may time the pilot, team mates first, in random order otherwise.
    std::vector<int> Candidates(const Job& job, SearchRandom& random) const
    {
        std::vector<int> candidates;
        for (int keeper = 0; keeper < int(m_result.pilots.size()); ++keeper)
            if (keeper != job.pilot && MayTime(m_result, job.round, job.heat, keeper))
                candidates.push_back(keeper);
        random.Shuffle(candidates);
        const PilotRecord& pilot = m_result.pilots[size_t(job.pilot)];
        std::stable_partition(candidates.begin(), candidates.end(),
                              [&](int keeper) { return AreTeamMates(pilot, m_result.pilots[size_t(keeper)]); });
        return candidates;
    }

    // The new jobs the timekeepers able to time some job take at the given
    // share each, their kept jobs counted: at least, or exactly.
    int NewJobsAt(int share, bool atLeast) const
    {
        int jobs = 0;
        for (size_t keeper = 0; keeper < m_kept.size(); ++keeper)
            if (!m_timeable[keeper].empty())
                jobs += atLeast ? std::max(0, share - m_kept[keeper]) : share - m_kept[keeper];
        return jobs;
    }

    // Every job to a timekeeper with room below `most`, team mates first;
    // then each timekeeper below `least` takes jobs from those above it.
    // Neither step lowers a timekeeper's count but the one giving a job
    // away, so a failure of either shows that no assignment fits.
    bool AssignWithin(int least, int most)
    {
        m_least = least;
        m_most = most;
        m_keeperOf.assign(m_jobs.size(), -1);
        m_held.assign(m_result.pilots.size(), {});
        for (int job = 0; job < Jobs(); ++job) {
            m_visited.assign(m_result.pilots.size(), 0);
            if (!Augment(job))
                return false;
        }
        for (int keeper = 0; keeper < int(m_kept.size()); ++keeper)
            while (!m_timeable[size_t(keeper)].empty() && Count(keeper) < m_least) {
                m_visited.assign(m_result.pilots.size(), 0);
                m_visited[size_t(keeper)] = 1;
                if (!Regain(keeper))
                    return false;
            }
        return true;
    }

    // A timekeeper with room takes the job; a full one passes one of its
    // jobs on along a path that ends at a timekeeper with room.
    bool Augment(int job)
    {
        // A timekeeper on the path has handed a job on; it is full again.
        for (int keeper : m_candidates[size_t(job)])
            if (!m_visited[size_t(keeper)] && Count(keeper) < m_most) {
                Take(job, keeper);
                return true;
            }
        for (int keeper : m_candidates[size_t(job)]) {
            if (m_visited[size_t(keeper)])
                continue;
            m_visited[size_t(keeper)] = 1;
            std::vector<int>& held = m_held[size_t(keeper)];
            for (size_t at = 0; at < held.size(); ++at) {
                const int other = held[at];
                held.erase(held.begin() + at);
                if (Augment(other)) {
                    Take(job, keeper);
                    return true;
                }
                held.insert(held.begin() + at, other);
            }
        }
        return false;
    }

    // The timekeeper takes one job more from one above its least share,
    // directly or along a path of timekeepers each taking the next one's job.
    bool Regain(int keeper)
    {
        for (int job : m_timeable[size_t(keeper)])
            if (const int holder = m_keeperOf[size_t(job)]; !m_visited[size_t(holder)] && Count(holder) > m_least) {
                Move(job, keeper);
                return true;
            }
        for (int job : m_timeable[size_t(keeper)]) {
            const int holder = m_keeperOf[size_t(job)];
            if (m_visited[size_t(holder)])
                continue;
            m_visited[size_t(holder)] = 1;
            if (Regain(holder)) {
                Move(job, keeper);
                return true;
            }
        }
        return false;
    }

    int Count(int keeper) const { return m_kept[size_t(keeper)] + int(m_held[size_t(keeper)].size()); }

    void Take(int job, int keeper)
    {
        m_keeperOf[size_t(job)] = keeper;
        m_held[size_t(keeper)].push_back(job);
    }

    void Move(int job, int keeper)
    {
        std::vector<int>& held = m_held[size_t(m_keeperOf[size_t(job)])];
        held.erase(std::find(held.begin(), held.end(), job));
        Take(job, keeper);
    }

    const CalculationResult& m_result;
    std::vector<Job> m_jobs;
    std::vector<int> m_kept;                 // per pilot, the jobs it times in the kept rounds
    std::vector<std::vector<int>> m_candidates;
    std::vector<std::vector<int>> m_timeable;  // per pilot, the jobs it may time
    std::vector<int> m_keeperOf;             // per job
    std::vector<std::vector<int>> m_held;    // per pilot, the jobs it times
    std::vector<char> m_visited;
    int m_least = 0;
    int m_most = 0;
};

bool FliesIn(const CalculationResult& result, int round, int heat, int pilot)
{
    for (int slot = 0; slot < kSlotsPerHeat; ++slot)
        if (result.matrix.At(round, heat, slot) == pilot)
            return true;
    return false;
}

}  // namespace

int HeatsFilled(const CalculationResult& result, int round)
{
    for (int heat = std::clamp(result.heats, 0, kMaxHeats); heat > 0; --heat)
        for (int slot = 0; slot < kSlotsPerHeat; ++slot)
            if (result.matrix.At(round, heat - 1, slot) != kEmptySlot)
                return heat;
    return 0;
}

bool MayTime(const CalculationResult& result, int round, int heat, int timekeeper)
{
    if (timekeeper < 0 || timekeeper >= int(result.pilots.size())
        || !result.pilots[size_t(timekeeper)].FliesInRound(round) || FliesIn(result, round, heat, timekeeper))
        return false;
    const int heats = HeatsFilled(result, round);
    return heats < 3 || heat + 1 >= heats || !FliesIn(result, round, heat + 1, timekeeper);
}

std::optional<Matrix> AssignTimekeepers(const CalculationResult& result, unsigned seed)
{
    return ReassignTimekeepers(result, 0, seed);
}

std::optional<Matrix> ReassignTimekeepers(const CalculationResult& result, int firstRound, unsigned seed)
{
    SearchRandom random(std::uint64_t(seed) ^ kTimekeeperSalt);
    ContestAssignment assignment(result, std::max(0, firstRound), random);
    if (!assignment.EveryJobHasCandidates())
        return std::nullopt;
    assignment.AssignLeastSpread();
    Matrix timekeepers;
    for (int round = 0; round < std::min(std::max(0, firstRound), kMaxRounds); ++round)
        for (int heat = 0; heat < kMaxHeats; ++heat)
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                timekeepers.Set(round, heat, slot, result.timekeepers.At(round, heat, slot));
    assignment.WriteInto(timekeepers);
    return timekeepers;
}

QString NoTimekeepersMessage()
{
    return QCoreApplication::translate("Timekeepers", "The pilots fill only one heat a round, so nobody is free to "
                                                      "time them. The schedule has no timekeepers; use fewer pilots "
                                                      "per heat to have them.");
}

std::optional<QString> AddTimekeepers(CalculationResult& result, const DrawRules& rules, unsigned seed)
{
    result.timekeepers.Clear();
    result.noBackToBack = rules.noBackToBack && result.completed;
    if (!rules.timekeepers || !result.completed)
        return std::nullopt;
    const std::optional<Matrix> timekeepers = AssignTimekeepers(result, seed);
    if (!timekeepers)
        return NoTimekeepersMessage();
    result.timekeepers = *timekeepers;
    return std::nullopt;
}
