#include "markup_check.h"

#include <cstdint>
#include <vector>

namespace {

class MarkupChecker {
public:
    explicit MarkupChecker(std::string_view text) : s(text) {}

    bool check() {
        if (!validCharacters()) {
            return false;
        }
        while (at < s.size()) {
            if (s[at] == '<') {
                if (!markup()) {
                    return false;
                }
            } else if (!textRun()) {
                return false;
            }
        }
        if (!open.empty()) {
            return fail("element <" + std::string(open.back()) + "> is never closed");
        }
        return rootClosed ? true : fail("no root element");
    }

    std::string problem;

private:
    bool fail(const std::string& why) {
        problem = "at byte " + std::to_string(at) + ": " + why;
        return false;
    }

    // Unit by unit: a memcmp here would cost the fuzzers a third of their speed.
    bool startsWith(std::string_view prefix) const {
        if (s.size() - at < prefix.size()) {
            return false;
        }
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (s[at + i] != prefix[i]) {
                return false;
            }
        }
        return true;
    }

    static bool nameStart(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
    }
    static bool nameChar(char c) {
        return nameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
    }
    static bool space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    void skipSpace() {
        while (at < s.size() && space(s[at])) {
            ++at;
        }
    }

    std::string_view name() {
        const std::size_t start = at;
        if (at < s.size() && nameStart(s[at])) {
            while (at < s.size() && nameChar(s[at])) {
                ++at;
            }
        }
        return s.substr(start, at - start);
    }

    // UTF-8, and no code point XML 1.0 cannot hold.
    bool validCharacters() {
        for (std::size_t i = 0; i < s.size();) {
            const auto lead = static_cast<unsigned char>(s[i]);
            int length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC2 ? 2
                                        : 0;
            if (length == 0 || lead > 0xF4 || i + length > s.size()) {
                at = i;
                return fail("not UTF-8");
            }
            std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
            for (int k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(s[i + k]);
                if ((next & 0xC0) != 0x80) {
                    at = i;
                    return fail("not UTF-8");
                }
                code = (code << 6) | (next & 0x3F);
            }
            const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
            const bool control = code < 0x20 && code != '\t' && code != '\n' && code != '\r';
            if (code < least[length] || control || (code >= 0xD800 && code <= 0xDFFF) ||
                code == 0xFFFE || code == 0xFFFF || code > 0x10FFFF) {
                at = i;
                return fail("a character XML cannot hold");
            }
            i += static_cast<std::size_t>(length);
        }
        return true;
    }

    bool reference() {
        const std::size_t end = s.find(';', at);
        if (end == std::string_view::npos || end - at > 12) {
            return fail("a bare &");
        }
        const std::string_view body = s.substr(at + 1, end - at - 1);
        static const std::string_view named[] = {"amp", "lt", "gt", "quot", "apos"};
        bool known = false;
        for (std::string_view entity : named) {
            known = known || body == entity;
        }
        if (!known && !characterReference(body)) {
            return fail("an unknown reference &" + std::string(body) + ";");
        }
        at = end + 1;
        return true;
    }

    static bool characterReference(std::string_view body) {
        if (body.size() < 2 || body[0] != '#') {
            return false;
        }
        const bool hex = body[1] == 'x';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty()) {
            return false;
        }
        std::uint32_t code = 0;
        for (char c : digits) {
            int digit = c >= '0' && c <= '9' ? c - '0' : -1;
            if (hex && digit < 0) {
                digit = c >= 'a' && c <= 'f'   ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
            }
            if (digit < 0 || code > 0x10FFFF) {
                return false;
            }
            code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        }
        const bool allowed =
            code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
            (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
        return allowed;
    }

    bool textRun() {
        while (at < s.size() && s[at] != '<') {
            if (s[at] == '&') {
                if (!reference()) {
                    return false;
                }
                continue;
            }
            if (open.empty() && !space(s[at])) {
                return fail("text outside the root element");
            }
            if (s[at] == '>' && at >= 2 && s[at - 1] == ']' && s[at - 2] == ']') {
                return fail("]]> in text");
            }
            ++at;
        }
        return true;
    }

