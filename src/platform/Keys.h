#pragma once

namespace platform {

// The keys the application hears besides typed text, as the shell's keyboard sends them.
enum class Key { Return, Escape, Tab, BackTab, Backspace, Left, Right, Up, Down, Home, End, PageUp, PageDown, SelectAll, Space };

} // namespace platform
