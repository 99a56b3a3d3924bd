#include "receiver_state.h"

#include <initializer_list>

void FixTexts::clear() {
    for (FixText* text : {&dateText, &timeText, &directionText, &speedText, &statusText, &hdopText,
                          &pdopText, &latHemisphere, &latText, &lonHemisphere, &lonText}) {
        text->clear();
    }
}

static void zeroTables(SatTable* tables, int count) {
    for (int t = 0; t < count; ++t) {
        tables[t] = SatTable();
    }
}

void ReceiverState::clearAll() {
    fix.clear();
    zeroTables(tables, satTableCount);
}

void ReceiverState::clearL1() {
    fix.clear();
    zeroTables(tables, firstBandTableCount);
}

void ReceiverState::resetFirstFix() {
    ttffStartTick = 0;
    ttffDone = 0;
}

void SatTable::clearInView() {
    inViewMarked.drain([this](int number) {
        records[number].inView = 0;
        records[number].prn = 0;
    });
}

void SatTable::clearUsedInFix() {
    usedMarked.drain([this](int number) { records[number].usedInFix = 0; });
}

void ReceiverState::clearUsedInFix() {
    for (SatTable& table : tables) {
        table.clearUsedInFix();
    }
}

void ReceiverState::clearInView() {
    for (SatTable& table : tables) {
        table.clearInView();
    }
}
