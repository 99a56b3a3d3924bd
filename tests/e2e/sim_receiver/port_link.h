#pragma once
// The name under which a program finds the simulated receiver: a symbolic link to the
// pseudo-terminal's slave, for Wine a prefix's dosdevices/comN.

#include <cstddef>

class PortLink {
public:
    static constexpr std::size_t maxPath = 1024;

    explicit PortLink(const char* linkPath);
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    // Points the link at the target, replacing whatever was there in one step, so a
    // program never sees the name half made. False with errno set on failure.
    bool pointTo(const char* target);
    // Removes the link if this object made it; the port disappears.
    void remove();
    const char* path() const { return pathText; }
    bool exists() const { return linked; }

private:
    char pathText[maxPath];
    bool linked = false;
};
