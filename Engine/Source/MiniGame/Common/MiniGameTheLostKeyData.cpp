#include "MiniGame/Common/MiniGameTheLostKeyData.h"

#include "MiniGame/Common/ResourceNameTable.h"

namespace {

// The sprite names: the door (id 1), then ids 3 to 74 in order, of which the
// last is the pointer cursor; the message box's next button and frame after.
constexpr const char* SPRITE_NAMES[] = {
    "masks_BG",
    "masks_lock01",
    "masks_lock02",
    "masks_lock03",
    "masks_lock04",
    "masks_lock05",
    "masks_keyhole01",
    "masks_keyhole02",
    "masks_keyhole03",
    "masks_keyhole04",
    "masks_keyhole05",
    "masks_keyhole06",
    "masks_keyhole07",
    "masks_keyhole08",
    "masks_keyhole09",
    "masks_keyhole10",
    "masks_keyhole11",
    "masks_keyhole12",
    "masks_keyhole13",
    "masks_keyhole14",
    "masks_keyhole15",
    "masks_keyhole16",
    "masks_keyhole17",
    "masks_keyhole18",
    "masks_keyhole19",
    "masks_keyhole20",
    "masks_key01",
    "masks_key02",
    "masks_key03",
    "masks_key04",
    "masks_key05",
    "masks_key06",
    "masks_key07",
    "masks_key08",
    "masks_key09",
    "masks_key10",
    "masks_key11",
    "masks_key12",
    "masks_key13",
    "masks_key14",
    "masks_key15",
    "masks_key16",
    "masks_key17",
    "masks_key18",
    "masks_key19",
    "masks_key20",
    "masks_Spider01",
    "masks_Spider02",
    "masks_Spider03",
    "masks_Spider04",
    "masks_Spider05",
    "masks_Spider06",
    "masks_Spider07",
    "masks_Spider08",
    "masks_Spider09",
    "masks_Spider10",
    "masks_Spider11",
    "masks_Spider12",
    "masks_Spider13",
    "masks_Spider14",
    "masks_Spider15",
    "masks_Spider16",
    "masks_Spider17",
    "masks_Spider18",
    "masks_Spider19",
    "masks_Spider20",
    "masks_Spider21",
    "masks_Spider22",
    "masks_Turning_Key01",
    "masks_Turning_Key02",
    "masks_Key_On",
    "masks_Key_Off",
    ":mg_interface_cursor",
    ":mg_interface_next_button",
    "masks_MG_TheLostKey_MsgBox",
};
constexpr auto SPRITE_TABLE = SortedResourceNames(SPRITE_NAMES);
constexpr int32_t CURSOR_NAME = 72;
constexpr int32_t NEXT_BUTTON_NAME = 73;
constexpr int32_t MESSAGE_BOX_NAME = 74;

} // namespace

void MiniGameTheLostKey::InitializeSpriteNames()
{
    using namespace TheLostKeyData;
    RegisterSpriteFromTable(ID_BACKGROUND, SPRITE_NAMES[0], SPRITE_TABLE);
    for (int32_t i = 1; i <= CURSOR_NAME; ++i)
        RegisterSpriteFromTable(i + 2, SPRITE_NAMES[i], SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_POINTER, SPRITE_NAMES[CURSOR_NAME], SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_DOWN_ARROW, SPRITE_NAMES[NEXT_BUTTON_NAME], SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_UP_ARROW, SPRITE_NAMES[NEXT_BUTTON_NAME], SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_MESSAGE_BOX, SPRITE_NAMES[MESSAGE_BOX_NAME], SPRITE_TABLE);
}

namespace TheLostKeyData {

const CoreFxVec SLOT_HOMES[MiniGameTheLostKey::SLOT_COUNT] = {
    {0x1CB32, 0x75333, SLOT_Z}, {0x4F999, 0x764CC, SLOT_Z}, {0x79999, 0x76999, SLOT_Z}, {0xA9999, 0x76B33, SLOT_Z},
    {0xDB199, 0x74CCC, SLOT_Z}, {0x1BE66, 0xA1332, SLOT_Z}, {0x79999, 0xA0999, SLOT_Z}, {0x4E7FF, 0x9E4CC, SLOT_Z},
    {0xA94CC, 0x9F199, SLOT_Z}, {0xDAB33, 0x9F333, SLOT_Z},
};

const CoreFxVec KEYHOLE_POSITIONS[MiniGameTheLostKey::PLATE_COUNT] = {
    {0x36999, 0x3F333, KEYHOLE_Z}, {0x5D333, 0x3B000, KEYHOLE_Z}, {0x89000, 0x37CCC, KEYHOLE_Z},
    {0xB4000, 0x37999, KEYHOLE_Z}, {0xDD000, 0x3B000, KEYHOLE_Z},
};

const CoreFxVec PLATE_POSITIONS[MiniGameTheLostKey::PLATE_COUNT] = {
    {0x26333, 0x39666, PLATE_Z}, {0x46333, 0x35000, PLATE_Z}, {0x74CCC, 0x33666, PLATE_Z},
    {0x9F999, 0x32000, PLATE_Z}, {0xC9666, 0x34999, PLATE_Z},
};

} // namespace TheLostKeyData
