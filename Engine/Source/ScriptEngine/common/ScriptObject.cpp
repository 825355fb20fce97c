#include "ScriptEngine/common/ScriptObject.h"

ScriptObject::~ScriptObject() = default;

void ScriptObject::Term()
{
    ReleaseSounds();
}
