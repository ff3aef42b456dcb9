// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/BalancedDraw.h"
#include "matrix/MatrixShape.h"
#include "roster/PilotRecord.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

// What one balanced draw works from: copies of the pilots and of the list
// order taken when the command starts, so the search never reads the window.
// A redraw from a round adds the heats of the rounds kept.
struct BalanceJob {
    std::vector<PilotRecord> roster;
    std::vector<int> listOrder;
    MatrixShape shape;
    DrawRules rules;
    unsigned seed = 0;
    BalanceSettings settings;
    std::vector<int> keptHeats;

    DrawInput Input() const { return {roster, listOrder, shape, rules, keptHeats}; }
};

// Runs the job here and now, following it with the observer.
BalancedOutcome RunBalanceJob(const BalanceJob& job, BalanceObserver& observer);

// A balanced draw on a thread of its own, so the window keeps answering
// while it searches. The best figures so far and the finished outcome are
// handed back on the thread that started it, through its event loop. A stop
// ends the search at its next look (every few thousand steps), keeping the
// best schedule found; going away stops the search and waits for it.
class BackgroundBalance {
public:
    using Progress = std::function<void(const MeetingFigures& best)>;
    using Finished = std::function<void(const BalancedOutcome& outcome)>;

    BackgroundBalance();
    ~BackgroundBalance();
    BackgroundBalance(const BackgroundBalance&) = delete;
    BackgroundBalance& operator=(const BackgroundBalance&) = delete;

    void Start(BalanceJob job, Progress progress, Finished finished);
    void RequestStop() { m_stop = true; }
    bool IsRunning() const { return m_thread != nullptr; }
    // Stops the search and waits for it without handing its outcome back.
    void Abandon();

private:
    void Collect();

    std::unique_ptr<QObject> m_receiver;  // hands results to the starting thread
    QThread* m_thread = nullptr;
    std::atomic<bool> m_stop = false;
    int m_search = 0;
    std::shared_ptr<BalancedOutcome> m_outcome;
    Finished m_finished;
};
