#include "Common/Placeholders.h"

namespace Placeholder {

bool CreateInventoryScript()
{
    return true;
}

bool CreateInGameMenu()
{
    return true;
}

void DestroyInGameMenu()
{
}

void DestroyInventoryScript()
{
}

} // namespace Placeholder
