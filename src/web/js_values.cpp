#include "web/js_values.h"

namespace rw::web {

using emscripten::val;

val BytesValue(std::span<const uint8_t> bytes) {
    // The view aims into the module's memory; the new array is a copy that outlives it.
    const val view(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    return val::global("Uint8Array").new_(view);
}

std::vector<uint8_t> BytesOf(const val& array) {
    if (array.isUndefined() || array.isNull()) return {};
    return emscripten::convertJSArrayToNumberVector<uint8_t>(array);
}

val Strings(std::initializer_list<std::string> texts) {
    return Strings(std::vector<std::string>(texts));
}

val Strings(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) array.call<void>("push", text);
    return array;
}

std::string HexColour(uint8_t r, uint8_t g, uint8_t b) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (const uint8_t channel : {r, g, b}) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 0xF];
    }
    return text;
}

// The patterns after the bar, separated by ";": "*.bin" becomes ".bin".
std::string AcceptOf(const std::string& filter) {
    const size_t bar = filter.find('|');
    if (bar == std::string::npos) return "";
    std::string accept;
    size_t start = bar + 1;
    while (start < filter.size()) {
        size_t end = filter.find(';', start);
        if (end == std::string::npos) end = filter.size();
        std::string pattern = filter.substr(start, end - start);
        if (pattern.rfind("*", 0) == 0) pattern.erase(0, 1);
        if (!pattern.empty() && pattern != ".*") {
            if (!accept.empty()) accept += ",";
            accept += pattern;
        }
        start = end + 1;
    }
    return accept;
}

}  // namespace rw::web
