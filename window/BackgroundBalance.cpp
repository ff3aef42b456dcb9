// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BackgroundBalance.h"

#include "matrix/SeededRandom.h"

#include <QThread>

namespace {

// Reports to the search from another thread: the stop request is an atomic
// flag, and each better schedule's figures are posted to the receiver.
class ThreadObserver : public BalanceObserver {
public:
    ThreadObserver(const std::atomic<bool>& stop, QObject* receiver, BackgroundBalance::Progress progress)
        : m_stop(stop), m_receiver(receiver), m_progress(std::move(progress))
    {
    }

    void BestImproved(const MeetingFigures& best) override
    {
        QMetaObject::invokeMethod(m_receiver, [progress = m_progress, best] { progress(best); }, Qt::QueuedConnection);
    }
    bool StopRequested() override { return m_stop.load(); }

private:
    const std::atomic<bool>& m_stop;
    QObject* m_receiver;
    BackgroundBalance::Progress m_progress;
};

}  // namespace

BalancedOutcome RunBalanceJob(const BalanceJob& job, BalanceObserver& observer)
{
    SeededRandom random(job.seed);
    return DrawBalanced(job.Input(), random, job.settings, observer);
}

BackgroundBalance::BackgroundBalance()
    : m_receiver(std::make_unique<QObject>())
{
}

BackgroundBalance::~BackgroundBalance()
{
    Abandon();
}

void BackgroundBalance::Start(BalanceJob job, Progress progress, Finished finished)
{
    Abandon();
    m_stop = false;
    m_finished = std::move(finished);
    m_outcome = std::make_shared<BalancedOutcome>();
    // Figures and ends posted by a search abandoned since must not reach
    // the window: each search knows its own number.
    const int search = ++m_search;
    auto current = [this, search] { return search == m_search; };
    auto observer = std::make_shared<ThreadObserver>(m_stop, m_receiver.get(),
                                                     [current, progress = std::move(progress)](const MeetingFigures& best) {
                                                         if (current())
                                                             progress(best);
                                                     });
    m_thread = QThread::create([job = std::move(job), observer, outcome = m_outcome] {
        *outcome = RunBalanceJob(job, *observer);
    });
    QObject::connect(
        m_thread, &QThread::finished, m_receiver.get(), [this, current] {
            if (current())
                Collect();
        },
        Qt::QueuedConnection);
    m_thread->start();
}

// The thread has ended: its outcome is complete and safe to read.
void BackgroundBalance::Collect()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    const Finished finished = std::exchange(m_finished, {});
    const std::shared_ptr<BalancedOutcome> outcome = std::exchange(m_outcome, {});
    if (finished)
        finished(*outcome);
}

void BackgroundBalance::Abandon()
{
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    ++m_search;
    m_finished = {};
    m_outcome.reset();
}
