#pragma once

#include "platform/DrawingTrace.h"

// Records everything drawn while it lives.
class RecordedDrawing : public DrawingTrace {
public:
    RecordedDrawing() { Install(this); }
    ~RecordedDrawing() { Install(nullptr); }
    RecordedDrawing(const RecordedDrawing&) = delete;
    RecordedDrawing& operator=(const RecordedDrawing&) = delete;
};
