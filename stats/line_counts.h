#pragma once
// Every line the intake takes, by the checksum step and by sentence type.

#include <cstddef>
#include <cstdint>

#include "sentence_type_table.h"

enum class ChecksumKind { ok, bad, absent };

// Absent: shorter than five units, or no "*" five units from the end (where
// the checksum step looks for it, before CR LF); otherwise ok when the
// checksum step passed the line, else bad.
ChecksumKind checksumKindOf(const char16_t* line, std::size_t length, bool checksumOk);

class LineCounts {
public:
    void clear();
    void count(const char16_t* line, std::size_t length, bool checksumOk);

    std::uint64_t total() const { return totalLines; }
    std::uint64_t checksumOk() const { return okLines; }
    std::uint64_t checksumBad() const { return badLines; }
    std::uint64_t checksumAbsent() const { return absentLines; }
    const SentenceTypeTable& types() const { return typeTable; }

private:
    std::uint64_t totalLines = 0;
    std::uint64_t okLines = 0;
    std::uint64_t badLines = 0;
    std::uint64_t absentLines = 0;
    SentenceTypeTable typeTable;
};