    bool skipPast(std::string_view end, const char* what) {
        const std::size_t found = s.find(end, at);
        if (found == std::string_view::npos) {
            return fail(std::string("an unclosed ") + what);
        }
        at = found + end.size();
        return true;
    }

    bool markup() {
        if (startsWith("<!--")) {
            at += 4;
            const std::size_t end = s.find("--", at);
            if (end == std::string_view::npos || s.substr(end, 3) != "-->") {
                return fail("a comment with -- inside or never closed");
            }
            at = end + 3;
            return true;
        }
        if (startsWith("<!DOCTYPE")) {
            if (rootSeen || seenDoctype) {
                return fail("a <!DOCTYPE> after the root or twice");
            }
            seenDoctype = true;
            return skipPast(">", "<!DOCTYPE");
        }
        if (startsWith("<?")) {
            return skipPast("?>", "processing instruction");
        }
        if (startsWith("</")) {
            return closeTag();
        }
        return openTag();
    }

    bool closeTag() {
        at += 2;
        const std::string_view closing = name();
        skipSpace();
        if (at >= s.size() || s[at] != '>') {
            return fail("a malformed closing tag");
        }
        ++at;
        if (open.empty() || open.back() != closing) {
            return fail("</" + std::string(closing) + "> closes nothing open");
        }
        open.pop_back();
        rootClosed = open.empty();
        return true;
    }

    bool openTag() {
        ++at;
        const std::string_view element = name();
        if (element.empty()) {
            return fail("a < that starts no tag");
        }
        if (rootClosed) {
            return fail("a second root element <" + std::string(element) + ">");
        }
        Attributes attributes;
        for (;;) {
            const std::size_t before = at;
            skipSpace();
            if (startsWith("/>") || startsWith(">")) {
                break;
            }
            if (at == before) {
                return fail("no space before an attribute");
            }
            if (!attribute(attributes)) {
                return false;
            }
        }
        rootSeen = true;
        if (startsWith("/>")) {
            at += 2;
            rootClosed = open.empty();
            return true;
        }
        ++at;
        open.push_back(element);
        return true;
    }

    // The names of one element's attributes, without allocating.
    struct Attributes {
        std::string_view names[64];
        int count = 0;
    };

    bool attribute(Attributes& seen) {
        const std::string_view attributeName = name();
        if (attributeName.empty()) {
            return fail("a malformed attribute");
        }
        for (int i = 0; i < seen.count; ++i) {
            if (seen.names[i] == attributeName) {
                return fail("attribute " + std::string(attributeName) + " twice");
            }
        }
        if (seen.count == 64) {
            return fail("more than 64 attributes");
        }
        seen.names[seen.count++] = attributeName;
        skipSpace();
        if (at >= s.size() || s[at] != '=') {
            return fail("attribute " + std::string(attributeName) + " without a value");
        }
        ++at;
        skipSpace();
        if (at >= s.size() || (s[at] != '"' && s[at] != '\'')) {
            return fail("an unquoted attribute value");
        }
        const char quote = s[at++];
        while (at < s.size() && s[at] != quote) {
            if (s[at] == '<') {
                return fail("< in an attribute value");
            }
            if (s[at] == '&') {
                if (!reference()) {
                    return false;
                }
                continue;
            }
            ++at;
        }
        if (at >= s.size()) {
            return fail("an attribute value never closed");
        }
        ++at;
        return true;
    }

    std::string_view s;
    std::size_t at = 0;
    std::vector<std::string_view> open;
    bool rootSeen = false;
    bool rootClosed = false;
    bool seenDoctype = false;
};

}  // namespace

bool markupWellFormed(std::string_view text, std::string* problem) {
    MarkupChecker checker(text);
    const bool ok = checker.check();
    if (!ok && problem != nullptr) {
        *problem = checker.problem;
    }
    return ok;
}
