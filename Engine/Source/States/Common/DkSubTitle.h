#pragma once
#include <cstdint>
#include <memory>

// One subtitle: shown from start (inclusive) to end (exclusive), in
// milliseconds of movie time; a text id of NO_TEXT shows nothing.
struct DkSubTitleItem {
    uint32_t m_uStart = 0;
    uint32_t m_uEnd = 0;
    uint32_t m_uTextId = 0;
};

// The subtitles of one movie, read from its ".tw.sub" file: a signed item
// count, then per item its text id, start and end (little-endian words,
// read byte by byte). The current item is the first, in file order, whose
// span holds the movie time.
class DkSubTitle {
public:
    static constexpr uint32_t NO_TEXT = 0xFFFFFFFF;
    static constexpr uint32_t HEADER_SIZE = 4;
    static constexpr uint32_t ITEM_SIZE = 12;

    // Builds the items from the file image; a count of 0 or less gives none.
    // A file too short for its count is refused with a line naming it, and
    // leaves no items.
    bool Initialize(const uint8_t* pImage, uint32_t uSize, const char* sName);
    // Selects the current item for the movie time.
    void Update(uint32_t uTime);
    // Frees the items.
    void Release();

    int32_t GetItemCount() const { return m_iItemCount; }
    const DkSubTitleItem* GetItems() const { return m_pSubTitleItems.get(); }
    int32_t GetCurrentIndex() const { return m_iCurrentItem; }
    // The current item, null when none.
    const DkSubTitleItem* GetCurrentItem() const;

private:
    int32_t m_iItemCount = 0;
    std::unique_ptr<DkSubTitleItem[]> m_pSubTitleItems;
    int32_t m_iCurrentItem = -1;
};
