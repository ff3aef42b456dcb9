#include "platform/ModalHost.h"

#include "platform/DesktopModalHost.h"

namespace {

ModalHost* g_installed = nullptr;

}  // namespace

ModalHost& ModalHost::Current()
{
    static DesktopModalHost desktop;
    return g_installed ? *g_installed : desktop;
}

void ModalHost::Install(ModalHost* host)
{
    g_installed = host;
}
