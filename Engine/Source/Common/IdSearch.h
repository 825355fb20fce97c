#pragma once
#include <cstdint>
#include <span>

// The searches over the sorted id tables.
namespace IdSearch {

// Bisection that ends on the last entry not above the key: low = 0,
// high = count, middle = count / 2, halving until middle meets low. Returns
// the final middle (0 for an empty table); the caller compares its key. Key
// decides signed or unsigned comparison.
template <typename Key, typename Row, typename KeyOf>
int BisectFinal(std::span<const Row> rows, Key key, KeyOf keyOf)
{
    int low = 0;
    int high = static_cast<int>(rows.size());
    int middle = high / 2;
    while (middle != low) {
        if (key < keyOf(rows[middle]))
            high = middle;
        else
            low = middle;
        middle = (low + high) / 2;
    }
    return middle;
}

// Classic low/high search; Key decides signed or unsigned comparison.
template <typename Key, typename Row, typename KeyOf>
const Row* Find(std::span<const Row> rows, Key key, KeyOf keyOf)
{
    int low = 0;
    int high = static_cast<int>(rows.size()) - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const Key middleKey = keyOf(rows[middle]);
        if (middleKey == key)
            return &rows[middle];
        if (middleKey < key)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return nullptr;
}

} // namespace IdSearch
