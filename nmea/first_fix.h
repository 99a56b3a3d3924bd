#pragma once

class IntakeHost;
struct ReceiverState;

// Called on every fix report. The first one more than three seconds after the
// measurement started puts the time to first fix into the window title.
void checkFirstFix(ReceiverState& state, IntakeHost& host);
