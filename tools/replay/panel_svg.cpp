#include "panel_svg.h"

#include "base/xml_text.h"
#include "base64.h"
#include "report/svg_markup.h"
#include "sky_picture.h"
#include "ui/panel_display_list.h"
#include "ui/panel_text_fit.h"

namespace {

// Baseline of a line of text below the top of its box: the panel font's
// ascent is about its character height.
constexpr int textBaseline = panelFontLargestPx;

void appendPlace(std::string& out, const PanelBox& box) {
    appendSvgAttribute(out, "x", box.left);
    appendSvgAttribute(out, "y", box.top);
    appendSvgAttribute(out, "width", box.right - box.left);
    appendSvgAttribute(out, "height", box.bottom - box.top);
}

void appendFill(std::string& out, const DrawOp& op) {
    out += "<rect";
    appendPlace(out, op.box);
    appendSvgColor(out, "fill", op.color);
    out += " shape-rendering=\"crispEdges\"/>\n";
}

// The 2-pixel outline lies inside the box, as the program's pen draws it.
void appendEllipse(std::string& out, const DrawOp& op) {
    const PanelBox& box = op.box;
    const std::int64_t width = box.right - box.left;
    const std::int64_t height = box.bottom - box.top;
    out += "<ellipse cx=\"";
    appendSvgHalf(out, box.left + box.right);
    out += "\" cy=\"";
    appendSvgHalf(out, box.top + box.bottom);
    out += "\" rx=\"";
    appendSvgHalf(out, width > 2 ? width - 2 : 0);
    out += "\" ry=\"";
    appendSvgHalf(out, height > 2 ? height - 2 : 0);
    out += '"';
    appendSvgColor(out, "fill", panelWhite);
    appendSvgColor(out, "stroke", op.color);
    out += " stroke-width=\"2\"/>\n";
}

// A viewport of its own clips each text to its box.
void appendText(std::string& out, const DrawOp& op) {
    out += "<svg";
    appendPlace(out, op.box);
    out += " overflow=\"hidden\"><text";
    if (op.placement == TextPlacement::centredTop) {
        out += " x=\"";
        appendSvgHalf(out, op.box.right - op.box.left);
        out += "\" text-anchor=\"middle\"";
    } else {
        out += " x=\"0\"";
    }
    appendSvgAttribute(out, "y", textBaseline);
    appendSvgColor(out, "fill", op.color);
    out += '>';
    appendXmlText(out, op.text.c_str());
    out += "</text></svg>\n";
}

void appendSkyPicture(std::string& out, const DrawOp& op) {
    std::string uri = "data:image/bmp;base64,";
    appendBase64(uri, skyPictureBmp, skyPictureBmpSize);
    out += "<image";
    appendSvgAttribute(out, "x", op.box.left);
    appendSvgAttribute(out, "y", op.box.top);
    appendSvgAttribute(out, "width", skyPictureSize);
    appendSvgAttribute(out, "height", skyPictureSize);
    out += " preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\"";
    out +=
        " style=\"image-rendering:pixelated\" href=\"" + uri + "\" xlink:href=\"" + uri + "\"/>\n";
}

void appendOp(std::string& out, const DrawOp& op) {
    switch (op.kind) {
        case DrawKind::fillBox:
            appendFill(out, op);
            break;
        case DrawKind::ellipse:
            appendEllipse(out, op);
            break;
        case DrawKind::text:
            appendText(out, op);
            break;
        case DrawKind::skyPicture:
            appendSkyPicture(out, op);
            break;
    }
}

}  // namespace

void appendPanelSvg(std::string& out, const PanelDisplayList& list, std::int32_t width,
                    std::int32_t height) {
    const std::int64_t w = width > 0 ? width : 0;
    const std::int64_t h = height > 0 ? height : 0;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
    appendSvgAttribute(out, "width", w);
    appendSvgAttribute(out, "height", h);
    out += " viewBox=\"0 0 ";
    appendSvgNumber(out, w);
    out += ' ';
    appendSvgNumber(out, h);
    out += "\">\n<g font-family=\"";
    out += panelFontFace;
    out += ", sans-serif\" font-size=\"";
    appendSvgNumber(out, panelFontLargestPx);
    out += "px\" xml:space=\"preserve\">\n";
    for (std::size_t i = 0; i < list.count && i < PanelDisplayList::capacity; ++i) {
        appendOp(out, list.ops[i]);
    }
    out += "</g>\n</svg>\n";
}
