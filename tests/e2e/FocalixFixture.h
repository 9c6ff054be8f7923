// A test that runs the real Focalix.exe in a fresh working directory and drives its main
// window from outside with window messages. The program is always ended afterwards.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/TempDirectory.h"

inline constexpr const char* kMainCaption = "Focalix V1.05";
inline constexpr const char* kAboutCaption = "A propos de Focalix";
inline constexpr const char* kSettingsFile = "config.ini";

class FocalixFixture : public ::testing::Test {
protected:
    // Starts the program, with config.ini holding `settings` when given, and waits for its
    // main window; the test stops (fatally) if it doesn't show.
    void Start(const std::optional<std::string>& settings = std::nullopt);
    void TearDown() override { m_process.reset(); }

    HWND Control(int id) const { return GetDlgItem(m_window, id); }
    std::string Text(int id) const;
    // Replaces the text as the program itself would (WM_SETTEXT).
    void SetText(int id, const std::string& text) const;
    // Types at the end of the control's text, one WM_CHAR per character.
    void TypeAtEnd(int id, const std::string& chars) const;
    HWND Focused() const;
    std::optional<std::string> SettingsBytes() const;
    // Waits for the program to end and expects exit status 0.
    void ExpectEndsCleanly() const;

    TempDirectory m_directory;
    std::unique_ptr<ChildProcess> m_process;
    HWND m_window = nullptr;
};
