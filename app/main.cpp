// Program entry: one main window for the whole run and its message loop.

#include <windows.h>

#include <memory>

#include "app/main_window.h"
#include "res/resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    auto mainWindow = std::make_unique<CMainWindow>();
    if (!mainWindow->initInstance(instance, showCommand)) {
        return 0;
    }
    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCEL));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Offered for the main window whichever control has the focus, so the
        // shortcuts work after the operator has clicked into a panel.
        if (!TranslateAcceleratorW(mainWindow->handle(), accelerators, &message) &&
            !mainWindow->takeDialogMessage(&message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
