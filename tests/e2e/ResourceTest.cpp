// The resources of Focalix.exe as the executable carries them, read without running it.
#include <gtest/gtest.h>

#include <set>

#include "resources/resource.h"
#include "tests/e2e/DialogTemplate.h"
#include "tests/e2e/MainForm.h"
#include "tests/e2e/ResourceFile.h"
#include "tests/e2e/TestPaths.h"

namespace {
class FocalixResources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_exe.Loaded()) << FocalixExePath(); }

    DialogTemplate Template(int id) {
        const auto bytes = m_exe.Find(RT_DIALOG, id);
        EXPECT_TRUE(bytes) << "template " << id;
        if (!bytes)
            return {};
        const auto parsed = ParseDialogTemplate(bytes->data(), bytes->size());
        EXPECT_TRUE(parsed) << "template " << id;
        return parsed.value_or(DialogTemplate{});
    }

    ResourceFile m_exe{FocalixExePath()};
};

NameOrOrdinal Ordinal(WORD value) {
    return {value, {}};
}
NameOrOrdinal Text(const wchar_t* value) {
    return {0, value};
}

TEST_F(FocalixResources, EveryResourceIsFrenchAndThereIsNoMenuOrAccelerator) {
    const std::vector<ResourceEntry> all = m_exe.All();
    std::set<std::string> types;
    for (const ResourceEntry& entry : all) {
        EXPECT_EQ(entry.language, kFrench) << entry.type << " " << entry.name;
        types.insert(entry.type);
    }
    // icons, group icon, dialogs, strings, version
    EXPECT_EQ(types, (std::set<std::string>{"#3", "#14", "#5", "#6", "#16"}));
}

TEST_F(FocalixResources, MainTemplateFrame) {
    const DialogTemplate dialog = Template(IDD_MAIN);
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(dialog.helpId, 0u);
    EXPECT_EQ(dialog.style, 0x90CA00C0u);
    EXPECT_EQ(dialog.exStyle, 0x00040000u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 320);
    EXPECT_EQ(dialog.cy, 277);
    EXPECT_EQ(dialog.menu, NameOrOrdinal{});
    EXPECT_EQ(dialog.windowClass, NameOrOrdinal{});
    EXPECT_EQ(dialog.caption, L"Focalix V1.05");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, 1);
    EXPECT_EQ(dialog.typeface, L"MS Sans Serif");
}

TEST_F(FocalixResources, MainTemplateItems) {
    const DialogTemplate dialog = Template(IDD_MAIN);
    const auto& expected = MainFormItems();
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        const DialogItemTemplate& item = dialog.items[i];
        const FormItem& want = expected[i];
        EXPECT_EQ(item.windowClass, Ordinal(want.classOrdinal));
        EXPECT_EQ(item.id, static_cast<DWORD>(want.id)); // -1 is 0xFFFFFFFF here
        EXPECT_EQ(item.text, Text(want.text));
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.style, want.style) << std::hex << item.style;
        EXPECT_EQ(item.exStyle, want.exStyle) << std::hex << item.exStyle;
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.creationDataSize, 0);
    }
}

TEST_F(FocalixResources, MainTemplateTextsThatNeedCare) {
    const DialogTemplate dialog = Template(IDD_MAIN);
    ASSERT_EQ(dialog.items.size(), 46u);
    EXPECT_EQ(dialog.items[31].text.name,
              L"Pour le ciel profond" + std::wstring(13, L' ') + L"(en mm)");
    EXPECT_EQ(dialog.items[32].text.name,
              L"Pour le planétaire" + std::wstring(10, L' ') + L"(en mm)");
    EXPECT_EQ(dialog.items[40].text.name.substr(0, 9), L"Largueur ");
    const std::wstring& note = dialog.items[33].text.name;
    EXPECT_EQ(note.size(), 157u);
    EXPECT_EQ(note.back(), L' ');
    EXPECT_NE(note.find(L"1.5\" et 2.5\"."), std::wstring::npos);
    EXPECT_EQ(dialog.items[19].text.name, L"Largeur du pixel (en \u00B5m)");
    EXPECT_EQ(dialog.items[16].text.name, L"Caract\u00E9ristiques du capteur CCD");
}

