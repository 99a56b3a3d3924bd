#pragma once
// Writes the members of one JSON object or the items of one array, with the
// separators between them.

#include <string>

class JsonFields {
public:
    // `separator` goes between members: ", " on one line, ",\n    " a member a line.
    JsonFields(std::string& text, char open, const char* separator, const char* closing)
        : out(text), between(separator), close(closing) {
        out += open;
    }

    // Starts a member; its value is appended to the returned text.
    std::string& key(const char* name) {
        item();
        out += '"';
        out += name;
        out += "\": ";
        return out;
    }

    // Starts an array item.
    std::string& item() {
        out += first ? "" : between;
        first = false;
        return out;
    }

    void end() { out += close; }

private:
    std::string& out;
    const char* between;
    const char* close;
    bool first = true;
};
