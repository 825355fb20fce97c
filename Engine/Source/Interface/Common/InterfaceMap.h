#pragma once
#include "Interface/Common/InterfacePanel.h"

// The map tab: the island's map with its travel locations.
class InterfaceMap : public InterfacePanel {
public:
    // Refreshes the tab for the scene that starts; false when it cannot.
    bool UpdateMap() { return true; }
};
