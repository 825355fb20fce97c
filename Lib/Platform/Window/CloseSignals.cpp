#include "Window/CloseSignals.h"

#include <csignal>

namespace Platform {
namespace {

volatile std::sig_atomic_t s_closeRequested = 0;

void OnCloseSignal(int)
{
    s_closeRequested = 1;
}

} // namespace

void InstallCloseSignals()
{
    struct sigaction action { };
    action.sa_handler = OnCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool TakeCloseSignal()
{
    if (!s_closeRequested)
        return false;
    s_closeRequested = 0;
    return true;
}

} // namespace Platform
