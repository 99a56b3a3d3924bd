#include "port_label.h"

#include "base/text16.h"

void cutAtFirstColon(char16_t* label) {
    for (; *label != 0; ++label) {
        if (*label == u':') {
            *label = 0;
            return;
        }
    }
}

bool isReplayLabel(const char16_t* label) {
    return textEqualsAscii(label, "Log File");
}

static int formatDevicePath(const char16_t* name, std::size_t length, PortPath* path) {
    constexpr std::size_t prefixLength = 4;  // the \\.\ in front of the name
    if (prefixLength + length > PortPath::capacity - 1) {
        return 0;
    }
    path->assignAscii("\\\\.\\");
    copyText(path->data() + prefixLength, PortPath::capacity - prefixLength, name, length);
    return 1;
}

int portPathFromLabel(const char16_t* label, PortPath* path) {
    const char16_t* com = findAscii(label, "(COM");
    if (com == nullptr) {
        return formatDevicePath(label, textLength(label, static_cast<std::size_t>(-1)), path);
    }
    const char16_t* name = com + 1;
    const char16_t* close = name;
    while (*close != 0 && *close != u')') {
        ++close;
    }
    if (*close != u')') {
        return 0;
    }
    return formatDevicePath(name, static_cast<std::size_t>(close - name), path);
}

int replayPathFromFile(const char16_t* file, PortPath* path) {
    if (textLength(file, PortPath::capacity) > PortPath::capacity - 1) {
        return 0;
    }
    path->assign(file);
    return 1;
}
