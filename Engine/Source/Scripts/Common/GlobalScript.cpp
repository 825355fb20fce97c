#include "Scripts/Common/GlobalScript.h"

GlobalScript g_oGlobalScript;

void GlobalScript::BuildEvents()
{
    EventDesc oPattern;

    // BadInteract: the runtime's answer to an item used where no handler
    // takes it; nothing happens.
    _IfEvent(*BuildEvent(&oPattern, TwEventType_BadInteract, 0));
    _EndMatch();

    // System: quit the game.
    _IfEvent(*BuildEvent(&oPattern, TwEventType_System, 0));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    _EndMatch();
}
