#pragma once

namespace Id {

// Prepares the id tables at start-up (sorts the actor script tables).
void Init();

} // namespace Id
