#pragma once
#include "ScriptEngine/common/EventDesc.h"

// Where the scene world fires script events (a region's Touch and UnTouch):
// the script manager, which decides whether the game takes the event.
class SceneEventSink {
public:
    virtual ~SceneEventSink() = default;
    // True when the event was accepted; a refused event is lost.
    virtual bool FireEvent(const EventDesc& oEvent) = 0;
};

// Stands in until the script manager starts a scene's scripts: refuses every
// event and logs it, so that an event fired too early is seen in the log.
class NullSceneEventSink final : public SceneEventSink {
public:
    bool FireEvent(const EventDesc& oEvent) override;
};

// The sink every scene object fires into; SetSceneEventSink(nullptr) restores
// the null one.
SceneEventSink& GetSceneEventSink();
void SetSceneEventSink(SceneEventSink* pSink);
