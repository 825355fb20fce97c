// Building and matching a script tree of the size of the largest scene: 120
// handlers of 40 actions, each handler split into four chapter blocks.
#include "Common/GameInterfaceImpl.h"
#include "Common/VarIds.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ScriptTreeCalls.h"
#include "ScriptEngine/common/ScriptTreeContext.h"
#include "ScriptEngine/common/ScriptTreefilters.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int HANDLERS = 120;
constexpr int CHAPTERS = 4;
constexpr int ACTIONS_PER_CHAPTER = 10;

EventDesc LookAt(int32_t iId)
{
    EventDesc oEvent;
    BuildEvent(&oEvent, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, iId);
    return oEvent;
}

class LargeSceneScript : public ScriptTreeCalls {
public:
    void BuildEvents()
    {
        for (int32_t handler = 0; handler < HANDLERS; ++handler) {
            _IfEvent(LookAt(handler));
            for (int32_t chapter = CHAPTERS; chapter >= 1; --chapter) {
                _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, chapter);
                for (int32_t action = 0; action < ACTIONS_PER_CHAPTER; ++action)
                    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_SOUND_EFFECT, Param::Sound(action));
                _EndMatch();
            }
            _EndMatch();
        }
    }
};

// Builds the whole tree into the pool, from an empty pool.
ScriptNodeIndex BuildTree(ScriptNodePool& oPool)
{
    oPool.ResetPool();
    const ScriptNodeIndex iRoot = oPool.AllocNode();
    ScriptTreeBuilder oBuilder(oPool, iRoot);
    LargeSceneScript oScript;
    oScript.SetTreeBuilder(&oBuilder);
    oScript.BuildEvents();
    return iRoot;
}

class DropGlobalActions : public ScriptTreeDispatch {
public:
    void StartAction(const ActionDesc&) override { }
    bool IsDialogActive() override { return false; }
};

void BuildSceneTree(benchmark::State& state)
{
    ScriptNodePool oPool;
    oPool.InitPool();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildTree(oPool));
    state.counters["nodes"] = oPool.GetNbAllocated();
    state.SetItemsProcessed(state.iterations() * oPool.GetNbAllocated());
    oPool.ResetPool();
    oPool.TermPool();
}
BENCHMARK(BuildSceneTree)->Unit(benchmark::kMicrosecond);

// What firing an event does first: collect the handlers' patterns and find
// the first that matches (here the last handler's).
void CollectAndMatchEvent(benchmark::State& state)
{
    ScriptNodePool oPool;
    oPool.InitPool();
    const ScriptNodeIndex iRoot = BuildTree(oPool);
    const EventDesc oEvent = LookAt(HANDLERS - 1);
    ScriptNodeIndex aList[128];
    for (auto _ : state) {
        const int32_t iCount = CollectEvents(oPool, iRoot, Filter_Events, aList);
        int32_t iMatch = 0;
        while (iMatch < iCount && !EventDesc::MatchEvent(oPool[aList[iMatch]].m_oEvent, oEvent))
            ++iMatch;
        benchmark::DoNotOptimize(iMatch);
    }
    oPool.ResetPool();
    oPool.TermPool();
}
BENCHMARK(CollectAndMatchEvent)->Unit(benchmark::kMicrosecond);

// One whole walk of an event through the tree: every pattern is matched, one
// handler's chapter blocks are tested and its ten actions fired.
void WalkEvent(benchmark::State& state)
{
    ScriptNodePool oPool;
    oPool.InitPool();
    const ScriptNodeIndex iRoot = BuildTree(oPool);
    DropGlobalActions oDispatch;
    ScriptTreeContext oContext;
    oContext.SetTree({&oPool, iRoot});
    oContext.SetGameInterface(&g_oGameInterface);
    oContext.SetDispatch(&oDispatch);
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
    const EventDesc oEvent = LookAt(HANDLERS / 2);
    for (auto _ : state) {
        oContext.Start(oEvent);
        benchmark::DoNotOptimize(oContext.Step());
    }
    oPool.ResetPool();
    oPool.TermPool();
}
BENCHMARK(WalkEvent)->Unit(benchmark::kMicrosecond);

} // namespace
