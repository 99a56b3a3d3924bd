#include "byte_log.h"

namespace {

std::FILE* openForWriting(const char* path) {
    return std::fopen(path, "wb");
}

}  // namespace

std::size_t formatReceivedRecord(char* text, std::size_t capacity, Micros sinceStart,
                                 const std::uint8_t* bytes, std::size_t count) {
    static const char hexDigits[] = "0123456789abcdef";
    int written = std::snprintf(text, capacity, "{\"ms\":%lld,\"hex\":\"",
                                static_cast<long long>(sinceStart / 1000));
    if (written < 0 || static_cast<std::size_t>(written) >= capacity) {
        return 0;
    }
    std::size_t length = static_cast<std::size_t>(written);
    const char tail[] = "\"}";
    for (std::size_t i = 0; i < count && length + 2 + sizeof tail <= capacity; ++i) {
        text[length++] = hexDigits[bytes[i] >> 4];
        text[length++] = hexDigits[bytes[i] & 0x0F];
    }
    for (const char* p = tail; *p != 0 && length + 1 < capacity; ++p) {
        text[length++] = *p;
    }
    text[length] = 0;
    return length;
}

ReceivedLog::~ReceivedLog() {
    if (file != nullptr) {
        std::fclose(file);
    }
}

bool ReceivedLog::open(const char* path) {
    file = openForWriting(path);
    return file != nullptr;
}

// Reads from the pseudo-terminal are at most a few kilobytes, so one record per read
// fits this buffer; a larger count is split into several records with the same time.
void ReceivedLog::append(Micros sinceStart, const std::uint8_t* bytes, std::size_t count) {
    if (file == nullptr) {
        return;
    }
    constexpr std::size_t bytesPerRecord = 4096;
    char text[2 * bytesPerRecord + 64];
    for (std::size_t done = 0; done < count; done += bytesPerRecord) {
        const std::size_t part = count - done < bytesPerRecord ? count - done : bytesPerRecord;
        const std::size_t length =
            formatReceivedRecord(text, sizeof text, sinceStart, bytes + done, part);
        std::fwrite(text, 1, length, file);
        std::fputc('\n', file);
    }
    std::fflush(file);
}

SentLog::~SentLog() {
    if (file != nullptr) {
        std::fclose(file);
    }
}

bool SentLog::open(const char* path) {
    file = openForWriting(path);
    return file != nullptr;
}

void SentLog::append(const std::uint8_t* bytes, std::size_t count) {
    if (file == nullptr) {
        return;
    }
    std::fwrite(bytes, 1, count, file);
    std::fflush(file);
}
