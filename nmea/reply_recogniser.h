#pragma once
// Recognises the version and WAAS replies of every receiver family in any line,
// with or without a checksum, and fills the control panel's reply fields.

#include "base/fixed_text.h"
#include "command_family.h"
#include "sentence_fields.h"

class IndexedText;
class IntakeHost;

class ReplyRecogniser {
public:
    void parseReplies(const char16_t* line, IntakeHost& host);
    // The same for a line whose units are already indexed.
    void parseReplies(const IndexedText& line, IntakeHost& host);

    // The family whose version reply was recognised last: none until one is. The text
    // replies that no family owns ("Version ...") leave it as it is.
    CommandFamily lastVersionFamily() const { return versionFamily; }

private:
    void showVersionDone(IntakeHost& host);
    void showRomCore(const char16_t* line, IntakeHost& host);
    void showFwVer(const char16_t* line, IntakeHost& host);
    void showVersion(const char16_t* line, IntakeHost& host);
    void showPsrf195(const char16_t* line, IntakeHost& host);
    void showPmtk705(const char16_t* line, IntakeHost& host);
    void showPair020(const char16_t* line, IntakeHost& host);

    ReplyFields reply195Fields;
    ReplyFields reply705Fields;
    ReplyFields reply020Fields;
    // The most recent line with "[VER]" that is not the closing "[VER] Done".
    FixedText<maxLineUnits + 1> versionReplyText;
    FixedText<maxLineUnits + 1> work;
    CommandFamily versionFamily = CommandFamily::none;
};
