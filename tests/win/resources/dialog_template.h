// Reads an extended dialog template from a module's resources, so tests can check what the
// resource script actually produced: styles, positions and texts exactly as stored.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace cordwain::test {

// A name-or-ordinal field of a template; ordinals read as "#<number>".
// Predefined control classes are stored as ordinals and read back as their names ("Button").
struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className;
    std::string text;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;       // empty when the dialog has no menu
    std::string className;  // empty for the standard dialog class
    std::string caption;
    int pointSize = 0;      // font fields are present only with DS_SETFONT
    std::string typeface;
    std::vector<TemplateItem> items;
};

// Empty when the resource is missing, is not an extended template, or is cut short.
std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, int templateId);

}  // namespace cordwain::test
