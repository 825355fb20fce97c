#pragma once
#include "DialogSource.h"

#include <cstdint>
#include <vector>

// The dialogs file of a group: header, DTOC, DKEY (key i names root i) and
// DDAT with every tree in depth-first order.
std::vector<uint8_t> WriteDialogFile(const DialogSourceGroup& group);
