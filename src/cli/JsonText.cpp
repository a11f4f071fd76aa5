#include "cli/JsonText.h"

#include <cmath>
#include <cstdio>

namespace tapwright::cli {

namespace {

constexpr int kIndent = 2;

std::string NumberText(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

void Append(std::string& out, const Json& value, int depth);

void AppendNewLine(std::string& out, int depth) {
    out += '\n';
    out.append(static_cast<std::size_t>(depth * kIndent), ' ');
}

void AppendArray(std::string& out, const Json& array, int depth) {
    if (array.empty()) {
        out += "[]";
        return;
    }
    out += '[';
    bool first = true;
    for (const Json& element : array) {
        out += first ? "" : ",";
        first = false;
        AppendNewLine(out, depth + 1);
        Append(out, element, depth + 1);
    }
    AppendNewLine(out, depth);
    out += ']';
}

void AppendObject(std::string& out, const Json& object, int depth) {
    if (object.empty()) {
        out += "{}";
        return;
    }
    out += '{';
    bool first = true;
    for (const auto& [key, element] : object.items()) {
        out += first ? "" : ",";
        first = false;
        AppendNewLine(out, depth + 1);
        // The library escapes the key as it escapes every string.
        out += Json(key).dump();
        out += ": ";
        Append(out, element, depth + 1);
    }
    AppendNewLine(out, depth);
    out += '}';
}

void Append(std::string& out, const Json& value, int depth) {
    if (value.is_object()) {
        AppendObject(out, value, depth);
    } else if (value.is_array()) {
        AppendArray(out, value, depth);
    } else if (value.is_number_float()) {
        out += NumberText(value.get<double>());
    } else {
        out += value.dump();
    }
}

}  // namespace

std::string JsonText(const Json& value) {
    std::string out;
    Append(out, value, 0);
    out += '\n';
    return out;
}

}  // namespace tapwright::cli
