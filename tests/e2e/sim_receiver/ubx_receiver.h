#pragma once
// The UBX family: answers the MON-VER poll with a MON-VER frame and restarts at a CFG-RST
// frame. Everything else it is sent, text included, is passed over.

#include <cstddef>
#include <cstdint>

#include "replies.h"
#include "ubx_frame.h"

class UbxReceiver final : public ReplyPolicy {
public:
    void onReceived(const std::uint8_t* bytes, std::size_t count,
                    ReceiverControl& receiver) override;

private:
    void onFrame(ReceiverControl& receiver);

    UbxFrameReader reader;
};

// The MON-VER frame the receiver answers with: software and hardware version, then the
// extension strings, each a NUL-padded field. Returns its length, 0 when it does not fit.
std::size_t buildMonVerFrame(std::uint8_t* frame, std::size_t capacity);
