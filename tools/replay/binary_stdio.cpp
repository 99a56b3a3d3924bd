#include "binary_stdio.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <cstdio>

void useBinaryStdio() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}
#else
void useBinaryStdio() {}
#endif
