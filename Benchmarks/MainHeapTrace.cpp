// The main heap's real traffic: chapter one's recording is replayed by the game
// headless and unpaced, every request to the main heap is noted, and the
// noted requests are then replayed on the main heap and on the C runtime's
// allocator side by side. Counters: each one's CPU time per request and
// SystemOverHeap, the system's time over the heap's (above 1 when the heap is
// faster).
//
// Run from the build folder (the sample data folder is found there), with
// the source folder that holds the recording:
//   VELMARSH_SOURCE_DIR=.. ./bench_MainHeapTrace
#include "App/CoreSystem.h"
#include "Nubra/Common/Memory/NubraMemory.h"
#include "Support/GameProcess.h"
#include "Support/TestPaths.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <time.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr const char* TRACE_FILE = "heap-trace.txt";

// One request: a block of `size` bytes aligned to `alignment` into slot
// `block`, or (size of -1) the block of that slot given back.
struct Request {
    size_t block;
    long long size;
    size_t alignment;
};

struct Trace {
    std::vector<Request> requests;
    size_t blocks = 0;
};

// In the game's process: each request as a line of the trace file, written
// at once, since the process ends without flushing its files.
FILE* TraceFile()
{
    static FILE* file = std::fopen(TRACE_FILE, "w");
    return file;
}

void NoteAllocated(const void* block, size_t size, size_t alignment)
{
    std::fprintf(TraceFile(), "a %p %zu %zu\n", block, size, alignment);
    std::fflush(TraceFile());
}

void NoteFreed(const void* block)
{
    std::fprintf(TraceFile(), "f %p\n", block);
    std::fflush(TraceFile());
}

// Addresses become slots: a block freed and handed out again is a new slot.
// A free of nothing or of an unknown address is left out.
Trace ReadTrace(const std::filesystem::path& path)
{
    Trace trace;
    std::map<std::string, size_t> live;
    std::ifstream in(path);
    for (std::string kind, address; in >> kind >> address;) {
        if (kind == "a") {
            size_t size = 0;
            size_t alignment = 0;
            in >> size >> alignment;
            if (address == "(nil)")
                continue;
            live[address] = trace.blocks;
            trace.requests.push_back({trace.blocks++, static_cast<long long>(size), alignment});
        } else if (const auto found = live.find(address); found != live.end()) {
            trace.requests.push_back({found->second, -1, 0});
            live.erase(found);
        }
    }
    return trace;
}

// Empty when the replay did not end by itself: a trace cut short is not the
// replay's.
const Trace& RecordedTrace()
{
    static const Trace trace = [] {
        TestSupport::TempDir folder;
        TestSupport::CopySampleData(folder);
        // Chapter one from a new game: the shipped recording is the whole
        // game, too long to replay on a loaded machine before the time is out.
        if (TestSupport::WriteFirstSlotRecording(folder, "ChapterOne.txt") == 0)
            return Trace {};
        Nubra::Memory::SetHeapTrace({&NoteAllocated, &NoteFreed});
        const pid_t game = TestSupport::StartAutoTestRun(folder, "autotest");
        const int status = TestSupport::WaitForExit(game, 300s);
        Nubra::Memory::SetHeapTrace({});
        if (status != 0) {
            std::fprintf(stderr, "the recorded replay ended with %d\n", status);
            return Trace {};
        }
        return ReadTrace(folder / TRACE_FILE);
    }();
    return trace;
}

struct HeapAllocator {
    static void* Allocate(size_t size, size_t alignment) { return Nubra::Memory::Malloc(size, alignment); }
    static void Release(void* block) { Nubra::Memory::Free(block); }
};

struct SystemAllocator {
    static void* Allocate(size_t size, size_t alignment)
    {
        return alignment <= 8 ? std::malloc(size)
                              : std::aligned_alloc(alignment, (size + alignment - 1) & ~(alignment - 1));
    }
    static void Release(void* block) { std::free(block); }
};

// The thread's own CPU time in nanoseconds: on a shared machine the time
// the thread waits for a core would count against whichever allocator ran
// then. The system allocator's calls into the kernel are still counted.
double ThreadCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

// The whole trace once; blocks still held at its end are given back after
// the clock stops.
template <class Allocator>
double Replay(const Trace& trace, std::vector<void*>& blocks)
{
    std::fill(blocks.begin(), blocks.end(), nullptr);
    const double start = ThreadCpuNs();
    for (const Request& request : trace.requests) {
        if (request.size < 0) {
            Allocator::Release(blocks[request.block]);
            blocks[request.block] = nullptr;
        } else {
            blocks[request.block] = Allocator::Allocate(size_t(request.size), request.alignment);
        }
    }
    benchmark::DoNotOptimize(blocks.data());
    const double elapsed = ThreadCpuNs() - start;
    for (void* block : blocks)
        if (block)
            Allocator::Release(block);
    return elapsed;
}

void BM_SampleReplayTrace(benchmark::State& state)
{
    const Trace& trace = RecordedTrace();
    if (trace.requests.empty()) {
        state.SkipWithError("no whole replay of the main heap's requests was recorded");
        return;
    }
    if (!Nubra::Memory::MainHeap())
        CoreSystem::CreateMainHeap(CoreSystem::MAIN_HEAP_SIZE);
    std::vector<void*> blocks(trace.blocks);
    double heapNs = 0;
    double systemNs = 0;
    bool heapFirst = true;
    // In alternating order, so that neither always finds warm caches.
    for (auto _ : state) {
        if (heapFirst) {
            heapNs += Replay<HeapAllocator>(trace, blocks);
            systemNs += Replay<SystemAllocator>(trace, blocks);
        } else {
            systemNs += Replay<SystemAllocator>(trace, blocks);
            heapNs += Replay<HeapAllocator>(trace, blocks);
        }
        heapFirst = !heapFirst;
    }
    const double requests = double(state.iterations()) * double(trace.requests.size());
    state.counters["Requests"] = double(trace.requests.size());
    state.counters["HeapNsPerRequest"] = heapNs / requests;
    state.counters["SystemNsPerRequest"] = systemNs / requests;
    state.counters["SystemOverHeap"] = heapNs > 0 ? systemNs / heapNs : 0;
}
BENCHMARK(BM_SampleReplayTrace);

} // namespace
