#include "port_link.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

PortLink::PortLink(const char* linkPath) {
    std::snprintf(pathText, sizeof pathText, "%s", linkPath);
}

PortLink::~PortLink() {
    remove();
}

bool PortLink::pointTo(const char* target) {
    char temporary[maxPath + 32];
    std::snprintf(temporary, sizeof temporary, "%s.new-%ld", pathText,
                  static_cast<long>(::getpid()));
    ::unlink(temporary);
    if (::symlink(target, temporary) != 0) {
        return false;
    }
    if (::rename(temporary, pathText) != 0) {
        const int error = errno;
        ::unlink(temporary);
        errno = error;
        return false;
    }
    linked = true;
    return true;
}

void PortLink::remove() {
    if (linked) {
        ::unlink(pathText);
        linked = false;
    }
}
