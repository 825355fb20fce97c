// A movie's subtitle file read as the movie state reads it, then asked for
// the item of times around every item's span, so that an item read from
// outside the file is caught.
#include "FuzzSupport.h"
#include "States/Common/DkSubTitle.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0xFFFFFFFFu)
        return 0;
    DkSubTitle subtitles;
    if (!subtitles.Initialize(data, uint32_t(size), "fuzz.tw.sub"))
        return 0;
    volatile uint32_t shown = 0;
    for (int32_t i = 0; i < subtitles.GetItemCount(); ++i) {
        const DkSubTitleItem& item = subtitles.GetItems()[i];
        for (uint32_t time : {item.m_uStart, item.m_uEnd, item.m_uEnd - 1}) {
            subtitles.Update(time);
            if (const DkSubTitleItem* current = subtitles.GetCurrentItem())
                shown = shown + current->m_uTextId;
        }
    }
    return 0;
}
