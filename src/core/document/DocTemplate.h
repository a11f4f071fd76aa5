#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/View.h"

namespace tapwright {

// The resource ids of the five document templates. All five make the FIR document; each
// opens one kind of window on it.
using TemplateId = std::int32_t;
inline constexpr TemplateId kTemplateSimple = 231;    // simple projects, "*.tws"
inline constexpr TemplateId kTemplateAdvanced = 230;  // advanced projects, "*.twa"
inline constexpr TemplateId kTemplateGraph = 236;     // impulse response and coefficient plots
inline constexpr TemplateId kTemplateFirPlot = 218;   // frequency response plots
inline constexpr TemplateId kTemplateDataView = 216;  // the coefficient text editor

// The fields of a template's document string, in their order, separated by line feeds.
enum class DocStringField {
    WindowTitle = 0,
    DocName = 1,  // what new projects are called, numbered: "Tapwright1"
    FileNewName = 2,
    FilterName = 3,       // the file dialogs' type entry: "Tapwright Simple Filter Files (*.tws)"
    FilterExtension = 4,  // ".tws"
    RegFileTypeId = 5,
    RegFileTypeName = 6,
};

// One document template: the view its frames hold and, for the two that projects are
// created and opened through, the document string.
class CDocTemplate {
public:
    CDocTemplate(TemplateId id, ViewKind view, std::string docString)
        : id_(id), view_(view), docString_(std::move(docString)) {}

    TemplateId GetId() const { return id_; }
    ViewKind GetViewKind() const { return view_; }
    const std::string& GetDocString() const { return docString_; }

    // Whether New and Open use the template; the others only open more windows.
    bool IsRegistered() const { return !docString_.empty(); }

    // A field of the document string; empty when the string has no such field.
    std::string GetDocString(DocStringField field) const {
        std::string_view rest = docString_;
        for (int index = 0; index < static_cast<int>(field); ++index) {
            const auto lineFeed = rest.find('\n');
            if (lineFeed == std::string_view::npos) {
                return {};
            }
            rest.remove_prefix(lineFeed + 1);
        }
        return std::string(rest.substr(0, rest.find('\n')));
    }

private:
    TemplateId id_;
    ViewKind view_;
    std::string docString_;
};

}  // namespace tapwright
