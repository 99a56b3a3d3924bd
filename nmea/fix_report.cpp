#include "fix_report.h"

#include "base/text16.h"

namespace {

// The first unit of field 2 ("$GNRMC,time,STATUS" and "$GNGSA,mode,TYPE"),
// with the splitter's delimiters; 0 when the line ends before it.
char16_t secondFieldStart(const char16_t* line) {
    int delimiters = 0;
    for (const char16_t* at = line; *at != 0; ++at) {
        if (*at == u',' || *at == u'*' || *at == u'\r') {
            if (++delimiters == 2) {
                return at[1] == u',' || at[1] == u'*' || at[1] == u'\r' ? 0 : at[1];
            }
        }
    }
    return 0;
}

}  // namespace

FixReport fixReportOf(const char16_t* line) {
    if (containsAscii(line, "RMC")) {
        return secondFieldStart(line) == u'A' ? FixReport::fix : FixReport::noFix;
    }
    if (containsAscii(line, "GSA")) {
        const char16_t type = secondFieldStart(line);
        if (type == u'2' || type == u'3') {
            return FixReport::fix;
        }
        return type == u'1' ? FixReport::noFix : FixReport::none;
    }
    return FixReport::none;
}
