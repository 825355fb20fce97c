#pragma once

namespace Platform {

// SIGINT and SIGTERM close the program the way the window's close button
// does: the handlers only note the request, and the window's next pump turns
// it into a close message.
void InstallCloseSignals();
// True once per received request.
bool TakeCloseSignal();

} // namespace Platform
