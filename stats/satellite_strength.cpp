#include "satellite_strength.h"

#include "nmea/receiver_state.h"

int trackedStrength(const SatRecord& record) {
    if (record.inView == 0 || record.snr <= 0) {
        return 0;
    }
    return record.snr > maxStrength ? maxStrength : static_cast<int>(record.snr);
}

bool strengthClamped(const SatRecord& record) {
    return record.inView != 0 && record.snr > maxStrength;
}
