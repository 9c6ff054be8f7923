#include "controls/LinkOpening.h"

#include <shellapi.h>

#include <cstring>

#include "controls/FallbackCommand.h"
#include "controls/OpenErrorText.h"
#include "framework/WinApp.h"

namespace {
constexpr DWORD kValueBufferSize = 260;

bool IsLeadByteOfCodePage(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}
} // namespace

LONG ReadKeyDefaultValue(HKEY root, const char* subKey, char* out) {
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key);
    if (opened != ERROR_SUCCESS)
        return opened;

    // Anything but a text that fits (terminator included) reads as an empty text.
    char value[kValueBufferSize] = {};
    DWORD type = 0;
    DWORD size = sizeof value;
    const LONG read =
        RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    const bool isText = type == REG_SZ || type == REG_EXPAND_SZ;
    if (read != ERROR_SUCCESS || !isText)
        value[0] = '\0';
    else if (size == 0 || value[size - 1] != '\0') {
        if (size < sizeof value)
            value[size] = '\0';
        else
            value[0] = '\0'; // 260 bytes without a terminator: too long
    }
    std::memcpy(out, value, std::strlen(value) + 1);

    RegCloseKey(key);
    return ERROR_SUCCESS;
}

int OpenLink(const char* url, int showCommand) {
    if (url == nullptr)
        url = "";
    const int shellResult = static_cast<int>(reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", url, nullptr, nullptr, showCommand)));
    if (shellResult > 32)
        return shellResult;

    // The shell could not open it: run the browser registered for ".htm" pages.
    char command[kCommandBufferSize];
    if (ReadKeyDefaultValue(HKEY_CLASSES_ROOT, ".htm", command) != ERROR_SUCCESS)
        return shellResult;
    std::strcat(command, "\\shell\\open\\command"); // at most 259 + 19 bytes: fits
    if (ReadKeyDefaultValue(HKEY_CLASSES_ROOT, command, command) != ERROR_SUCCESS)
        return shellResult;

    const std::optional<std::string> line =
        BuildFallbackCommand(command, url, &IsLeadByteOfCodePage);
    if (!line)
        return SE_ERR_OOM; // would not fit the command buffer
    std::memcpy(command, line->c_str(), line->size() + 1);
    return static_cast<int>(WinExec(command, static_cast<UINT>(showCommand)));
}

void ShowOpenError(int code) {
    AppMessageBox(OpenErrorReport(code).c_str(), MB_ICONEXCLAMATION);
}
