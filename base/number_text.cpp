#include "number_text.h"

// The magnitude is taken unsigned, so the most negative value has one too.
NumberText& NumberText::number(long long value, int minDigits) {
    unsigned long long magnitude = static_cast<unsigned long long>(value);
    if (value < 0) {
        add('-');
        magnitude = 0 - magnitude;
    }
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    for (int padding = minDigits - count; padding > 0; --padding) {
        add('0');
    }
    while (count > 0) {
        add(reversed[--count]);
    }
    return *this;
}

NumberText& NumberText::text(const char* ascii) {
    for (; *ascii != 0; ++ascii) {
        add(*ascii);
    }
    return *this;
}

void NumberText::add(char character) {
    if (length + 1 < capacity) {
        characters[length++] = character;
        characters[length] = 0;
    }
}
