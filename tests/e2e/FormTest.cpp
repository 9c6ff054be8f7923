// The running main window's 46 items read back: class, number, text, styles and place,
// against the form's table; and the order in which Tab visits the inputs.
#include <cstring>
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/FocalixFixture.h"
#include "tests/e2e/MainForm.h"
#include "tests/e2e/ResourceFile.h"
#include "tests/e2e/TestPaths.h"
#include "tests/e2e/WindowQueries.h"

namespace {
// Converts dialog units to pixels exactly as the dialog manager does for the main window:
// through a hidden copy of its own template in this process, same font and all.
class DialogUnits {
public:
    DialogUnits() {
        ResourceFile exe(FocalixExePath());
        const auto bytes = exe.Find(RT_DIALOG, IDD_MAIN);
        if (!bytes || bytes->size() < 16)
            return;
        std::vector<DWORD> copy((bytes->size() + 3) / 4);
        std::memcpy(copy.data(), bytes->data(), bytes->size());
        copy[3] &= ~WS_VISIBLE; // the extended template's style field
        m_dialog = CreateDialogIndirectParamA(
            GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), nullptr,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    }
    ~DialogUnits() {
        if (m_dialog != nullptr)
            DestroyWindow(m_dialog);
    }
    bool Ok() const { return m_dialog != nullptr; }
    // Place and size convert apart, as the dialog manager converts them, so the right
    // edge is not always the converted x + cx.
    RECT ToPixels(short x, short y, short cx, short cy) const {
        RECT rect{x, y, cx, cy};
        MapDialogRect(m_dialog, &rect);
        return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
    }

private:
    HWND m_dialog = nullptr;
};

RECT ClientRectOfChild(HWND dialog, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string ExpectedClassName(WORD ordinal) {
    return ordinal == kButton ? "BUTTON" : ordinal == kEdit ? "EDIT" : "STATIC";
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

class Form : public FocalixFixture {
protected:
    void SetUp() override { Start(); }
};

TEST_F(Form, ItemsReadBackAsTheTableGivesThem) {
    const std::vector<HWND> children = ChildWindows(m_window);
    const auto& expected = MainFormItems();
    DialogUnits units;
    ASSERT_TRUE(units.Ok());
    // Children in Z order; the link label's tool tip is a pop-up, not a child.
    ASSERT_EQ(children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const FormItem& want = expected[i];
        const HWND child = children[i];
        SCOPED_TRACE("item " + std::to_string(i + 1));
        EXPECT_EQ(Upper(ClassName(child)), ExpectedClassName(want.classOrdinal));
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(want.id));
        const bool isEdit = want.classOrdinal == kEdit;
        if (!isEdit) { // the edits hold values and results by now
            EXPECT_EQ(WindowTextW(child), want.text);
        }

        const RECT place = ClientRectOfChild(m_window, child);
        const RECT wantPlace = units.ToPixels(want.x, want.y, want.cx, want.cy);
        EXPECT_EQ(place.left, wantPlace.left);
        EXPECT_EQ(place.top, wantPlace.top);
        if (want.id == IDC_UPDATE_LINK)
            continue; // the link label fits its size to its text and adds to its style
        EXPECT_EQ(place.right, wantPlace.right);
        EXPECT_EQ(place.bottom, wantPlace.bottom);

        // The running controls keep the template's styles, except that an edit control's
        // border becomes a sunken client edge.
        DWORD wantStyle = want.style;
        DWORD wantExStyle = want.exStyle;
        if (want.classOrdinal == kEdit && (wantStyle & WS_BORDER)) {
            wantStyle &= ~WS_BORDER;
            wantExStyle |= WS_EX_CLIENTEDGE;
        }
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE));
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_EXSTYLE));
        EXPECT_EQ(style, wantStyle) << std::hex << style;
        EXPECT_EQ(exStyle & ~WS_EX_NOPARENTNOTIFY, wantExStyle) << std::hex << exStyle;
    }
}

TEST_F(Form, OutputsCanNeitherBeFocusedNorTyped) {
    for (int id = IDC_FOCAL_RATIO; id <= IDC_OBJECT_PIXELS_WIDTH; ++id) {
        if (id == IDC_OBJECT_LENGTH || id == IDC_OBJECT_WIDTH)
            continue;
        EXPECT_FALSE(IsWindowEnabled(Control(id))) << id;
    }
    EXPECT_FALSE(IsWindowVisible(Control(IDCANCEL)));
}

TEST_F(Form, TabVisitsTheInputsAndSortieThenComesBack) {
    ASSERT_EQ(Focused(), Control(IDC_PIXELS_LENGTH));
    for (int id : kTabOrder) {
        const HWND before = Focused();
        PostKeyPress(before, VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return Focused() != before; })) << "towards " << id;
        EXPECT_EQ(GetDlgCtrlID(Focused()), id);
    }
}
} // namespace