TEST_F(FocalixResources, AboutTemplate) {
    const DialogTemplate dialog = Template(IDD_ABOUT);
    EXPECT_EQ(dialog.style, 0x80C800C0u);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 235);
    EXPECT_EQ(dialog.cy, 55);
    EXPECT_EQ(dialog.menu, NameOrOrdinal{});
    EXPECT_EQ(dialog.windowClass, NameOrOrdinal{});
    EXPECT_EQ(dialog.caption, L"A propos de Focalix");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, L"MS Sans Serif");

    struct AboutItem {
        WORD classOrdinal;
        WORD id;
        NameOrOrdinal text;
        short x, y, cx, cy;
        DWORD style;
    };
    const AboutItem expected[] = {
        {kStatic, 0xFFFF, Ordinal(IDI_MAIN), 11, 17, 20, 20, 0x50000003},
        {kStatic, 0xFFFF, Text(L"Focalix version 1.0"), 40, 10, 119, 8, 0x50020080},
        {kStatic, 0xFFFF, {}, 40, 25, 119, 8, 0x50020000}, // the notice: any text
        {kButton, IDOK, Text(L"OK"), 178, 7, 50, 14, 0x50030001},
    };
    ASSERT_EQ(dialog.items.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        const DialogItemTemplate& item = dialog.items[i];
        EXPECT_EQ(item.windowClass, Ordinal(expected[i].classOrdinal));
        EXPECT_EQ(item.id, expected[i].id);
        if (i != 2) {
            EXPECT_EQ(item.text, expected[i].text);
        } else {
            EXPECT_FALSE(item.text.name.empty());
        }
        EXPECT_EQ(item.x, expected[i].x);
        EXPECT_EQ(item.y, expected[i].y);
        EXPECT_EQ(item.cx, expected[i].cx);
        EXPECT_EQ(item.cy, expected[i].cy);
        EXPECT_EQ(item.style, expected[i].style) << std::hex << item.style;
        EXPECT_EQ(item.exStyle, 0u);
    }
}

TEST_F(FocalixResources, Strings) {
    EXPECT_EQ(m_exe.String(IDS_ABOUT_MENU), L"&A propos de Focalix...");
    EXPECT_EQ(m_exe.String(IDS_SOCKETS_FAILED), L"Echec de l'initialisation des sockets Windows.");
}

#pragma pack(push, 1)
struct IconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

TEST_F(FocalixResources, IconHasA32And16PixelImageOf16Colours) {
    const auto group = m_exe.Find(RT_GROUP_ICON, IDI_MAIN);
    ASSERT_TRUE(group);
    ASSERT_GE(group->size(), 6u);
    const auto* header = reinterpret_cast<const WORD*>(group->data());
    EXPECT_EQ(header[1], 1); // icons, not cursors
    ASSERT_EQ(header[2], 2);
    ASSERT_EQ(group->size(), 6 + 2 * sizeof(IconGroupEntry));
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group->data() + 6);
    std::set<int> sizes;
    for (int i = 0; i < 2; ++i) {
        const IconGroupEntry& entry = entries[i];
        SCOPED_TRACE("image " + std::to_string(i));
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.colourCount, 16);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitCount, 4);
        sizes.insert(entry.width);
        const auto image = m_exe.Find(RT_ICON, entry.id);
        ASSERT_TRUE(image);
        ASSERT_GE(image->size(), sizeof(BITMAPINFOHEADER));
        const auto* bitmap = reinterpret_cast<const BITMAPINFOHEADER*>(image->data());
        EXPECT_EQ(bitmap->biWidth, entry.width);
        EXPECT_EQ(bitmap->biHeight, 2 * entry.width); // colour bits and transparency mask
        EXPECT_EQ(bitmap->biBitCount, 4);
        EXPECT_EQ(bitmap->biPlanes, 1);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}
} // namespace
