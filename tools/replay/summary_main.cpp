// skyvane-replay-summary: replays a recording through the sentence pipeline and
// prints a readable summary instead of a trace. The clock advances 100 ms a line.

#include <cstdio>
#include <memory>

#include "binary_stdio.h"
#include "replay_session.h"
#include "replay_summary.h"

int main(int argc, char** argv) {
    useBinaryStdio();
    if (argc != 2) {
        std::fprintf(stderr, "usage: skyvane-replay-summary FILE\n");
        return 2;
    }
    std::FILE* input = std::fopen(argv[1], "rb");
    if (input == nullptr) {
        std::fprintf(stderr, "skyvane-replay-summary: %s cannot be opened\n", argv[1]);
        return 2;
    }
    auto session = std::make_unique<ReplaySession>(100);
    ReplayCounts counts;
    static std::uint8_t chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, input)) > 0) {
        session->feed(chunk, got, [&] { counts.count(*session); });
    }
    std::fclose(input);
    printReplaySummary(stdout, argv[1], counts, *session);
    return 0;
}
