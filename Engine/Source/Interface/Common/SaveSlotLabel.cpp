#include "Interface/Common/SaveSlotLabel.h"

#include "Managers/Common/SaveSlotData.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/LocalizedFormat.h"

#include <cstdint>

namespace {

constexpr uint64_t MS_PER_HOUR = 3600000;
constexpr uint64_t MS_PER_MINUTE = 60000;

char s_sLabel[256];

} // namespace

const char* GetSaveSlotLabel(const SaveSlotData& slot)
{
    if (slot.IsEmpty())
        return g_oDkLocalizer.GetText(EMPTY_SLOT_TEXT);
    const uint64_t playTime = slot.GetPlayTime();
    const int64_t values[] = {slot.m_iChapter, static_cast<int64_t>(playTime / MS_PER_HOUR),
                              static_cast<int64_t>((playTime / MS_PER_MINUTE) % 60)};
    FormatLocalizedIntegers(s_sLabel, sizeof s_sLabel, g_oDkLocalizer.GetText(SLOT_LABEL_TEXT), values);
    return s_sLabel;
}
