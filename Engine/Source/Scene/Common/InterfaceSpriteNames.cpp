#include "Common/ActorIds.h"
#include "Scene/Common/InterfaceSprite.h"

#include <cstdio>

namespace {

const char* const FIXED_NAMES[INTERFACE_SPRITE_FIRST_PORTRAIT] = {
    "int_alert_invent", "int_alert_quest",
    "beach_bg",         "star",
    "int_arrow",        nullptr,
    "intdial_arrow_up", "intdial_arrow_down",
    "intdial_square",   "intdial_strip",
    "intdial_caption",  "intdial_captionbig",
    "intdial_next",     "intdial_reservation_memory",
};

} // namespace

const char* GetInterfaceSpriteName(int32_t iId)
{
    if (iId < 0 || iId >= INTERFACE_SPRITE_COUNT)
        return nullptr;
    if (iId < INTERFACE_SPRITE_FIRST_PORTRAIT)
        return FIXED_NAMES[iId];
    const auto actors = Id::GetActorTable();
    const auto index = static_cast<size_t>(iId - INTERFACE_SPRITE_FIRST_PORTRAIT);
    if (index >= actors.size())
        return nullptr;
    static char s_aName[64];
    std::snprintf(s_aName, sizeof s_aName, "intdial_%s", actors[index].m_pName);
    return s_aName;
}
