#pragma once

namespace TestSupport {

// Whether the engine the test calls is built with the address sanitizer. The
// test code itself is compiled once for both builds, so it cannot ask the
// compiler: the support library is compiled per build and answers for it.
bool EngineRunsUnderAddressSanitizer();

} // namespace TestSupport
