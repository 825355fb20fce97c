#pragma once
#include "ScriptEngine/common/SceneScript.h"

// The system script: its handlers follow those of the scene script and of the
// inventory script in every scene's tree. A use of an item that no handler
// takes ends quietly, and the system event quits the game.
class GlobalScript final : public SceneScript {
protected:
    void BuildEvents() override;
};

// The one system script, for the whole run.
extern GlobalScript g_oGlobalScript;
