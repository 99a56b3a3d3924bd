// skyvane-probe: looks into the running Skyvane window from another process in the same
// Wine prefix. Reads one command per line on standard input and answers each with one
// JSON line on standard output, so a harness can keep it for a whole scenario.
//   skyvane-probe.exe [--class WINDOW_CLASS]

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "probe_commands.h"

namespace {

constexpr wchar_t skyvaneClass[] = L"Skyvane K-7RT-03-1903041";

// The largest answer: a whole console with escapes, or a rectangle of pixels.
char answer[4 << 20];

template <std::size_t N>
void readClassName(int argc, char** argv, wchar_t (&className)[N]) {
    std::swprintf(className, N, L"%ls", skyvaneClass);
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--class") == 0) {
            MultiByteToWideChar(CP_UTF8, 0, argv[i + 1], -1, className, static_cast<int>(N));
            className[N - 1] = 0;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Answers end in LF alone, whatever the C runtime's text mode would make of them.
    _setmode(_fileno(stdout), _O_BINARY);
    wchar_t className[256];
    readClassName(argc, argv, className);
    ProbeSession session(className);
    char line[CommandWords::maxLine];
    bool running = true;
    while (running && std::fgets(line, sizeof line, stdin) != nullptr) {
        const CommandWords words(line);
        JsonWriter json(answer, sizeof answer);
        running = runProbeCommand(session, words, json);
        std::fputs(json.finish(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return 0;
}
