#include "tests/e2e/FocalixFixture.h"

#include "tests/e2e/TestPaths.h"
#include "tests/e2e/WindowQueries.h"

void FocalixFixture::Start(const std::optional<std::string>& settings) {
    ASSERT_FALSE(m_directory.Path().empty());
    if (settings) {
        ASSERT_TRUE(WriteFileBytes(m_directory.File(kSettingsFile), *settings));
    }
    m_process = std::make_unique<ChildProcess>(FocalixExePath(), m_directory.Path());
    ASSERT_TRUE(m_process->Started()) << FocalixExePath();
    m_window = m_process->WaitForWindow(kMainCaption);
    ASSERT_NE(m_window, nullptr) << "the main window didn't show";
    // The focus lands once the dialog manager is done with the initialisation.
    WaitUntil([&] { return Focused() != nullptr; });
}

std::string FocalixFixture::Text(int id) const {
    return WindowTextA(Control(id));
}

void FocalixFixture::SetText(int id, const std::string& text) const {
    SetWindowTextTo(m_window, id, text);
}

void FocalixFixture::TypeAtEnd(int id, const std::string& chars) const {
    const HWND edit = Control(id);
    const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(edit, EM_SETSEL, length, length);
    TypeChars(edit, chars);
}

HWND FocalixFixture::Focused() const {
    return FocusedWindow(m_process->ThreadId());
}

std::optional<std::string> FocalixFixture::SettingsBytes() const {
    return ReadFileBytes(m_directory.File(kSettingsFile));
}

void FocalixFixture::ExpectEndsCleanly() const {
    DWORD exitCode = 1;
    ASSERT_TRUE(m_process->WaitForExit(&exitCode)) << "the program is still running";
    EXPECT_EQ(exitCode, 0u);
}
