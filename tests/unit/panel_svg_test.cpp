#include "panel_svg.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "base64.h"
#include "sky_picture.h"
#include "ui/panel_display_list.h"

namespace {

DrawOp op(DrawKind kind, PanelBox box, PanelColor color, const char16_t* text = u"",
          TextPlacement placement = TextPlacement::topLeft) {
    DrawOp drawn;
    drawn.kind = kind;
    drawn.box = box;
    drawn.color = color;
    drawn.placement = placement;
    drawn.text.assign(text);
    return drawn;
}

std::string fileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(PanelSvg, EveryOperationBecomesOneElementInListOrder) {
    auto list = std::make_unique<PanelDisplayList>();
    const DrawOp ops[] = {
        op(DrawKind::fillBox, {0, 0, 994, 378}, panelWhite),
        op(DrawKind::text, {165, 5, 200, 25}, panelBlack, u"Date:"),
        op(DrawKind::skyPicture, {0, 0, 155, 155}, panelBlack),
        op(DrawKind::fillBox, {382, 14, 400, 40}, panelBlue),
        op(DrawKind::ellipse, {66, 68, 88, 86}, panelGreen),
        op(DrawKind::ellipse, {-21, 68, 0, 87}, panelRed),  // odd sizes: half pixels
        op(DrawKind::text, {66, 68, 89, 86}, 0x00FFFF, u"<&'>", TextPlacement::centredTop),
        op(DrawKind::text, {382, 25, 407, 40}, panelMagenta, u"-7"),
    };
    for (const DrawOp& drawn : ops) {
        list->ops[list->count++] = drawn;
    }
    std::string svg = "kept|";
    appendPanelSvg(svg, *list, 994, 378);

    std::string uri = "data:image/bmp;base64,";
    appendBase64(uri, skyPictureBmp, skyPictureBmpSize);
    const std::string expected =
        "kept|<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
        "width=\"994\" height=\"378\" viewBox=\"0 0 994 378\">\n"
        "<g font-family=\"Tahoma, sans-serif\" font-size=\"10px\" "
        "xml:space=\"preserve\">\n"
        "<rect x=\"0\" y=\"0\" width=\"994\" height=\"378\" fill=\"#ffffff\" "
        "shape-rendering=\"crispEdges\"/>\n"
        "<svg x=\"165\" y=\"5\" width=\"35\" height=\"20\" overflow=\"hidden\">"
        "<text x=\"0\" y=\"10\" fill=\"#000000\">Date:</text></svg>\n"
        "<image x=\"0\" y=\"0\" width=\"155\" height=\"155\" preserveAspectRatio=\"none\" "
        "image-rendering=\"optimizeSpeed\" style=\"image-rendering:pixelated\" href=\"" +
        uri + "\" xlink:href=\"" + uri +
        "\"/>\n"
        "<rect x=\"382\" y=\"14\" width=\"18\" height=\"26\" fill=\"#0000ff\" "
        "shape-rendering=\"crispEdges\"/>\n"
        "<ellipse cx=\"77\" cy=\"77\" rx=\"10\" ry=\"8\" fill=\"#ffffff\" stroke=\"#00ff00\" "
        "stroke-width=\"2\"/>\n"
        "<ellipse cx=\"-10.5\" cy=\"77.5\" rx=\"9.5\" ry=\"8.5\" fill=\"#ffffff\" "
        "stroke=\"#ff0000\" stroke-width=\"2\"/>\n"
        "<svg x=\"66\" y=\"68\" width=\"23\" height=\"18\" overflow=\"hidden\">"
        "<text x=\"11.5\" text-anchor=\"middle\" y=\"10\" fill=\"#00ffff\">"
        "&lt;&amp;&apos;&gt;</text></svg>\n"
        "<svg x=\"382\" y=\"25\" width=\"25\" height=\"15\" overflow=\"hidden\">"
        "<text x=\"0\" y=\"10\" fill=\"#ff00ff\">-7</text></svg>\n"
        "</g>\n</svg>\n";
    EXPECT_EQ(svg, expected);
}

TEST(PanelSvg, CarriesTheSkyPictureAndNeedsNoFile) {
    const std::string picture = fileBytes(SKYVANE_SOURCE_DIR "/res/sky.bmp");
    ASSERT_EQ(picture.size(), skyPictureBmpSize);
    EXPECT_EQ(picture,
              std::string(reinterpret_cast<const char*>(skyPictureBmp), skyPictureBmpSize));

    auto list = std::make_unique<PanelDisplayList>();
    std::string svg;
    appendPanelSvg(svg, *list, -3, 0);
    EXPECT_NE(svg.find("width=\"0\" height=\"0\" viewBox=\"0 0 0 0\""), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
}

}  // namespace
