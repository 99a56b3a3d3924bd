#pragma once
// The $PSRF family. Its starts are the navigation initialisations, $PSRF101 (ECEF) and
// $PSRF104 (latitude, longitude), whose last field, ResetCfg, names the kind: 1 hot,
// 2 and 3 warm (3 with initial data), 4 cold, 8 factory (memory cleared).

#include "text_family_receiver.h"

class PsrfReceiver final : public TextFamilyReceiver {
public:
    PsrfReceiver();

protected:
    void onOtherCommand(const char* command, ReceiverControl& receiver) override;
};
