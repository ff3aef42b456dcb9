#include "platform/DrawingTrace.h"

namespace {
DrawingTrace* g_currentTrace = nullptr;
}

DrawingTrace* DrawingTrace::Current()
{
    return g_currentTrace;
}

void DrawingTrace::Install(DrawingTrace* trace)
{
    g_currentTrace = trace;
}
