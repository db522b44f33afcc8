// Walks the DLGTEMPLATEEX layout: a header, optional font, then DWORD-aligned items.
#include "dialog_template.h"

#include <cstring>

namespace cordwain::test {
namespace {

// Bounds-checked reading of the template's little-endian fields; any overrun marks it failed.
class TemplateCursor {
public:
    TemplateCursor(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Failed() const { return m_failed; }

    template <typename T>
    T Read() {
        T value{};
        if (m_pos + sizeof(T) > m_size) {
            m_failed = true;
            return value;
        }
        std::memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    // A zero-terminated UTF-16 string; the program's texts are ASCII, others show as '?'.
    std::string ReadString() {
        std::string text;
        for (;;) {
            const auto unit = Read<WORD>();
            if (m_failed || unit == 0) return text;
            text += unit < 0x80 ? static_cast<char>(unit) : '?';
        }
    }

    std::string ReadNameOrOrdinal() {
        const auto first = Read<WORD>();
        if (m_failed || first == 0) return {};
        if (first == 0xFFFF) return "#" + std::to_string(Read<WORD>());
        m_pos -= sizeof(WORD);
        return ReadString();
    }

    void Skip(size_t bytes) {
        if (m_pos + bytes > m_size) m_failed = true;
        m_pos += bytes;
    }

    void AlignToDword() { m_pos = (m_pos + 3) & ~size_t{3}; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_failed = false;
};

std::string PredefinedClassName(const std::string& name) {
    static const struct { const char* ordinal; const char* name; } kClasses[] = {
        {"#128", "Button"}, {"#129", "Edit"},      {"#130", "Static"},
        {"#131", "ListBox"}, {"#132", "ScrollBar"}, {"#133", "ComboBox"},
    };
    for (const auto& entry : kClasses) {
        if (name == entry.ordinal) return entry.name;
    }
    return name;
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, int templateId) {
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    if (!found) return std::nullopt;
    const HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    if (!bytes) return std::nullopt;
    TemplateCursor cursor(bytes, SizeofResource(module, found));

    const auto version = cursor.Read<WORD>();
    const auto signature = cursor.Read<WORD>();
    if (version != 1 || signature != 0xFFFF) return std::nullopt;

    DialogTemplate dialog;
    cursor.Read<DWORD>();  // help id
    dialog.exStyle = cursor.Read<DWORD>();
    dialog.style = cursor.Read<DWORD>();
    const auto itemCount = cursor.Read<WORD>();
    dialog.x = cursor.Read<short>();
    dialog.y = cursor.Read<short>();
    dialog.cx = cursor.Read<short>();
    dialog.cy = cursor.Read<short>();
    dialog.menu = cursor.ReadNameOrOrdinal();
    dialog.className = cursor.ReadNameOrOrdinal();
    dialog.caption = cursor.ReadString();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = cursor.Read<WORD>();
        cursor.Read<WORD>();  // weight
        cursor.Read<BYTE>();  // italic
        cursor.Read<BYTE>();  // character set
        dialog.typeface = cursor.ReadString();
    }

    for (WORD i = 0; i < itemCount && !cursor.Failed(); ++i) {
        cursor.AlignToDword();
        TemplateItem item;
        cursor.Read<DWORD>();  // help id
        item.exStyle = cursor.Read<DWORD>();
        item.style = cursor.Read<DWORD>();
        item.x = cursor.Read<short>();
        item.y = cursor.Read<short>();
        item.cx = cursor.Read<short>();
        item.cy = cursor.Read<short>();
        item.id = static_cast<int>(cursor.Read<DWORD>());
        item.className = PredefinedClassName(cursor.ReadNameOrOrdinal());
        item.text = cursor.ReadNameOrOrdinal();
        cursor.Skip(cursor.Read<WORD>());  // creation data
        dialog.items.push_back(item);
    }
    if (cursor.Failed()) return std::nullopt;
    return dialog;
}

}  // namespace cordwain::test
