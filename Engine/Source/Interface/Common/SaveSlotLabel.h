#pragma once

struct SaveSlotData;

// The label of a save slot on the menu scenes' slot entries: the empty-slot
// text, or the slot's chapter and play time (hours, then minutes within the
// hour) put into the localised label. The text lives in one buffer that the
// next call overwrites.
const char* GetSaveSlotLabel(const SaveSlotData& slot);

// The label's two texts.
constexpr unsigned EMPTY_SLOT_TEXT = 0x9410D8D5;
constexpr unsigned SLOT_LABEL_TEXT = 0xA3861A4A;
