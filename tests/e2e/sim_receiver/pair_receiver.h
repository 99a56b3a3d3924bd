#pragma once
// The $PAIR family. Besides its version and restart commands it moves its own line to
// another rate in two steps: "$PAIR864,0,0,<rate>" names the rate of its first port and
// "$PAIR023" makes the last rate so named take effect.

#include "text_family_receiver.h"

class PairReceiver final : public TextFamilyReceiver {
public:
    PairReceiver();

protected:
    void onOtherCommand(const char* command, ReceiverControl& receiver) override;

private:
    long pendingBaud = 0;  // 0: no rate named yet
};

// The rates the receiver's port accepts.
bool supportedBaud(long baud);
