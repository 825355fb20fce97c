#pragma once
#include "Log/CoreLog.h"
#include "System/MessageBoxes.h"

namespace Fuzz {

// What a reader reports about a bad file is not a finding: the log and the
// assert boxes are silenced, and every assert is ignored so that reading goes
// on as it does for a player who ignores it.
class Quiet final : public CoreLogCapture, public Platform::MessageBoxes {
public:
    void Write(const char*) override { }
    void ShowOk(const char*, const char*) override { }
    void ShowError(const char*, const char*) override { }
    Platform::AssertAnswer ShowAssert(const char*) override { return Platform::AssertAnswer::Ignore; }
};

inline void SilenceEngine()
{
    static Quiet s_quiet;
    SetLogCapture(&s_quiet);
    Platform::SetMessageBoxes(&s_quiet);
}

} // namespace Fuzz
