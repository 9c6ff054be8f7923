// The version block of Focalix.exe, read from the resource itself so that the order of the
// string table's keys shows too.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "tests/e2e/ResourceFile.h"
#include "tests/e2e/TestPaths.h"

namespace {
// One node of the version block: a key, a value (text or binary) and children.
struct VersionNode {
    std::wstring key;
    std::string_view binaryValue;
    std::wstring textValue;
    std::vector<VersionNode> children;
};

size_t Align4(size_t offset) {
    return (offset + 3) & ~size_t{3};
}

WORD WordAt(std::string_view data, size_t offset) {
    WORD value = 0;
    if (offset + 2 <= data.size())
        std::memcpy(&value, data.data() + offset, 2);
    return value;
}

std::optional<VersionNode> ParseNode(std::string_view data, size_t start) {
    const WORD length = WordAt(data, start);
    const WORD valueLength = WordAt(data, start + 2);
    const WORD type = WordAt(data, start + 4);
    if (length < 6 || start + length > data.size())
        return std::nullopt;
    const size_t end = start + length;
    VersionNode node;
    size_t offset = start + 6;
    for (WORD c; offset + 2 <= end && (c = WordAt(data, offset)) != 0; offset += 2)
        node.key += static_cast<wchar_t>(c);
    offset = Align4(offset + 2);
    const size_t valueBytes = type == 1 ? valueLength * 2u : valueLength;
    if (offset + valueBytes > end)
        return std::nullopt;
    if (type == 1) {
        for (size_t i = 0; i < valueLength; ++i)
            if (WORD c = WordAt(data, offset + 2 * i); c != 0)
                node.textValue += static_cast<wchar_t>(c);
    } else {
        node.binaryValue = data.substr(offset, valueBytes);
    }
    offset = Align4(offset + valueBytes);
    while (offset < end) {
        auto child = ParseNode(data, offset);
        if (!child)
            return std::nullopt;
        offset = Align4(offset + WordAt(data, offset));
        node.children.push_back(std::move(*child));
    }
    return node;
}

const VersionNode* Child(const VersionNode& node, const std::wstring& key) {
    for (const VersionNode& child : node.children)
        if (child.key == key)
            return &child;
    return nullptr;
}

TEST(FocalixVersion, FixedPartStringTableAndTranslation) {
    ResourceFile exe(FocalixExePath());
    ASSERT_TRUE(exe.Loaded());
    const auto block = exe.Find(RT_VERSION, 1);
    ASSERT_TRUE(block);
    const auto root = ParseNode(*block, 0);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->key, L"VS_VERSION_INFO");

    ASSERT_EQ(root->binaryValue.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, root->binaryValue.data(), sizeof(fixed));
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, 0x4u);
    EXPECT_EQ(fixed.dwFileType, 0x1u);
    EXPECT_EQ(fixed.dwFileSubtype, 0u);
    EXPECT_EQ(fixed.dwFileDateMS, 0u);
    EXPECT_EQ(fixed.dwFileDateLS, 0u);

    const VersionNode* strings = Child(*root, L"StringFileInfo");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const VersionNode& table = strings->children[0];
    EXPECT_EQ(table.key, L"040C04B0");
    const std::vector<std::pair<std::wstring, std::wstring>> expected{
        {L"CompanyName", L""},
        {L"FileDescription", L"Application MFC Focalix"},
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"InternalName", L"Focalix"},
        {L"LegalCopyright", L"*"}, // any notice
        {L"LegalTrademarks", L""},
        {L"OriginalFilename", L"Focalix.EXE"},
        {L"ProductName", L"Application Focalix"},
        {L"ProductVersion", L"1, 0, 0, 1"},
    };
    ASSERT_EQ(table.children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table.children[i].key, expected[i].first);
        if (expected[i].second == L"*") {
            EXPECT_FALSE(table.children[i].textValue.empty());
        } else {
            EXPECT_EQ(table.children[i].textValue, expected[i].second) << i;
        }
    }

    const VersionNode* variables = Child(*root, L"VarFileInfo");
    ASSERT_NE(variables, nullptr);
    const VersionNode* translation = Child(*variables, L"Translation");
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(translation->binaryValue.size(), 4u);
    EXPECT_EQ(WordAt(translation->binaryValue, 0), 0x040C);
    EXPECT_EQ(WordAt(translation->binaryValue, 2), 0x04B0);
}
} // namespace
