#pragma once
#include "Scene/Common/SceneEventSink.h"

#include <vector>

namespace TestSupport {

// Takes the events the scene world fires, accepting them or not as told,
// installed for the life of the object.
class RecordingEventSink final : public SceneEventSink {
public:
    RecordingEventSink() { SetSceneEventSink(this); }
    ~RecordingEventSink() override { SetSceneEventSink(nullptr); }
    RecordingEventSink(const RecordingEventSink&) = delete;
    RecordingEventSink& operator=(const RecordingEventSink&) = delete;

    bool FireEvent(const EventDesc& oEvent) override
    {
        m_events.push_back(oEvent);
        return m_bAccept;
    }

    std::vector<EventDesc> m_events;
    bool m_bAccept = true;
};

} // namespace TestSupport
