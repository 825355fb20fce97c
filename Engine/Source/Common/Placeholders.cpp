#include "Common/Placeholders.h"

namespace Placeholder {

bool CreateInGameMenu()
{
    return true;
}

void DestroyInGameMenu()
{
}

} // namespace Placeholder
