#pragma once
#include "System/MessageBoxes.h"

namespace TestSupport {

// Installs scripted message boxes for the life of the object.
class ScopedMessageBoxes {
public:
    ScopedMessageBoxes() { Platform::SetMessageBoxes(&m_boxes); }
    ~ScopedMessageBoxes() { Platform::SetMessageBoxes(nullptr); }
    Platform::ScriptedMessageBoxes& Boxes() { return m_boxes; }

private:
    Platform::ScriptedMessageBoxes m_boxes;
};

} // namespace TestSupport
