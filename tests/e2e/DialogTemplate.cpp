#include "tests/e2e/DialogTemplate.h"

#include <cstring>

namespace {
// Reads little-endian fields in order, remembering whether it ran past the end.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }
    template <typename T> T Read() {
        T value{};
        if (m_pos + sizeof(T) > m_size) {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }
    std::wstring ReadString() {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); m_ok && c != 0; c = Read<WCHAR>())
            text += c;
        return text;
    }
    NameOrOrdinal ReadNameOrOrdinal() {
        NameOrOrdinal field;
        const WCHAR first = Read<WCHAR>();
        if (first == 0xFFFF) {
            field.ordinal = Read<WORD>();
        } else if (first != 0) {
            field.name = first;
            field.name += ReadString();
        }
        return field;
    }
    void AlignTo(size_t boundary) { m_pos = (m_pos + boundary - 1) / boundary * boundary; }
    void Skip(size_t count) {
        m_pos += count;
        m_ok = m_ok && m_pos <= m_size;
    }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

void ReadPosition(Reader& in, short& x, short& y, short& cx, short& cy) {
    x = in.Read<short>();
    y = in.Read<short>();
    cx = in.Read<short>();
    cy = in.Read<short>();
}
} // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const void* data, size_t size) {
    Reader in(static_cast<const BYTE*>(data), size);
    DialogTemplate dialog;
    const WORD version = in.Read<WORD>();
    const WORD signature = in.Read<WORD>();
    dialog.extended = version == 1 && signature == 0xFFFF;
    WORD itemCount = 0;
    if (dialog.extended) {
        dialog.helpId = in.Read<DWORD>();
        dialog.exStyle = in.Read<DWORD>();
        dialog.style = in.Read<DWORD>();
    } else {
        // A plain template starts with the style itself.
        dialog.style = MAKELONG(version, signature);
        dialog.exStyle = in.Read<DWORD>();
    }
    itemCount = in.Read<WORD>();
    ReadPosition(in, dialog.x, dialog.y, dialog.cx, dialog.cy);
    dialog.menu = in.ReadNameOrOrdinal();
    dialog.windowClass = in.ReadNameOrOrdinal();
    dialog.caption = in.ReadString();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Read<WORD>();
        if (dialog.extended) {
            dialog.weight = in.Read<WORD>();
            dialog.italic = in.Read<BYTE>();
            dialog.charset = in.Read<BYTE>();
        }
        dialog.typeface = in.ReadString();
    }
    for (WORD i = 0; i < itemCount && in.Ok(); ++i) {
        in.AlignTo(4);
        DialogItemTemplate item;
        if (dialog.extended) {
            item.helpId = in.Read<DWORD>();
            item.exStyle = in.Read<DWORD>();
            item.style = in.Read<DWORD>();
            ReadPosition(in, item.x, item.y, item.cx, item.cy);
            item.id = in.Read<DWORD>();
        } else {
            item.style = in.Read<DWORD>();
            item.exStyle = in.Read<DWORD>();
            ReadPosition(in, item.x, item.y, item.cx, item.cy);
            item.id = in.Read<WORD>();
        }
        item.windowClass = in.ReadNameOrOrdinal();
        item.text = in.ReadNameOrOrdinal();
        item.creationDataSize = in.Read<WORD>();
        in.Skip(item.creationDataSize);
        dialog.items.push_back(item);
    }
    if (!in.Ok())
        return std::nullopt;
    return dialog;
}
