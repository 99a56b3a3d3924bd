#include "replay_file_dialog.h"

#include <commdlg.h>

#include <iterator>

#include "base/wide_win32.h"

int chooseReplayFile(HWND owner, PortPath* path) {
    wchar_t file[260] = L"";
    OPENFILENAMEW dialog;
    ZeroMemory(&dialog, sizeof dialog);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Log Files(*.txt)\0*.txt\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = static_cast<DWORD>(std::size(file));
    dialog.lpstrTitle = L"WAVE Files";
    // The working directory stays where the settings file is.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                   OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        return 0;
    }
    return replayPathFromFile(asText16(file), path);
}
