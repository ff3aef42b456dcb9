// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Follows a calculation as it goes, so the command can show its progress in
// the status line while the benchmark runs the same draw without any text.
// Rounds and heats are counted from 1, as the organiser counts them.
class DrawObserver {
public:
    virtual ~DrawObserver() = default;

    virtual void ClearingData() {}
    virtual void BuildingPilotList() {}
    virtual void WorkingOn(int /*round*/, int /*heat*/) {}
    virtual void FrequencyConflict(int /*round*/, int /*heat*/, int /*channel*/) {}
    virtual void AttemptCompleted() {}
};
