#include "reply_recogniser.h"

#include "base/indexed_text.h"
#include "base/text16.h"
#include "intake_host.h"
#include "split_fields.h"

namespace {

constexpr AsciiNeedle waasEnable{"WAAS Enable"};
constexpr AsciiNeedle waasDisable{"WAAS Disable"};
constexpr AsciiNeedle versionDone{"[VER] Done"};
constexpr AsciiNeedle versionReply{"[VER]"};
constexpr AsciiNeedle romCore{"ROM CORE"};
constexpr AsciiNeedle fwVer{"FWVER="};
constexpr AsciiNeedle version{"Version"};
constexpr AsciiNeedle psrf195{"$PSRF195"};
constexpr AsciiNeedle pmtk705{"$PMTK705"};
constexpr AsciiNeedle pair020{"$PAIR020"};

const char16_t* findUnit(const char16_t* text, char16_t unit) {
    for (; *text != 0; ++text) {
        if (*text == unit) {
            return text;
        }
    }
    return nullptr;
}

// Ends the text at the first unit that is one of the marks, from `from` on.
void cutAtFirst(char16_t* text, std::size_t from, char16_t mark, char16_t otherMark) {
    for (std::size_t i = from; text[i] != 0; ++i) {
        if (text[i] == mark || text[i] == otherMark) {
            text[i] = 0;
            return;
        }
    }
}

}  // namespace

void ReplyRecogniser::parseReplies(const char16_t* line, IntakeHost& host) {
    const std::size_t wholeLine = textLength(line, static_cast<std::size_t>(-1));
    parseReplies(IndexedText(line, wholeLine), host);
}

// Every line passes here, so each test is first made against the line's units.
void ReplyRecogniser::parseReplies(const IndexedText& indexed, IntakeHost& host) {
    const char16_t* line = indexed.text();
    if (indexed.contains(waasEnable)) {
        host.setGsvGsaChecked(true);
    } else if (indexed.contains(waasDisable)) {
        host.setGsvGsaChecked(false);
    }
    if (indexed.contains(versionDone)) {
        showVersionDone(host);
    } else if (indexed.contains(versionReply)) {
        versionReplyText.assign(line);
    }
    // Both come from a UBX MON-VER answer (a u-blox receiver's start-up text also
    // names its ROM core).
    if (indexed.contains(romCore)) {
        showRomCore(line, host);
        versionFamily = CommandFamily::ubx;
    }
    if (indexed.contains(fwVer)) {
        showFwVer(line, host);
        versionFamily = CommandFamily::ubx;
    }
    if (indexed.contains(version)) {
        showVersion(line, host);
    }
    if (indexed.contains(psrf195)) {
        showPsrf195(line, host);
        versionFamily = CommandFamily::psrf;
    }
    if (indexed.contains(pmtk705)) {
        showPmtk705(line, host);
        versionFamily = CommandFamily::pmtk;
    }
    if (indexed.contains(pair020)) {
        showPair020(line, host);
        versionFamily = CommandFamily::pair;
    }
}

// The version lines end in CR LF, which the field does not show.
void ReplyRecogniser::showVersionDone(IntakeHost& host) {
    const std::size_t length = versionReplyText.length();
    if (length < 2) {
        return;
    }
    work.assign(versionReplyText.c_str(), length - 2);
    host.setFirmwareVersion(work.c_str());
    versionFamily = CommandFamily::at;
}

// "... ROM CORE 1.00 (59842) Jun 27 2012": from the C of CORE through the
// bracketed build number.
void ReplyRecogniser::showRomCore(const char16_t* line, IntakeHost& host) {
    const char16_t* rom = findAscii(line, "ROM ");
    const char16_t* core = rom == nullptr ? nullptr : findUnit(rom + 1, u'C');
    if (core == nullptr) {
        return;
    }
    work.assign(core);
    const char16_t* closing = findUnit(work.c_str(), u')');
    if (closing != nullptr) {
        work.data()[closing - work.c_str() + 1] = 0;
    }
    host.setCoreVersion(work.c_str());
}

// "FWVER=..." up to a '*' or 'P' found from the fourth unit on.
void ReplyRecogniser::showFwVer(const char16_t* line, IntakeHost& host) {
    const char16_t* equals = findAscii(line, "FWVER=") + 5;
    work.assign(equals + 1);
    if (work.length() > 3) {
        cutAtFirst(work.data(), 3, u'*', u'P');
    }
    host.setFirmwareVersion(work.c_str());
}

// The text after the line's first colon (or after the V of "Version" when it
// has none), without leading spaces, up to a '*'.
void ReplyRecogniser::showVersion(const char16_t* line, IntakeHost& host) {
    const char16_t* found = findUnit(line, u':');
    if (found == nullptr) {
        found = findAscii(line, "Version");
    }
    const char16_t* start = found + 1;
    while (*start == u' ') {
        ++start;
    }
    work.assign(start);
    cutAtFirst(work.data(), 0, u'*', u'*');
    if (containsAscii(line, "Version2")) {
        host.setFirmwareVersion(work.c_str());
    } else {
        host.setCoreVersion(work.c_str());
    }
}

void ReplyRecogniser::showPsrf195(const char16_t* line, IntakeHost& host) {
    splitFields(line, reply195Fields.ref(), 2, SplitRule::sentence);
    if (!reply195Fields.isEmpty(1)) {
        host.setFirmwareVersion(reply195Fields[1]);
    }
}

void ReplyRecogniser::showPmtk705(const char16_t* line, IntakeHost& host) {
    splitFields(line, reply705Fields.ref(), 4, SplitRule::sentence);
    if (!reply705Fields.isEmpty(1)) {
        host.setCoreVersion(reply705Fields[1]);
    }
    if (!reply705Fields.isEmpty(2)) {
        host.setFirmwareVersion(reply705Fields[2]);
    }
}

void ReplyRecogniser::showPair020(const char16_t* line, IntakeHost& host) {
    splitFields(line, reply020Fields.ref(), 4, SplitRule::sentence);
    if (!reply020Fields.isEmpty(1)) {
        host.setCoreVersion(reply020Fields[1]);
    }
    if (reply020Fields[2][0] == u'F') {
        host.setFirmwareVersion(reply020Fields[2]);
    }
}
