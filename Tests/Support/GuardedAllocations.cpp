#include "Support/GuardedAllocations.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace {

struct GuardedBlock {
    uint8_t* start = nullptr;
    size_t size = 0;
    uint8_t* mapping = nullptr;
    size_t mappingSize = 0;
};

// Blocks live at once: more fall back to malloc.
constexpr size_t GUARDED_BLOCK_SLOTS = 64;
constexpr size_t GUARDED_ALIGNMENT = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
constexpr uint8_t GUARDED_SLACK_FILL = 0xC5;

std::mutex s_guardedLock;
GuardedBlock s_guardedBlocks[GUARDED_BLOCK_SLOTS];
std::atomic<int> s_guardedScopes {0};
std::atomic<int> s_liveGuardedBlocks {0};

void* AllocateGuarded(size_t size)
{
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t rounded = (size + GUARDED_ALIGNMENT - 1) / GUARDED_ALIGNMENT * GUARDED_ALIGNMENT;
    const size_t pages = (rounded + page - 1) / page;
    const size_t mappingSize = (pages + 1) * page;
    void* mapped = mmap(nullptr, mappingSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    auto* mapping = static_cast<uint8_t*>(mapped);
    mprotect(mapping + pages * page, page, PROT_NONE);
    uint8_t* start = mapping + pages * page - rounded;
    std::memset(start + size, GUARDED_SLACK_FILL, rounded - size);
    const std::lock_guard<std::mutex> lock(s_guardedLock);
    for (GuardedBlock& block : s_guardedBlocks) {
        if (block.start == nullptr) {
            block = {start, size, mapping, mappingSize};
            ++s_liveGuardedBlocks;
            return start;
        }
    }
    munmap(mapping, mappingSize);
    return nullptr;
}

// False when the pointer is no guarded block.
bool FreeGuarded(void* pointer)
{
    if (s_liveGuardedBlocks.load() == 0)
        return false;
    const std::lock_guard<std::mutex> lock(s_guardedLock);
    for (GuardedBlock& block : s_guardedBlocks) {
        if (block.start != pointer)
            continue;
        const uint8_t* slack = block.start + block.size;
        const uint8_t* guard = block.mapping + block.mappingSize - size_t(sysconf(_SC_PAGESIZE));
        for (const uint8_t* byte = slack; byte < guard; ++byte) {
            if (*byte != GUARDED_SLACK_FILL) {
                std::fprintf(stderr, "a write past the end of a block of %zu bytes\n", block.size);
                std::abort();
            }
        }
        munmap(block.mapping, block.mappingSize);
        block = {};
        --s_liveGuardedBlocks;
        return true;
    }
    return false;
}

// Every unaligned form of new and delete goes through these two, so that a
// block is always freed the way it was made: the sanitizer's own forms would
// otherwise make some (the no-throw ones that the fuzzer's driver uses) and
// ours free them.
void* AllocateBlock(size_t size) noexcept
{
    void* block = nullptr;
    if (s_guardedScopes.load() > 0 && size >= TestSupport::GuardedAllocations::MIN_GUARDED_SIZE)
        block = AllocateGuarded(size);
    if (block == nullptr)
        block = std::malloc(size == 0 ? 1 : size);
    return block;
}

void FreeBlock(void* block) noexcept
{
    if (block != nullptr && !FreeGuarded(block))
        std::free(block);
}

} // namespace

namespace TestSupport {

GuardedAllocations::GuardedAllocations()
{
    ++s_guardedScopes;
}

GuardedAllocations::~GuardedAllocations()
{
    --s_guardedScopes;
}

} // namespace TestSupport

void* operator new(size_t size)
{
    void* block = AllocateBlock(size);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void* operator new[](size_t size)
{
    return operator new(size);
}

void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    return AllocateBlock(size);
}

void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    return AllocateBlock(size);
}

void operator delete(void* block) noexcept
{
    FreeBlock(block);
}

void operator delete[](void* block) noexcept
{
    FreeBlock(block);
}

void operator delete(void* block, size_t) noexcept
{
    FreeBlock(block);
}

void operator delete[](void* block, size_t) noexcept
{
    FreeBlock(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    FreeBlock(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    FreeBlock(block);
}
