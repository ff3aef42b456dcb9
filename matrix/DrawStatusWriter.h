// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawObserver.h"

#include <QString>
#include <functional>

// Turns a calculation's progress into the status line's texts and hands each
// to the writer. A text equal to the one just written is not written again:
// a slot that keeps clashing repeats its conflict text many times over, and
// the status line would show the same thing anyway.
class DrawStatusWriter : public DrawObserver {
public:
    using Writer = std::function<void(const QString&)>;

    explicit DrawStatusWriter(Writer writer) : m_writer(std::move(writer)) {}

    void ClearingData() override;
    void BuildingPilotList() override;
    void WorkingOn(int round, int heat) override;
    void FrequencyConflict(int round, int heat, int channel) override;
    void AttemptCompleted() override;

private:
    enum class Kind { None, Clearing, Building, Working, Conflict, Completed };
    struct Shown {
        Kind kind = Kind::None;
        int round = 0;
        int heat = 0;
        int channel = 0;
        bool operator==(const Shown&) const = default;
    };

    // Writes the text that make() composes, unless it is already shown.
    template <typename Make>
    void Show(Shown shown, Make make);

    Writer m_writer;
    Shown m_shown;
};
