#pragma once

#include <windows.h>

namespace Quiverstep::MessageLoop {

// Waits for the next message of the thread and handles it, giving the keyboard to our
// windows as dialogs (Tab, Enter, Escape). Returns false, leaving the quit message for the
// loop above, when the thread is asked to quit.
bool PumpOne();

// Handles messages until done() is true or the thread is asked to quit.
template<typename Done>
void RunUntil(Done &&done)
{
    while (!done() && PumpOne()) {
    }
}

} // namespace Quiverstep::MessageLoop
