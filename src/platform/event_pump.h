// The event pump that long operations call so the windows stay responsive while they wait.
#pragma once

#include <functional>

// Lets the user interface process its pending events. Does nothing unless a pump is set.
void ProcessEvents();
// The GUI points this at its event processing; the CLI and tests leave it empty.
void SetEventPump(std::function<void()> pump);
