#pragma once

// The hourglass pointer. The windows set it when they start something that
// another window finishes, so it is a state (on or off), not a stack.

namespace porkane::BusyPointer {

void show();
void clear();
bool shown();

} // namespace porkane::BusyPointer
