#pragma once
// Several listeners of the intake, told in the order they were added: the
// program's statistics and a campaign that runs meanwhile.

#include "sentence_intake.h"

class IntakeFanOut final : public IntakeListener {
public:
    static constexpr int capacity = 4;

    // Returns 1, or 0 when there is no room.
    int add(IntakeListener* listener) {
        if (count == capacity) {
            return 0;
        }
        listeners[count++] = listener;
        return 1;
    }

    void lineTaken(const SentenceIntake& intake, std::uint32_t tick) override {
        for (int i = 0; i < count; ++i) {
            listeners[i]->lineTaken(intake, tick);
        }
    }

private:
    IntakeListener* listeners[capacity] = {};
    int count = 0;
};
