#include "start_responder.h"

#include <optional>

void StartResponder::respond(StartKind kind, Micros now, Transmitter& transmitter) {
    if (options.ignored[static_cast<std::size_t>(kind)]) {
        ++ignoredCount;
        return;
    }
    const Micros silence = options.shows == RestartShows::silence ? silentSecond : 0;
    StartRecord record;
    record.kind = kind;
    record.at = now;
    if (options.ttff.times(kind)) {
        const std::optional<Micros> ttff =
            transmitter.fixGate().stop(now, silence, options.ttff.next(kind));
        record.fix = ttff ? FixAfterStart::timed : FixAfterStart::neverAgain;
        record.ttff = ttff.value_or(0);
    } else {
        transmitter.restartSource();
        transmitter.fixGate().stop(now, silence, Micros{0});
    }
    if (honoured.size() < listedStarts) {
        honoured.push_back(record);
    }
    coldCount += kind == StartKind::cold || kind == StartKind::factory ? 1 : 0;
}
