#pragma once
#include "Interface/Common/InterfacePanel.h"

// The quest tab: the quest log's entries.
class InterfaceQuest : public InterfacePanel {
public:
    // Every frame, whatever tab is current: follows the quest variables.
    void Refresh() { }
};
