// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDC.h"

// Records everything the device context draws while it lives.
class RecordedDrawing : public DrawingTrace {
public:
    explicit RecordedDrawing(CDC& dc)
        : m_dc(dc)
    {
        m_dc.RecordInto(this);
    }
    ~RecordedDrawing() { m_dc.RecordInto(nullptr); }
    RecordedDrawing(const RecordedDrawing&) = delete;
    RecordedDrawing& operator=(const RecordedDrawing&) = delete;

private:
    CDC& m_dc;
};
