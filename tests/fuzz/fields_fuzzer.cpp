// Arbitrary UTF-16 units, including ones no serial line can deliver, straight
// into the splitter, the scans, the checksum test, the parsers and the replies;
// then the panel is drawn from what they left, as a display list and as SVG,
// which must stay valid UTF-8 XML text.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "base/text16.h"
#include "nmea/checksum.h"
#include "nmea/field_scan.h"
#include "nmea/gsa.h"
#include "nmea/gsv.h"
#include "nmea/receiver_state.h"
#include "nmea/reply_recogniser.h"
#include "nmea/rmc.h"
#include "nmea/split_fields.h"
#include "panel_svg.h"
#include "replay_session.h"
#include "ui/panel_display_list.h"

namespace {

// The receiver state and host come from a session, for its reset.
struct Workspace {
    ReplaySession session{0};
    ReplyRecogniser replies;
    RmcFields rmc;
    GsaFields gsa;
    GsvFields gsv;
    FieldList<3, 2> tiny;  // the narrowest list: every field is cut
    PanelDisplayList panel;
    std::string svg;

    // Each input starts from the first state, so that one file reproduces it.
    void reset() {
        session.reset();
        replies = ReplyRecogniser();
        rmc = RmcFields();
        gsa = GsaFields();
        gsv = GsvFields();
        tiny = FieldList<3, 2>();
    }
};

// The sky picture is the same bytes for every input, and far longer than
// the rest of the drawing; the SVG's own tests check it.
void dropSkyPicture(PanelDisplayList& list) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.count; ++i) {
        if (list.ops[i].kind != DrawKind::skyPicture) {
            list.ops[kept++] = list.ops[i];
        }
    }
    list.count = kept;
}

// Settings, panel size and offset from the input's first bytes.
PanelInputs panelInputs(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[8] = {};
    if (size > 0) {
        std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    }
    PanelInputs inputs;
    inputs.views = {bytes[0] & 1, bytes[0] & 2, bytes[0] & 4, bytes[0] & 8, bytes[0] & 16};
    inputs.logging = (bytes[0] & 32) != 0;
    inputs.signalOffset = static_cast<std::int8_t>(bytes[1]) * 16777216 + bytes[2];
    inputs.width = static_cast<std::int16_t>(bytes[3] | bytes[4] << 8);
    inputs.height = static_cast<std::int16_t>(bytes[5] | bytes[6] << 8);
    return inputs;
}

// No control byte but TAB, LF and CR, and well-formed UTF-8 without
// surrogates, U+FFFE or U+FFFF. Left out of the coverage: its every byte
// would cost a comparison callback, and it only checks what the drawing did.
__attribute__((no_sanitize("coverage"))) bool validXmlUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r') {
            return false;
        }
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) {
            return false;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = code << 6 | (next & 0x3F);
        }
        const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < shortest[length] || (code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE ||
            code == 0xFFFF || code > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<Workspace> work = std::make_unique<Workspace>();
    work->reset();
    ReceiverState& state = work->session.state;
    HeadlessHost& host = work->session.host;
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
    work->replies.parseReplies(line, host);
    state.usedResetPending = state.viewResetPending = size & 1;
    parseRmc(line, work->rmc, state, host);
    parseGsa(line, work->gsa, state, host);
    parseGsv(line, work->gsv, state);

    const PanelInputs inputs = panelInputs(data, size);
    buildPanelDisplayList(state, inputs, &work->panel);
    dropSkyPicture(work->panel);
    work->svg.clear();
    appendPanelSvg(work->svg, work->panel, inputs.width, inputs.height);
    if (!validXmlUtf8(work->svg)) {
        __builtin_trap();
    }
    return 0;
}
