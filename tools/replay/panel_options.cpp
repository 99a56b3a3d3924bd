#include "panel_options.h"

#include <cstring>

#include "base/whole_number.h"

namespace {

constexpr std::int64_t int32Lowest = -2147483647LL - 1;
constexpr std::int64_t int32Highest = 2147483647LL;

struct ViewName {
    const char* name;
    int ViewFlags::*flag;
};

// The names of the settings file's VIEW_ keys.
const ViewName viewNames[] = {
    {"GPS", &ViewFlags::gps}, {"GLS", &ViewFlags::gls}, {"GAS", &ViewFlags::gas},
    {"BDS", &ViewFlags::bds}, {"GNS", &ViewFlags::gns},
};

int ViewFlags::*viewFlagNamed(const char* begin, const char* end) {
    for (const ViewName& view : viewNames) {
        const std::size_t length = std::strlen(view.name);
        if (static_cast<std::size_t>(end - begin) == length &&
            std::strncmp(begin, view.name, length) == 0) {
            return view.flag;
        }
    }
    return nullptr;
}

}  // namespace

int parsePanelSize(const char* text, PanelOptions* options) {
    const char* separator = text != nullptr ? std::strchr(text, 'x') : nullptr;
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (separator == nullptr || !parseWholeNumber(text, separator, 1, largestPanelSide, &width) ||
        !parseWholeNumber(separator + 1, 1, largestPanelSide, &height)) {
        return 0;
    }
    options->width = static_cast<std::int32_t>(width);
    options->height = static_cast<std::int32_t>(height);
    return 1;
}

int parseViewSetting(const char* text, PanelOptions* options) {
    const char* separator = text != nullptr ? std::strchr(text, '=') : nullptr;
    if (separator == nullptr) {
        return 0;
    }
    int ViewFlags::*flag = viewFlagNamed(text, separator);
    std::int64_t value = 0;
    if (flag == nullptr || !parseWholeNumber(separator + 1, int32Lowest, int32Highest, &value)) {
        return 0;
    }
    options->views.*flag = static_cast<int>(value);
    return 1;
}

int parseSignalOffset(const char* text, PanelOptions* options) {
    std::int64_t value = 0;
    if (!parseWholeNumber(text, int32Lowest, int32Highest, &value)) {
        return 0;
    }
    options->signalOffset = static_cast<std::int32_t>(value);
    return 1;
}
