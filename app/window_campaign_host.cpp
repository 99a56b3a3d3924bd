#include "window_campaign_host.h"

#include "base/machine_local_time.h"
#include "serial/connection_win32.h"

CivilTime WindowCampaignHost::localTime() {
    return machineLocalNow();
}

bool WindowCampaignHost::receiverPresent() {
    // Between the two handles of a rate change the port is the program's own doing.
    return connection.active() && (!connection.hasPort() || connection.portResponds());
}
