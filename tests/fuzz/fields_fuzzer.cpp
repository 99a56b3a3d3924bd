// Arbitrary UTF-16 units, including ones no serial line can deliver, straight
// into the splitter, the scans, the checksum test, the parsers and the replies.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "base/text16.h"
#include "headless_host.h"
#include "nmea/checksum.h"
#include "nmea/field_scan.h"
#include "nmea/gsa.h"
#include "nmea/gsv.h"
#include "nmea/receiver_state.h"
#include "nmea/reply_recogniser.h"
#include "nmea/rmc.h"
#include "nmea/split_fields.h"

namespace {

struct Workspace {
    ReceiverState state;
    HeadlessHost host;
    ReplyRecogniser replies;
    RmcFields rmc;
    GsaFields gsa;
    GsvFields gsv;
    FieldList<3, 2> tiny;  // the narrowest list: every field is cut
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::unique_ptr<Workspace> work = std::make_unique<Workspace>();
    char16_t line[maxLineUnits + 1];
    const std::size_t units = size / 2 < maxLineUnits ? size / 2 : maxLineUnits;
    std::memcpy(line, data, units * 2);
    line[units] = 0;
    const std::size_t length = textLength(line, maxLineUnits);

    sentenceChecksumOk(line, length);
    splitFields(line, work->tiny.ref(), 3, SplitRule::sentence);
    splitFields(line, work->tiny.ref(), 1000, SplitRule::satellitesInView);
    for (int start = 0; start < 4; ++start) {
        scanInt(line, start);
    }
    work->replies.parseReplies(line, work->host);
    work->state.usedResetPending = work->state.viewResetPending = size & 1;
    parseRmc(line, work->rmc, work->state, work->host);
    parseGsa(line, work->gsa, work->state, work->host);
    parseGsv(line, work->gsv, work->state);
    return 0;
}
