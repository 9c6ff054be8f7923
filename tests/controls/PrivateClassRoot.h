// Redirects this process's class root (HKEY_CLASSES_ROOT) to an empty private key for the
// object's lifetime, so a test sees only the associations it registers, and offers the
// recorder program that stands in for a browser.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class PrivateClassRoot {
public:
    PrivateClassRoot();
    ~PrivateClassRoot();
    PrivateClassRoot(const PrivateClassRoot&) = delete;
    PrivateClassRoot& operator=(const PrivateClassRoot&) = delete;

    bool IsActive() const { return m_active; }
    HKEY Key() const { return m_root; }

    bool SetValue(const std::string& subKey, const char* name, DWORD type, const void* data,
                  DWORD size);
    bool SetDefault(const std::string& subKey, const std::string& value);
    // ".htm" names a page class whose open command is `command`.
    void RegisterPageCommand(const std::string& command);
    // A URL scheme that the shell opens with `command`.
    void RegisterScheme(const std::string& scheme, const std::string& command);

    // The recorder's path, quoted, as a registered command starts.
    const std::string& Recorder() const { return m_recorder; }
    void ClearRecords();
    // The command lines recorded so far, once every running recorder has ended.
    std::vector<std::string> Records() const;

private:
    HKEY m_root = nullptr;
    bool m_active = false;
    std::string m_recordPath;
    std::string m_recorder;
};
