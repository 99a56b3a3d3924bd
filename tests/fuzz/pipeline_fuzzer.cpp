// Arbitrary serial bytes through the reader's filter, the ring and the intake,
// in several chunkings, with reply and log paths live.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "replay_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One session for the whole run, reset to its first state before every
    // input: as reproducible from one file as a new session, without
    // building one each time.
    static const std::unique_ptr<ReplaySession> session =
        std::make_unique<ReplaySession>(std::uint32_t{700});
    session->reset();
    session->host.useUtcOffset(size % 2 == 0 ? 600 : -720);
    session->feed(data, size, [] {});
    // Lines with a set of fields left by an earlier, longer line.
    session->feed(data, size / 2, [] {});
    return 0;
}
