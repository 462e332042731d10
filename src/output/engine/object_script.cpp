// Running a text object's assignments.
#include "output/engine/object_script.h"

#include <charconv>
#include <optional>

namespace {

std::string ValueText(const ReportValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* number = std::get_if<int64_t>(&value))
        return std::to_string(*number);
    return "";
}

std::optional<double> ValueNumber(const ReportValue& value) {
    if (const auto* number = std::get_if<int64_t>(&value))
        return double(*number);
    const auto* text = std::get_if<std::string>(&value);
    if (!text || text->empty())
        return std::nullopt;
    double result = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, result);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return result;
}

std::optional<TextAlign> ValueAlign(const ReportValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (*text == "taLeftJustify")
            return TextAlign::Left;
        if (*text == "taCenter")
            return TextAlign::Center;
        if (*text == "taRightJustify")
            return TextAlign::Right;
    }
    // Integers in the order of the alignment names' type: left, right, centre.
    if (const auto* number = std::get_if<int64_t>(&value)) {
        if (*number == 1)
            return TextAlign::Right;
        if (*number == 2)
            return TextAlign::Center;
        return TextAlign::Left;
    }
    return std::nullopt;
}

// The source of an assignment: an integer literal or the callback's value of a variable.
ReportValue SourceValue(const std::string& source, const ReportCallbacks& callbacks) {
    int64_t literal = 0;
    const char* end = source.data() + source.size();
    auto [ptr, ec] = std::from_chars(source.data(), end, literal);
    if (ec == std::errc() && ptr == end)
        return literal;
    return callbacks.GetValue ? callbacks.GetValue(source) : ReportValue{};
}

void Assign(TextProps& props, const std::string& target, const ReportValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return;
    if (target == "Text") {
        props.text = ValueText(value);
    } else if (target == "FontName") {
        if (std::string name = ValueText(value); !name.empty())
            props.fontName = name;
    } else if (target == "Alignment") {
        if (auto align = ValueAlign(value))
            props.alignment = *align;
    } else if (auto number = ValueNumber(value)) {
        const double n = *number;
        if (target == "width" && n >= 0)
            props.width = n;
        else if (target == "left")
            props.left = n;
        else if (target == "top")
            props.top = n;
        else if (target == "height" && n >= 0)
            props.height = n;
        else if (target == "Stretched")
            props.stretched = n != 0;
        else if (target == "visible")
            props.visible = n != 0;
        else if (target == "framewidth" && n >= 0)
            props.frameWidth = n;
        else if (target == "FontSize" && n > 0)
            props.fontSize = n;
        else if (target == "FontStyle")
            props.fontStyle = int(n) & (kFontItalic | kFontBold);
    }
}

}  // namespace

std::string ExpandText(const std::string& text, const ReportCallbacks& callbacks) {
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find('[', pos);
        const size_t close = open == std::string::npos ? open : text.find(']', open);
        if (close == std::string::npos) {
            out.append(text, pos);
            break;
        }
        out.append(text, pos, open - pos);
        const std::string name = text.substr(open + 1, close - open - 1);
        if (name == "PAGE#")
            out += kPageNumberMarker;
        else if (callbacks.GetValue)
            out += ValueText(callbacks.GetValue(name));
        pos = close + 1;
    }
    return out;
}

TextProps EvaluateObject(const TextObject& object, const ReportCallbacks& callbacks) {
    TextProps props = object.props;
    props.text = ExpandText(props.text, callbacks);
    for (const Assignment& assignment : object.script)
        Assign(props, assignment.target, SourceValue(assignment.source, callbacks));
    return props;
}
