#include "panel_file.h"

#include <memory>
#include <string>

#include "panel_svg.h"

PanelInputs replayPanelInputs(const PanelOptions& options, bool logging) {
    PanelInputs inputs;
    inputs.views = options.views;
    inputs.logging = logging;
    inputs.signalOffset = options.signalOffset;
    inputs.width = options.width;
    inputs.height = options.height;
    return inputs;
}

int writePanelSvg(std::FILE* file, const ReceiverState& state, const PanelInputs& inputs) {
    const auto list = std::make_unique<PanelDisplayList>();
    buildPanelDisplayList(state, inputs, list.get());
    std::string svg;
    appendPanelSvg(svg, *list, inputs.width, inputs.height);
    const bool written = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    return written && std::fflush(file) == 0 ? 1 : 0;
}
