#pragma once

// The state of the modifier keys at the moment of the call, asked of the
// window system rather than taken from the last input event. The two keys
// that the design names after another platform's are Ctrl (Command) and
// Alt (Option) here.
namespace Keyboard {
bool AsyncCommandKey();
bool AsyncOptionKey();
} // namespace Keyboard
