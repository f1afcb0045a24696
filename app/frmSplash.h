#pragma once

#include "ClassicWindow.h"

namespace app {

// The splash: the product's title and version on a white panel with a black
// margin. No title bar, no task-bar entry, no input; the start procedure
// shows it while the main window is built and closes it.
class frmSplash final : public kit::ClassicWindow {
    Q_OBJECT
public:
    frmSplash();

private:
    void load();
};

} // namespace app
