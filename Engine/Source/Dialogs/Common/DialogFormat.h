#pragma once
#include "Scene/Common/SerialStream.h"

#include <cstdint>

// The dialogs file: all integers little-endian, nothing aligned.
//   "dialogs\0", u16 major 2, u16 minor 0, a 16-byte group name;
//   chunk DTOC: u32 dialog count (at least 1);
//   chunk DKEY: per dialog, u32 key and u32 root index (DIALOG_NO_ROOT: none);
//   chunk DDAT: per dialog, one root node record.
// A chunk header is a four-character id and a u32 size that is never read:
// each body is read field by field and the next header follows it directly.
// A node record: u32 type, u32 condition flag (then a condition record),
// the type's payload, u32 child count, then the children's records.
// A condition record: u32 op, then two sub-conditions (ops 0 to 2), one
// (op 3), or a variable's name hash and a value (ops 4 to 11).
constexpr char DIALOG_FILE_MAGIC[8] = {'d', 'i', 'a', 'l', 'o', 'g', 's', '\0'};
constexpr uint16_t DIALOG_FILE_MAJOR_VERSION = 2;
constexpr uint16_t DIALOG_FILE_MINOR_VERSION = 0;
constexpr uint32_t DIALOG_GROUP_NAME_SIZE = 16;
constexpr uint32_t DIALOG_CHUNK_TOC = SERIALSTREAM_MAKE_ID('D', 'T', 'O', 'C');
constexpr uint32_t DIALOG_CHUNK_KEYS = SERIALSTREAM_MAKE_ID('D', 'K', 'E', 'Y');
constexpr uint32_t DIALOG_CHUNK_DATA = SERIALSTREAM_MAKE_ID('D', 'D', 'A', 'T');
constexpr uint32_t DIALOG_NO_ROOT = 0xFFFFFFFFu;

// The smallest records: a key pair, and a node without condition or payload.
constexpr uint32_t DIALOG_KEY_RECORD_SIZE = 8;
constexpr uint32_t DIALOG_MIN_NODE_RECORD_SIZE = 12;

// Bounds that a file must keep. Nesting is limited so that reading,
// evaluating and freeing a tree stay within a small stack.
constexpr int MAX_DIALOG_NODE_DEPTH = 64;
constexpr int MAX_DIALOG_CONDITION_DEPTH = 32;
// Read marks hold this many propositions per group.
constexpr int MAX_PROPOSITION_PER_DIALOG_GROUP = 64;
// The talk screen shows at most this many propositions at once.
constexpr int MAX_OFFERED_PROPOSITIONS = 16;
// The walk's table of the nodes on offer.
constexpr int DIALOG_PROPOSITION_TABLE_SIZE = 20;
