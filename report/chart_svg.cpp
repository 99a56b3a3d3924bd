#include "chart_svg.h"

#include "base/xml_text.h"
#include "chart_display_list.h"
#include "svg_markup.h"

namespace {

constexpr const char* fontFamily =
    "system-ui, -apple-system, &apos;Segoe UI&apos;, Roboto, &apos;Helvetica Neue&apos;, Arial, "
    "sans-serif";

void appendPoint(std::string& out, const char* xName, const char* yName, ChartPoint point) {
    appendSvgAttribute(out, xName, point.x);
    appendSvgAttribute(out, yName, point.y);
}

void appendStroke(std::string& out, const ChartOp& op) {
    appendSvgColor(out, "stroke", op.color);
    appendSvgAttribute(out, "stroke-width", op.width);
    if (op.crisp) {
        out += " shape-rendering=\"crispEdges\"";
    }
}

void appendRect(std::string& out, const ChartOp& op) {
    out += "<rect";
    appendPoint(out, "x", "y", op.a);
    appendSvgAttribute(out, "width", op.b.x - op.a.x);
    appendSvgAttribute(out, "height", op.b.y - op.a.y);
    if (op.filled) {
        appendSvgColor(out, "fill", op.fill);
    } else {
        out += " fill=\"none\"";
    }
    if (op.width > 0) {
        appendStroke(out, op);
    } else if (op.crisp) {
        out += " shape-rendering=\"crispEdges\"";
    }
    out += "/>\n";
}

void appendLine(std::string& out, const ChartOp& op) {
    out += "<line";
    appendPoint(out, "x1", "y1", op.a);
    appendPoint(out, "x2", "y2", op.b);
    appendStroke(out, op);
    out += "/>\n";
}

void appendPolyline(std::string& out, const ChartDisplayList& list, const ChartOp& op) {
    out += "<polyline points=\"";
    for (std::int32_t i = 0; i < op.count; ++i) {
        const ChartPoint& point = list.points[op.first + i];
        out += i > 0 ? " " : "";
        appendSvgNumber(out, point.x);
        out += ',';
        appendSvgNumber(out, point.y);
    }
    out += "\" fill=\"none\"";
    appendStroke(out, op);
    out += " stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n";
}

// A round cap on a subpath of no length is a dot of the stroke's width.
void appendDots(std::string& out, const ChartDisplayList& list, const ChartOp& op) {
    out += "<path d=\"";
    for (std::int32_t i = 0; i < op.count; ++i) {
        const ChartPoint& point = list.points[op.first + i];
        out += 'M';
        appendSvgNumber(out, point.x);
        out += ' ';
        appendSvgNumber(out, point.y);
        out += "h0";
    }
    out += "\" fill=\"none\"";
    appendStroke(out, op);
    out += " stroke-linecap=\"round\"/>\n";
}

void appendCircle(std::string& out, const ChartOp& op) {
    out += "<circle";
    appendPoint(out, "cx", "cy", op.a);
    appendSvgAttribute(out, "r", op.radius);
    out += " fill=\"none\"";
    appendStroke(out, op);
    out += "/>\n";
}

const char* anchorOf(TextAlign align) {
    switch (align) {
        case TextAlign::middle:
            return "middle";
        case TextAlign::end:
            return "end";
        default:
            return "start";
    }
}

void appendText(std::string& out, const ChartDisplayList& list, const ChartOp& op) {
    out += "<text";
    appendPoint(out, "x", "y", op.a);
    out += " text-anchor=\"";
    out += anchorOf(op.align);
    out += '"';
    appendSvgColor(out, "fill", op.color);
    appendSvgAttribute(out, "font-size", op.fontSize);
    if (op.bold) {
        out += " font-weight=\"bold\"";
    }
    if (op.vertical) {
        out += " transform=\"rotate(-90 ";
        appendSvgNumber(out, op.a.x);
        out += ' ';
        appendSvgNumber(out, op.a.y);
        out += ")\"";
    }
    out += '>';
    appendXmlText(out, list.textOf(op).c_str());
    out += "</text>\n";
}

void appendOp(std::string& out, const ChartDisplayList& list, const ChartOp& op) {
    switch (op.kind) {
        case ChartOpKind::rect:
            appendRect(out, op);
            break;
        case ChartOpKind::line:
            appendLine(out, op);
            break;
        case ChartOpKind::polyline:
            appendPolyline(out, list, op);
            break;
        case ChartOpKind::dots:
            appendDots(out, list, op);
            break;
        case ChartOpKind::circle:
            appendCircle(out, op);
            break;
        case ChartOpKind::text:
            appendText(out, list, op);
            break;
    }
}

}  // namespace

void appendChartSvg(std::string& out, const ChartDisplayList& list, const char* label) {
    out += "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\"";
    appendSvgAttribute(out, "width", list.width);
    appendSvgAttribute(out, "height", list.height);
    out += " viewBox=\"0 0 ";
    appendSvgNumber(out, list.width);
    out += ' ';
    appendSvgNumber(out, list.height);
    out += "\" role=\"img\" aria-label=\"";
    appendXmlTextUtf8(out, label);
    out += "\">\n<g font-family=\"";
    out += fontFamily;
    out += "\">\n";
    for (std::size_t i = 0; i < list.opCount && i < ChartDisplayList::opCapacity; ++i) {
        appendOp(out, list, list.ops[i]);
    }
    out += "</g>\n</svg>\n";
}
