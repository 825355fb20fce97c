#pragma once
#include "Adventure/Common/Scriptable.h"

#include <cstdint>

constexpr int NUM_SCRIPTABLE = 256;

// Every registered scriptable by id: 256 buckets, each a chain of scriptables
// linked through their next pointers in the order they were inserted. The
// registry does not own them.
class ScriptableRegistry {
public:
    // The bucket of an id: the exclusive-or of its four bytes.
    static int GetScriptableIndex(int32_t iId);

    // Gives the scriptable the id and appends it to its bucket's chain; false
    // (reported) when it is already in that chain.
    bool Insert(int32_t iId, Scriptable* pScriptable);
    // Unlinks the first scriptable with the id; false when there is none.
    bool Remove(int32_t iId);
    // The first scriptable with the id, or null.
    Scriptable* Find(int32_t iId) const;
    Scriptable* GetBucketHead(int iBucket) const { return m_apBuckets[iBucket]; }

    // Calls f on every scriptable, bucket by bucket from 0 to 255 and along
    // each chain. The next one is taken before f runs, so f may unlink the
    // scriptable it is given.
    template <typename F>
    void ForEach(const F& f) const;

private:
    Scriptable* m_apBuckets[NUM_SCRIPTABLE] = {};
};

template <typename F>
void ScriptableRegistry::ForEach(const F& f) const
{
    for (Scriptable* pHead : m_apBuckets) {
        for (Scriptable* pScriptable = pHead; pScriptable != nullptr;) {
            Scriptable* pNext = pScriptable->GetNext();
            f(*pScriptable);
            pScriptable = pNext;
        }
    }
}
