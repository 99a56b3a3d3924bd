#include "console_reader.h"

#include <richedit.h>

#include "messaging.h"
#include "remote_buffer.h"

namespace {

// Layout of the remote block: the selection to restore, the selection being read, a
// character-format record and a text range with its text buffer.
struct RemoteLayout {
    static constexpr std::size_t savedAt = 0;
    static constexpr std::size_t rangeAt = 64;
    static constexpr std::size_t formatAt = 128;
    static constexpr std::size_t textRangeAt = 512;
    static constexpr std::size_t textAt = 640;
    static constexpr std::size_t size = textAt + ConsoleLine::maxUnits * sizeof(wchar_t);
};

bool selectRange(HWND console, RemoteBuffer& remote, std::size_t offset, LONG first, LONG last) {
    const CHARRANGE range{first, last};
    return remote.write(offset, &range, sizeof range) &&
           sendTimed(console, EM_EXSETSEL, 0, remote.pointer(offset));
}

// Rich edit 1.0 ("RICHEDIT") is an ANSI control: its text ranges come back as bytes.
bool readLineText(HWND console, RemoteBuffer& remote, LONG start, ConsoleLine* line) {
    const LONG end =
        start + static_cast<LONG>(line->length < ConsoleLine::maxUnits ? line->length
                                                                       : ConsoleLine::maxUnits - 1);
    TEXTRANGEW range{};
    range.chrg = CHARRANGE{start, end};
    range.lpstrText = reinterpret_cast<LPWSTR>(remote.pointer(RemoteLayout::textAt));
    LRESULT copied = 0;
    if (!remote.write(RemoteLayout::textRangeAt, &range, sizeof range) ||
        !sendTimed(console, EM_GETTEXTRANGE, 0, remote.pointer(RemoteLayout::textRangeAt),
                   &copied)) {
        return false;
    }
    const std::size_t units = static_cast<std::size_t>(copied) < ConsoleLine::maxUnits
                                  ? static_cast<std::size_t>(copied)
                                  : ConsoleLine::maxUnits - 1;
    if (IsWindowUnicode(console)) {
        if (!remote.read(RemoteLayout::textAt, line->text, units * sizeof(wchar_t))) {
            return false;
        }
        line->text[units] = 0;
        return true;
    }
    char bytes[ConsoleLine::maxUnits];
    if (!remote.read(RemoteLayout::textAt, bytes, units)) {
        return false;
    }
    const int widened = units == 0 ? 0
                                   : MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(units),
                                                         line->text, ConsoleLine::maxUnits - 1);
    line->text[widened > 0 ? widened : 0] = 0;
    return true;
}

bool readLineColor(HWND console, RemoteBuffer& remote, LONG start, ConsoleLine* line) {
    line->hasColor = false;
    if (line->length == 0) {
        return true;
    }
    if (!selectRange(console, remote, RemoteLayout::rangeAt, start,
                     start + static_cast<LONG>(line->length))) {
        return false;
    }
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    if (!remote.write(RemoteLayout::formatAt, &format, sizeof format) ||
        !sendTimed(console, EM_GETCHARFORMAT, SCF_SELECTION,
                   remote.pointer(RemoteLayout::formatAt)) ||
        !remote.read(RemoteLayout::formatAt, &format, sizeof format)) {
        return false;
    }
    line->hasColor = (format.dwMask & CFM_COLOR) != 0 && (format.dwEffects & CFE_AUTOCOLOR) == 0;
    line->color = format.crTextColor;
    return true;
}

// A line that no longer exists means the console was emptied during the read.
ConsoleRead readLine(HWND console, RemoteBuffer& remote, int index, ConsoleLine* line) {
    LRESULT start = 0;
    LRESULT length = 0;
    if (!sendTimed(console, EM_LINEINDEX, static_cast<WPARAM>(index), 0, &start)) {
        return ConsoleRead::noAnswer;
    }
    if (start < 0) {
        return ConsoleRead::changed;
    }
    if (!sendTimed(console, EM_LINELENGTH, static_cast<WPARAM>(start), 0, &length)) {
        return ConsoleRead::noAnswer;
    }
    line->index = index;
    line->length = static_cast<std::size_t>(length);
    const bool read = readLineText(console, remote, static_cast<LONG>(start), line) &&
                      readLineColor(console, remote, static_cast<LONG>(start), line);
    return read ? ConsoleRead::ok : ConsoleRead::noAnswer;
}

}  // namespace

ConsoleRead readConsoleLines(HWND console, HANDLE process, int maxLines, int* lineCount,
                             ConsoleLineSink& sink) {
    RemoteBuffer remote(process, RemoteLayout::size);
    if (!remote.valid()) {
        return ConsoleRead::noMemory;
    }
    LRESULT lengthBefore = 0;
    LRESULT count = 0;
    if (!sendTimed(console, WM_GETTEXTLENGTH, 0, 0, &lengthBefore) ||
        !sendTimed(console, EM_GETLINECOUNT, 0, 0, &count) ||
        !sendTimed(console, EM_EXGETSEL, 0, remote.pointer(RemoteLayout::savedAt))) {
        return ConsoleRead::noAnswer;
    }
    *lineCount = static_cast<int>(count);
    const int first = maxLines > 0 && count > maxLines ? static_cast<int>(count) - maxLines : 0;
    static ConsoleLine line;  // large; one command runs at a time
    ConsoleRead result = ConsoleRead::ok;
    for (int i = first; i < count && result == ConsoleRead::ok; ++i) {
        result = readLine(console, remote, i, &line);
        if (result == ConsoleRead::ok) {
            sink.line(line);
        }
    }
    // Put the program's insertion point back where it was, whatever happened above.
    sendTimed(console, EM_EXSETSEL, 0, remote.pointer(RemoteLayout::savedAt));
    LRESULT lengthAfter = 0;
    if (result != ConsoleRead::ok) {
        return result;
    }
    if (!sendTimed(console, WM_GETTEXTLENGTH, 0, 0, &lengthAfter)) {
        return ConsoleRead::noAnswer;
    }
    return lengthAfter == lengthBefore ? ConsoleRead::ok : ConsoleRead::changed;
}
