#include "Support/SanitizerBuild.h"

namespace TestSupport {

bool EngineRunsUnderAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

} // namespace TestSupport
