// Typing into the window: every keystroke recomputes at once, through the cascade from the
// sampling outputs to the object sizes; the pixel-count inputs take digits only.
#include "resources/resource.h"
#include "tests/e2e/FocalixFixture.h"

namespace {
class Typing : public FocalixFixture {
protected:
    void SetUp() override { Start(); }
};

TEST_F(Typing, EachKeystrokeInTheFocalLengthRecomputes) {
    TypeAtEnd(IDC_FOCAL, "0"); // 12500 mm
    EXPECT_EQ(Text(IDC_FOCAL), "12500");
    EXPECT_EQ(Text(IDC_FIELD_LENGTH), "1.89'");
    EXPECT_EQ(Text(IDC_FIELD_WIDTH), "1.26'");
    EXPECT_EQ(Text(IDC_SAMPLING_LENGTH), "0.15''/pixel");
    EXPECT_EQ(Text(IDC_FOCAL_RATIO), "138.89");
    EXPECT_EQ(Text(IDC_RESOLVING_POWER), "1.33''");
    EXPECT_EQ(Text(IDC_FOCAL_DEEP_SKY), "738-1230"); // the telescope plays no part

    TypeAtEnd(IDC_FOCAL, "\b"); // back to 1250
    EXPECT_EQ(Text(IDC_FIELD_LENGTH), "18.89'");
    EXPECT_EQ(Text(IDC_FOCAL_RATIO), "13.89");
}

TEST_F(Typing, ObjectSizesFollowTheirInputAndTheSamplingCascade) {
    TypeAtEnd(IDC_OBJECT_LENGTH, "1");
    EXPECT_EQ(Text(IDC_OBJECT_PIXELS_LENGTH), "41");
    TypeAtEnd(IDC_OBJECT_LENGTH, "0");
    EXPECT_EQ(Text(IDC_OBJECT_PIXELS_LENGTH), "407");
    TypeAtEnd(IDC_OBJECT_WIDTH, "8");
    EXPECT_EQ(Text(IDC_OBJECT_PIXELS_WIDTH), "325");

    // A new focal length rewrites the samplings, which recompute both object sizes from
    // the unchanged 10 and 8 arc minutes.
    TypeAtEnd(IDC_FOCAL, "0");
    EXPECT_EQ(Text(IDC_OBJECT_PIXELS_LENGTH), "4065");
    EXPECT_EQ(Text(IDC_OBJECT_PIXELS_WIDTH), "3252");
    // 1249 mm gives the same sampling text and still moves the object length.
    SetText(IDC_FOCAL, "1249");
    EXPECT_EQ(Text(IDC_SAMPLING_LENGTH), "1.48''/pixel");
    EXPECT_EQ(Text(IDC_OBJECT_PIXELS_LENGTH), "406");

    // Emptying the object length keeps its last result.
    SetText(IDC_OBJECT_LENGTH, "");
    EXPECT_EQ(Text(IDC_OBJECT_PIXELS_LENGTH), "406");
}

TEST_F(Typing, PixelCountInputsRefuseAnythingButDigits) {
    for (int id : {IDC_PIXELS_LENGTH, IDC_PIXELS_WIDTH}) {
        const std::string before = Text(id);
        TypeAtEnd(id, "a-. ,e");
        EXPECT_EQ(Text(id), before) << "control " << id;
        TypeAtEnd(id, "5");
        EXPECT_EQ(Text(id), before + "5") << "control " << id;
    }
    // The other inputs take any character; the number ends where the text stops being one.
    TypeAtEnd(IDC_PIXEL_SIZE_LENGTH, ",4");
    EXPECT_EQ(Text(IDC_PIXEL_SIZE_LENGTH), "9,4");
    EXPECT_EQ(Text(IDC_SAMPLING_LENGTH), "1.48''/pixel");
}

TEST_F(Typing, ClearingTheFocalLengthKeepsTheLastResults) {
    SetText(IDC_FOCAL, "");
    EXPECT_EQ(Text(IDC_FIELD_LENGTH), "18.89'");
    EXPECT_EQ(Text(IDC_SAMPLING_WIDTH), "1.48''/pixel");
    EXPECT_EQ(Text(IDC_FOCAL_RATIO), "13.89");
    EXPECT_EQ(Text(IDC_RESOLVING_POWER), "1.33''");
}

TEST_F(Typing, DeletingTheFocalLengthKeyByKeyLeavesTheResultsFor1mm) {
    TypeAtEnd(IDC_FOCAL, "\b\b\b\b");
    EXPECT_EQ(Text(IDC_FOCAL), "");
    EXPECT_EQ(Text(IDC_FIELD_LENGTH), "393.600\xB0");
    EXPECT_EQ(Text(IDC_FOCAL_RATIO), "0.01");
}
} // namespace
