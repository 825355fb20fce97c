#pragma once
#include "Interface/Common/InterfacePanel.h"

// The options tab: the volumes, save, and exit to the start menu.
class InterfaceOptions : public InterfacePanel { };
