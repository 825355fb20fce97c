#include "Common/IdInit.h"

#include "Scripts/Common/ActorScript.h"

void Id::Init()
{
    ActorScript::SortInfos();
}
