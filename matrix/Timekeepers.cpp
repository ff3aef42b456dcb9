// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/Timekeepers.h"

#include "matrix/CalculationResult.h"
#include "matrix/SearchRandom.h"
#include "roster/PilotMates.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>
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
// heat) to a timekeeper who may time it, each timekeeper taking at most
// `capacity` jobs. Augmenting paths move jobs between timekeepers until
// every job has one, or show that none can.
class ContestAssignment {
public:
    // The rounds before firstRound keep their timekeepers; the jobs each
    // timekeeper holds there count against its share.
    ContestAssignment(const CalculationResult& result, int firstRound, SearchRandom& random)
        : m_result(result), m_kept(result.pilots.size(), 0)
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
    }

    bool EveryJobHasCandidates() const
    {
        return std::none_of(m_candidates.begin(), m_candidates.end(), [](const auto& list) { return list.empty(); });
    }
    int Jobs() const { return int(m_jobs.size()); }
    int KeptJobs() const { return std::accumulate(m_kept.begin(), m_kept.end(), 0); }

    bool AssignWithin(int capacity)
    {
        m_capacity = capacity;
        m_keeperOf.assign(m_jobs.size(), -1);
        m_held.assign(m_result.pilots.size(), {});
        for (int job = 0; job < Jobs(); ++job) {
            m_visited.assign(m_result.pilots.size(), 0);
            if (!Augment(job))
                return false;
        }
        return true;
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
        for (int last = int(candidates.size()) - 1; last > 0; --last)
            std::swap(candidates[size_t(last)], candidates[size_t(random.Below(last + 1))]);
        const PilotRecord& pilot = m_result.pilots[size_t(job.pilot)];
        std::stable_partition(candidates.begin(), candidates.end(),
                              [&](int keeper) { return AreTeamMates(pilot, m_result.pilots[size_t(keeper)]); });
        return candidates;
    }

    // A timekeeper with room takes the job; a full one passes one of its
    // jobs on along a path that ends at a timekeeper with room.
    bool Augment(int job)
    {
        // A timekeeper on the path has handed a job on; it is full again.
        for (int keeper : m_candidates[size_t(job)])
            if (!m_visited[size_t(keeper)] && HasRoom(keeper)) {
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

    bool HasRoom(int keeper) const
    {
        return m_kept[size_t(keeper)] + int(m_held[size_t(keeper)].size()) < m_capacity;
    }

    void Take(int job, int keeper)
    {
        m_keeperOf[size_t(job)] = keeper;
        m_held[size_t(keeper)].push_back(job);
    }

    const CalculationResult& m_result;
    std::vector<Job> m_jobs;
    std::vector<int> m_kept;                 // per pilot, the jobs it times in the kept rounds
    std::vector<std::vector<int>> m_candidates;
    std::vector<int> m_keeperOf;             // per job
    std::vector<std::vector<int>> m_held;    // per pilot, the jobs it times
    std::vector<char> m_visited;
    int m_capacity = 0;
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
    const int pilots = std::max<int>(1, int(result.pilots.size()));
    // The even share first: as many jobs as any other pilot, give or take
    // one. Heats too uneven for it, or kept rounds timed unevenly, get the
    // least uneven share that fits.
    int capacity = (assignment.KeptJobs() + assignment.Jobs() + pilots - 1) / pilots;
    while (!assignment.AssignWithin(capacity))
        ++capacity;
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
