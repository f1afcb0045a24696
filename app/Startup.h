#pragma once

namespace app {

// What every run does before its first window: the program's name, version
// and icon, the classic style and the classic fonts.
void prepareToolkit();

} // namespace app
