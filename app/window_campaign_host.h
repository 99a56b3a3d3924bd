#pragma once
// What a campaign needs of the program: the local time and whether the
// receiver still answers its port.

#include <windows.h>

#include "commands/campaign_runner.h"

class SerialConnection;

class WindowCampaignHost : public CampaignHost {
public:
    explicit WindowCampaignHost(SerialConnection& serialConnection) : connection(serialConnection) {}

    CivilTime localTime() override;
    bool receiverPresent() override;

private:
    SerialConnection& connection;
};
