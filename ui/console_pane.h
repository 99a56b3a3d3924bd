#pragma once
// The rich-edit console of the control panel: executes what the console
// queue decides. Runs of one colour go in at the caret; the control is
// replaced rather than emptied.

#include <richedit.h>
#include <windows.h>

#include "ui/console_queue.h"

class ConsolePane {
public:
    static constexpr UINT_PTR flushTimer = 1;
    static constexpr UINT flushDelayMs = 50;

    // Creates the control; returns 1, or 0 when the rich-edit library is missing.
    // `format` is the panel's character format, applied to each inserted run.
    int create(HWND panel, CHARFORMATW* format);
    HWND window() const { return console; }

    void setColor(std::uint32_t rgb) { queue.setColor(rgb); }
    void append(const wchar_t* text);
    // Lines in the control plus those still waiting, as the control counts them.
    int lineCount() const { return queue.lineCount(); }
    void empty();
    // Replaces everything, waiting lines included, with the text.
    void replaceAll(const wchar_t* text);
    // The panel's timer: inserts what waits unless the queue holds it back.
    void onFlushTimer();
    // Inserts what waits now.
    void flush() { insertWaiting(); }

private:
    HWND createControl();
    void insertWaiting();
    void insertRun(const ConsoleQueue::Run& run);
    int controlLineCount() const;

    HWND parent = nullptr;
    HWND console = nullptr;
    CHARFORMATW* charFormat = nullptr;
    ConsoleQueue queue;
    bool timerArmed = false;
};
