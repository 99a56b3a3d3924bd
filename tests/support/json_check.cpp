#include "json_check.h"

#include <algorithm>
#include <vector>

namespace {

// Deeper nesting than any report has, and shallow enough that a hostile
// input cannot exhaust the stack.
constexpr int deepestNesting = 64;

class JsonChecker {
public:
    explicit JsonChecker(std::string_view json) : text(json) {}

    bool check(std::string* problem) {
        skipSpace();
        const bool ok =
            value(0) && (skipSpace(), at == text.size() || fail("text after the value"));
        if (!ok && problem != nullptr) {
            *problem = reason + " at offset " + std::to_string(at);
        }
        return ok;
    }

private:
    bool fail(const char* why) {
        if (reason.empty()) {
            reason = why;
        }
        return false;
    }

    char peek() const { return at < text.size() ? text[at] : '\0'; }
    bool more() const { return at < text.size(); }

    void skipSpace() {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++at;
        }
    }

    bool literal(std::string_view word) {
        if (text.substr(at, word.size()) != word) {
            return fail("unknown literal");
        }
        at += word.size();
        return true;
    }

    bool value(int depth) {
        if (depth > deepestNesting) {
            return fail("nested too deeply");
        }
        switch (peek()) {
            case '{':
                return object(depth);
            case '[':
                return array(depth);
            case '"':
                return string();
            case 't':
                return literal("true");
            case 'f':
                return literal("false");
            case 'n':
                return literal("null");
            default:
                return number();
        }
    }

    bool object(int depth) {
        ++at;
        skipSpace();
        if (peek() == '}') {
            ++at;
            return true;
        }
        // The names of the open objects, as one stack, so that checking a
        // document allocates only as it first grows.
        const std::size_t firstName = names.size();
        for (;;) {
            skipSpace();
            const std::size_t nameStart = at;
            if (peek() != '"' || !string()) {
                return fail("expected a member name");
            }
            const std::string_view name = text.substr(nameStart, at - nameStart);
            const auto first = names.begin() + static_cast<std::ptrdiff_t>(firstName);
            if (std::find(first, names.end(), name) != names.end()) {
                return fail("a member name given twice");
            }
            names.push_back(name);
            skipSpace();
            if (peek() != ':') {
                return fail("expected ':'");
            }
            ++at;
            skipSpace();
            if (!value(depth + 1)) {
                return false;
            }
            skipSpace();
            if (peek() == '}') {
                ++at;
                names.resize(firstName);
                return true;
            }
            if (peek() != ',') {
                return fail("expected ',' or '}'");
            }
            ++at;
        }
    }

    bool array(int depth) {
        ++at;
        skipSpace();
        if (peek() == ']') {
            ++at;
            return true;
        }
        for (;;) {
            skipSpace();
            if (!value(depth + 1)) {
                return false;
            }
            skipSpace();
            if (peek() == ']') {
                ++at;
                return true;
            }
            if (peek() != ',') {
                return fail("expected ',' or ']'");
            }
            ++at;
        }
    }

    static bool isHex(char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }

    bool escape() {
        const char kind = peek();
        ++at;
        if (kind == 'u') {
            for (int i = 0; i < 4; ++i, ++at) {
                if (!isHex(peek())) {
                    return fail("bad \\u escape");
                }
            }
            return true;
        }
        const std::string_view simple = "\"\\/bfnrt";
        return simple.find(kind) != std::string_view::npos || fail("bad escape");
    }

    bool string() {
        ++at;
        while (more()) {
            const auto c = static_cast<unsigned char>(peek());
            ++at;
            if (c == '"') {
                return true;
            }
            if (c < 0x20) {
                return fail("control character in a string");
            }
            if (c == '\\' && !escape()) {
                return false;
            }
        }
        return fail("unterminated string");
    }

    bool digits() {
        const std::size_t start = at;
        while (peek() >= '0' && peek() <= '9') {
            ++at;
        }
        return at > start;
    }

    bool number() {
        if (peek() == '-') {
            ++at;
        }
        if (peek() == '0') {
            ++at;
        } else if (!digits()) {
            return fail("expected a value");
        }
        if (peek() == '.') {
            ++at;
            if (!digits()) {
                return fail("no digits after '.'");
            }
        }
        if (peek() == 'e' || peek() == 'E') {
            ++at;
            if (peek() == '+' || peek() == '-') {
                ++at;
            }
            if (!digits()) {
                return fail("no digits in the exponent");
            }
        }
        return true;
    }

    std::string_view text;
    std::size_t at = 0;
    std::string reason;
    std::vector<std::string_view> names;
};

}  // namespace

bool jsonWellFormed(std::string_view text, std::string* problem) {
    return JsonChecker(text).check(problem);
}
