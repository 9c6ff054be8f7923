// The sampling calculator against an in-memory FormAccess that records every call and
// routes the change notifications as the main window's controller does.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "RecordingForm.h"
#include "calc/SamplingCalculator.h"
#include "resources/resource.h"

namespace {

const std::string kDegree = "\xB0";

class Calculator : public ::testing::Test {
protected:
    // The window opens: six inputs at 0, samplings unset, every control empty.
    OpticsState state{};
    RecordingForm form{state};

    // The worked example's inputs in the order in which the settings arrive, except the focal
    // length; then the object sizes 10 and 8 are typed (their samplings are still unset).
    void TypeExampleWithoutFocal() {
        form.Type(IDC_PIXELS_LENGTH, "768");
        form.Type(IDC_PIXELS_WIDTH, "512");
        form.Type(IDC_PIXEL_SIZE_LENGTH, "9");
        form.Type(IDC_PIXEL_SIZE_WIDTH, "9");
        form.Type(IDC_DIAMETER, "90");
        form.Type(IDC_OBJECT_LENGTH, "10");
        form.Type(IDC_OBJECT_WIDTH, "8");
    }

    void TypeExample() {
        TypeExampleWithoutFocal();
        form.Type(IDC_FOCAL, "1250");
    }

    // Every text written since the log was last cleared is at most 49 characters long.
    void ExpectBoundedTexts() const {
        for (const FormCall& call : form.calls) {
            if (call.kind == FormCall::Kind::Set) {
                EXPECT_LE(call.text.size(), 49u) << call;
            }
        }
    }

    std::vector<FormCall> SetsOf(int controlId) const {
        std::vector<FormCall> sets;
        for (const FormCall& call : form.calls) {
            if (call.kind == FormCall::Kind::Set && call.controlId == controlId) {
                sets.push_back(call);
            }
        }
        return sets;
    }
};

// The calls that the default settings make, in their order.
const std::vector<FormCall> kWorkedExample = {
    Get(1005, 49, "1250"),     // 1
    Set(1007, "18.89'"),       // 2
    Set(1008, "12.60'"),       // 3
    Set(1009, "1.48''/pixel"), // 4
    Get(1014, 48, "10"),       // 5 (inside 4)
    Set(1016, "407"),          // 6 (inside 4)
    Enable(1014),              // 7
    Set(1010, "1.48''/pixel"), // 8
    Get(1015, 48, "8"),        // 9 (inside 8)
    Set(1017, "325"),          // 10 (inside 8)
    Enable(1015),              // 11
    Set(1011, "738-1230"),     // 12
    Set(1012, "2636-6150"),    // 13
    Set(1006, "13.89"),        // 14
    Set(1013, "1.33''"),       // 15
};

TEST_F(Calculator, WorkedExampleMakesTheFifteenCallsInOrder) {
    TypeExampleWithoutFocal();
    form.Put(IDC_FOCAL, "1250");
    form.calls.clear();

    ApplyInputText(state, form, IDC_FOCAL);

    EXPECT_EQ(form.calls, kWorkedExample);
    EXPECT_EQ(state.focal, 1250);
    EXPECT_EQ(state.samplingLength, 9 * 205 / 1250.0);
    EXPECT_EQ(state.samplingWidth, 1.476);
    EXPECT_EQ(state.pixelsLength, 768);
    EXPECT_EQ(state.pixelsWidth, 512);
    EXPECT_EQ(state.pixelSizeLength, 9);
    EXPECT_EQ(state.pixelSizeWidth, 9);
    EXPECT_EQ(state.diameter, 90);
}

TEST_F(Calculator, WorkedExampleThroughTheNotification) {
    TypeExampleWithoutFocal();
    form.calls.clear();
    form.Type(IDC_FOCAL, "1250");

    std::vector<FormCall> expected = {Set(1005, "1250")};
    expected.insert(expected.end(), kWorkedExample.begin(), kWorkedExample.end());
    EXPECT_EQ(form.calls, expected);
}

TEST_F(Calculator, StartUpOrderFillsEveryResult) {
    form.Type(IDC_OBJECT_LENGTH, "10");
    form.Type(IDC_OBJECT_WIDTH, "8");
    form.Type(IDC_PIXELS_LENGTH, "768");
    form.Type(IDC_PIXELS_WIDTH, "512");
    form.Type(IDC_PIXEL_SIZE_LENGTH, "9");
    form.Type(IDC_PIXEL_SIZE_WIDTH, "9");
    form.Type(IDC_DIAMETER, "90");
    form.Type(IDC_FOCAL, "1250");
    EXPECT_EQ(form.Text(1007), "18.89'");
    EXPECT_EQ(form.Text(1008), "12.60'");
    EXPECT_EQ(form.Text(1009), "1.48''/pixel");
    EXPECT_EQ(form.Text(1010), "1.48''/pixel");
    EXPECT_EQ(form.Text(1011), "738-1230");
    EXPECT_EQ(form.Text(1012), "2636-6150");
    EXPECT_EQ(form.Text(1006), "13.89");
    EXPECT_EQ(form.Text(1013), "1.33''");
    EXPECT_EQ(form.Text(1016), "407");
    EXPECT_EQ(form.Text(1017), "325");
    ExpectBoundedTexts();
}

TEST_F(Calculator, FocalArrivingEarlierGivesTheSameTexts) {
    // Settings in another order: the focal length first, the pixel sizes last.
    form.Type(IDC_FOCAL, "1250");
    form.Type(IDC_DIAMETER, "90");
    form.Type(IDC_OBJECT_LENGTH, "10");
    form.Type(IDC_OBJECT_WIDTH, "8");
    form.Type(IDC_PIXELS_LENGTH, "768");
    form.Type(IDC_PIXELS_WIDTH, "512");
    form.Type(IDC_PIXEL_SIZE_LENGTH, "9");
    form.Type(IDC_PIXEL_SIZE_WIDTH, "9");
    for (int id : {1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1016, 1017}) {
        EXPECT_FALSE(form.Text(id).empty()) << id;
    }
    EXPECT_EQ(form.Text(1007), "18.89'");
    EXPECT_EQ(form.Text(1016), "407");
    EXPECT_EQ(form.Text(1017), "325");
}

// ---------------------------------------------------------------------------------------------
// Degrees
// ---------------------------------------------------------------------------------------------

TEST_F(Calculator, DegreeThreshold) {
    form.Type(IDC_PIXELS_LENGTH, "1600");
    form.Type(IDC_PIXEL_SIZE_LENGTH, "9");
    form.Type(IDC_FOCAL, "820");
    EXPECT_EQ(form.Text(1007), "1.000" + kDegree); // exactly 60 arc minutes
    EXPECT_EQ(form.Text(1007), "1.000\xB0");
    form.Type(IDC_FOCAL, "821");
    EXPECT_EQ(form.Text(1007), "59.93'"); // 59.926...
    form.Type(IDC_FOCAL, "820.05");
    EXPECT_EQ(form.Text(1007), "60.00'"); // 59.996..., still below 60
    form.Type(IDC_FOCAL, "819.9");
    EXPECT_EQ(form.Text(1007), "1.000\xB0"); // 60.011 arc minutes
    form.Type(IDC_FOCAL, "1");
    EXPECT_EQ(form.Text(1007), "820.000\xB0");
    // The width axis has the same two formats.
    form.Type(IDC_PIXELS_WIDTH, "1600");
    form.Type(IDC_PIXEL_SIZE_WIDTH, "9");
    form.Type(IDC_FOCAL, "820");
    EXPECT_EQ(form.Text(1008), "1.000\xB0");
    form.Type(IDC_FOCAL, "821");
    EXPECT_EQ(form.Text(1008), "59.93'");
}

TEST_F(Calculator, DeletingTheFocalLengthKeepsTheTextsForOneMillimetre) {
    TypeExample();
    form.Type(IDC_FOCAL, "125");
    EXPECT_EQ(form.Text(1007), "3.149\xB0");
    form.Type(IDC_FOCAL, "12");
    form.Type(IDC_FOCAL, "1");
    EXPECT_EQ(form.Text(1007), "393.600\xB0");
    const std::string sampling = form.Text(1009);
    form.calls.clear();
    form.Type(IDC_FOCAL, "");
    // Only the focal length's own text changes; every result keeps its text for 1 mm.
    EXPECT_EQ(form.calls, (std::vector<FormCall>{Set(1005, ""), Get(1005, 49, ""),
                                                 Set(1011, "738-1230"), Set(1012, "2636-6150")}));
    EXPECT_EQ(form.Text(1007), "393.600\xB0");
    EXPECT_EQ(form.Text(1009), sampling);
    EXPECT_EQ(state.focal, 0);
}

// ---------------------------------------------------------------------------------------------
// Rounding of exact halves
// ---------------------------------------------------------------------------------------------

TEST_F(Calculator, ExactHalvesGoUp) {
    TypeExample();
    form.Type(IDC_DIAMETER, "80");
    EXPECT_EQ(form.Text(1006), "15.63"); // 1250 / 80 = 15.625
    form.Type(IDC_DIAMETER, "192");
    EXPECT_EQ(form.Text(1013), "0.63''"); // 120 / 192 = 0.625
    form.Type(IDC_PIXEL_SIZE_LENGTH, "6.25");
    form.Type(IDC_PIXEL_SIZE_WIDTH, "6.25");
    EXPECT_EQ(form.Text(1011), "513-854");   // 512.5 and 854.17
    EXPECT_EQ(form.Text(1012), "1830-4271"); // 1830.36 and 4270.83
}

// ---------------------------------------------------------------------------------------------
// Guards
// ---------------------------------------------------------------------------------------------

TEST_F(Calculator, FocalZeroWritesOnlyTheRanges) {
    form.Type(IDC_PIXELS_LENGTH, "768");
    form.Type(IDC_PIXELS_WIDTH, "512");
    form.Type(IDC_PIXEL_SIZE_LENGTH, "9");
    form.Type(IDC_PIXEL_SIZE_WIDTH, "9");
    form.Type(IDC_DIAMETER, "90");
    form.Put(IDC_FOCAL, "0");
    form.calls.clear();
    ApplyInputText(state, form, IDC_FOCAL);
    EXPECT_EQ(form.calls, (std::vector<FormCall>{Get(1005, 49, "0"), Set(1011, "738-1230"),
                                                 Set(1012, "2636-6150")}));
    EXPECT_TRUE(std::isnan(state.samplingLength));
    EXPECT_TRUE(std::isnan(state.samplingWidth));
}

TEST_F(Calculator, DiameterWithoutFocalWritesNothingOfTheTelescope) {
    form.Put(IDC_DIAMETER, "90");
    ApplyInputText(state, form, IDC_DIAMETER);
    EXPECT_EQ(form.calls, (std::vector<FormCall>{Get(1004, 49, "90")}));
    EXPECT_EQ(state.diameter, 90);
    form.Type(IDC_FOCAL, "-1250");
    form.Type(IDC_FOCAL, "abc");
    EXPECT_TRUE(SetsOf(1006).empty());
    EXPECT_TRUE(SetsOf(1013).empty());
    // And a focal length without a diameter.
    form.Type(IDC_DIAMETER, "0");
    form.Type(IDC_FOCAL, "1250");
    EXPECT_TRUE(SetsOf(1006).empty());
    EXPECT_TRUE(SetsOf(1013).empty());
}

TEST_F(Calculator, PixelWidthZeroLeavesTheWidthResults) {
    TypeExample();
    form.Type(IDC_FOCAL, "1000"); // other texts than those that 1250 gives
    const std::string field = form.Text(1008), sampling = form.Text(1010);
    const std::string deep = form.Text(1011), planetary = form.Text(1012);
    form.Put(IDC_PIXEL_SIZE_WIDTH, "0");
    form.calls.clear();
    ApplyInputText(state, form, IDC_PIXEL_SIZE_WIDTH);
    EXPECT_EQ(form.calls, (std::vector<FormCall>{Get(1002, 49, "0"), Set(1007, "23.62'"),
                                                 Set(1009, "1.85''/pixel"), Get(1014, 48, "10"),
                                                 Set(1016, "325"), Enable(1014)}));
    EXPECT_EQ(form.Text(1008), field);
    EXPECT_EQ(form.Text(1010), sampling);
    EXPECT_EQ(form.Text(1011), deep);
    EXPECT_EQ(form.Text(1012), planetary);
    EXPECT_EQ(state.pixelSizeWidth, 0);
    EXPECT_EQ(state.samplingWidth, 1.845); // kept from its last computation
}

TEST_F(Calculator, NegativeAndNanInputsFailTheGuardsButAreStored) {
    TypeExample();
    form.calls.clear();
    form.Type(IDC_PIXELS_LENGTH, "-768");
    EXPECT_EQ(state.pixelsLength, -768);
    EXPECT_TRUE(SetsOf(1007).empty());
    EXPECT_EQ(form.Text(1007), "18.89'");
    form.Type(IDC_PIXELS_LENGTH, "nan"); // converts to 0
    EXPECT_EQ(state.pixelsLength, 0);
    EXPECT_TRUE(SetsOf(1007).empty());
}

TEST_F(Calculator, InfinityIsPositive) {
    TypeExample();
    form.calls.clear();
    form.Type(IDC_FOCAL, "1e400");
    EXPECT_EQ(state.focal, INFINITY);
    // Fields and samplings are 0; the object sizes are not divided by a zero sampling; the
    // focal ratio is infinite and not written; the resolving power is.
    EXPECT_EQ(form.Text(1007), "0.00'");
    EXPECT_EQ(form.Text(1008), "0.00'");
    EXPECT_EQ(form.Text(1009), "0.00''/pixel");
    EXPECT_EQ(form.Text(1010), "0.00''/pixel");
    EXPECT_EQ(state.samplingLength, 0);
    EXPECT_EQ(form.Text(1016), "407");
    EXPECT_EQ(form.Text(1017), "325");
    EXPECT_TRUE(SetsOf(1016).empty());
    EXPECT_TRUE(SetsOf(1006).empty());
    EXPECT_EQ(form.Text(1006), "13.89");
    EXPECT_EQ(SetsOf(1013), (std::vector<FormCall>{Set(1013, "1.33''")}));
    ExpectBoundedTexts();
}

// ---------------------------------------------------------------------------------------------
// The cascade from the samplings to the object sizes
// ---------------------------------------------------------------------------------------------

TEST_F(Calculator, SameSamplingTextStillMovesTheObjectSize) {
    TypeExample();
    EXPECT_EQ(form.Text(1016), "407");
    form.calls.clear();
    form.Type(IDC_FOCAL, "1249");
    EXPECT_EQ(SetsOf(1009), (std::vector<FormCall>{Set(1009, "1.48''/pixel")}));
    EXPECT_EQ(SetsOf(1016), (std::vector<FormCall>{Set(1016, "406")}));
    EXPECT_EQ(SetsOf(1017), (std::vector<FormCall>{Set(1017, "325")}));
    EXPECT_EQ(form.Text(1016), "406");
}

TEST_F(Calculator, EmptiedObjectSizeLeavesItsResult) {
    TypeExample();
    form.calls.clear();
    form.Type(IDC_OBJECT_LENGTH, "");
    EXPECT_EQ(form.calls, (std::vector<FormCall>{Set(1014, ""), Get(1014, 48, "")}));
    EXPECT_EQ(form.Text(1016), "407");
    form.Type(IDC_FOCAL, "1249");
    form.Type(IDC_FOCAL, "2000");
    EXPECT_EQ(form.Text(1016), "407");
    EXPECT_TRUE(SetsOf(1016).empty());
    form.Type(IDC_OBJECT_LENGTH, "0");
    form.Type(IDC_OBJECT_LENGTH, "-10");
    EXPECT_EQ(form.Text(1016), "407");
    form.Type(IDC_OBJECT_LENGTH, "10");
    EXPECT_EQ(form.Text(1016), "650"); // 600 / 0.9225 = 650.4
    EXPECT_EQ(form.Text(1017), "520"); // the width's object size, 8, was kept: 480 / 0.9225
    form.Type(IDC_OBJECT_WIDTH, "abc");
    EXPECT_EQ(form.Text(1017), "520");
}

TEST_F(Calculator, ObjectSizeWithoutSamplingShowsNothing) {
    // The settings gave a focal length of 0; the user then types object sizes.
    form.Type(IDC_PIXEL_SIZE_LENGTH, "9");
    form.Type(IDC_PIXEL_SIZE_WIDTH, "9");
    form.Type(IDC_FOCAL, "0");
    form.calls.clear();
    form.Type(IDC_OBJECT_LENGTH, "10");
    form.Type(IDC_OBJECT_WIDTH, "8");
    EXPECT_EQ(form.calls, (std::vector<FormCall>{Set(1014, "10"), Get(1014, 48, "10"),
                                                 Set(1015, "8"), Get(1015, 48, "8")}));
    EXPECT_EQ(form.Text(1016), "");
    EXPECT_EQ(form.Text(1017), "");
    // Once a sampling exists, its axis is computed; the other axis still shows nothing.
    form.Type(IDC_PIXEL_SIZE_WIDTH, "0");
    form.Type(IDC_FOCAL, "1250");
    EXPECT_EQ(form.Text(1016), "407");
    EXPECT_EQ(form.Text(1017), "");
    form.Type(IDC_OBJECT_WIDTH, "9");
    EXPECT_EQ(form.Text(1017), "");
}

TEST_F(Calculator, EnableFollowsEachSampling) {
    TypeExample();
    EXPECT_FALSE(form.enabled.empty());
    for (int id : form.enabled) {
        EXPECT_TRUE(id == IDC_OBJECT_LENGTH || id == IDC_OBJECT_WIDTH) << id;
    }
}

// ---------------------------------------------------------------------------------------------
// The 49 and 48 character reads
// ---------------------------------------------------------------------------------------------

TEST_F(Calculator, InputsAreReadToFortyNineCharacters) {
    TypeExample();
    form.Type(IDC_FOCAL, std::string(45, ' ') + "1250"); // 49 characters
    EXPECT_EQ(state.focal, 1250);
    form.Type(IDC_FOCAL, std::string(46, ' ') + "1250"); // 50: read as 46 blanks and 125
    EXPECT_EQ(state.focal, 125);
    EXPECT_EQ(form.calls.back(), Set(1013, "1.33''"));
    EXPECT_EQ(form.Text(1006), "1.39");
    form.Type(IDC_PIXELS_LENGTH, "1" + std::string(48, '0') + "0"); // 50 digits: 1e48
    EXPECT_EQ(state.pixelsLength, 1e48);
    for (const FormCall& call : form.calls) {
        if (call.kind == FormCall::Kind::Get && call.controlId <= IDC_FOCAL) {
            EXPECT_EQ(call.count, 49) << call;
        }
    }
}

TEST_F(Calculator, ObjectSizesAreReadToFortyEightCharacters) {
    TypeExample();
    form.Type(IDC_OBJECT_LENGTH, std::string(46, ' ') + "10"); // 48 characters
    EXPECT_EQ(form.Text(1016), "407");
    form.Type(IDC_OBJECT_LENGTH, std::string(47, ' ') + "10"); // 49: read as "...1"
    EXPECT_EQ(form.Text(1016), "41");                          // 60 / 1.476 = 40.65
    form.Type(IDC_OBJECT_WIDTH, std::string(46, ' ') + "20");  // 48 characters
    EXPECT_EQ(form.Text(1017), "813");
    form.Type(IDC_OBJECT_WIDTH, std::string(47, ' ') + "20"); // 49: read as "...2"
    EXPECT_EQ(form.Text(1017), "81");
    for (const FormCall& call : form.calls) {
        if (call.kind == FormCall::Kind::Get && call.controlId >= IDC_OBJECT_LENGTH) {
            EXPECT_EQ(call.count, 48) << call;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Results that cannot be shown: never written, never longer than 49 characters
// ---------------------------------------------------------------------------------------------

TEST_F(Calculator, FortyNineCharacterResultIsTheLongestWritten) {
    TypeExample(); // samplingLength 1.476
    form.calls.clear();
    form.Type(IDC_OBJECT_LENGTH, "2.5e46"); // 1.016e48 pixels: 49 digits
    ASSERT_EQ(SetsOf(1016).size(), 1u);
    EXPECT_EQ(SetsOf(1016)[0].text.size(), 49u);
    EXPECT_EQ(SetsOf(1016)[0].text, "1016260162601626000000000000000000000000000000000");
    form.calls.clear();
    form.Type(IDC_OBJECT_LENGTH, "2.5e47"); // 50 digits: not written
    EXPECT_TRUE(SetsOf(1016).empty());
    EXPECT_EQ(form.Text(1016), "1016260162601626000000000000000000000000000000000");
    form.Type(IDC_OBJECT_LENGTH, "1e400"); // infinite: not written
    EXPECT_EQ(form.Text(1016), "1016260162601626000000000000000000000000000000000");
    form.Type(IDC_OBJECT_LENGTH, "10");
    EXPECT_EQ(form.Text(1016), "407");
}

TEST_F(Calculator, SamplingTextAtTheLimit) {
    // s = 9e37 * 205 / 205 = 9e37 (exactly 8.9999999999999992e37): 38 integer digits and
    // ".00''/pixel" make 49 characters.
    form.Type(IDC_OBJECT_LENGTH, "10");
    form.Type(IDC_FOCAL, "205");
    form.Type(IDC_PIXEL_SIZE_LENGTH, "9e37");
    EXPECT_EQ(form.Text(1009), "89999999999999992000000000000000000000.00''/pixel");
    EXPECT_EQ(state.samplingLength, 9e37);
    EXPECT_EQ(form.Text(1016), "0");
    // s = 2e38: 50 characters; the step is skipped whole and the sampling is kept.
    form.calls.clear();
    form.Type(IDC_PIXEL_SIZE_LENGTH, "2e38");
    EXPECT_TRUE(SetsOf(1009).empty());
    EXPECT_TRUE(SetsOf(1016).empty());
    EXPECT_EQ(state.samplingLength, 9e37);
    EXPECT_EQ(form.Text(1009), "89999999999999992000000000000000000000.00''/pixel");
    for (const FormCall& call : form.calls) {
        EXPECT_NE(call, Enable(1014));
    }
}

TEST_F(Calculator, AbsurdPixelSizeWritesOnlyWhatFits) {
    TypeExample();
    form.calls.clear();
    form.Type(IDC_PIXEL_SIZE_LENGTH, "1e60");
    ExpectBoundedTexts();
    // Field: 2.1e58 degrees, too long; sampling 1.64e59, too long; the ranges too long.
    EXPECT_TRUE(SetsOf(1007).empty());
    EXPECT_TRUE(SetsOf(1009).empty());
    EXPECT_TRUE(SetsOf(1011).empty());
    EXPECT_TRUE(SetsOf(1012).empty());
    // The width axis is computed as before.
    EXPECT_EQ(SetsOf(1008), (std::vector<FormCall>{Set(1008, "12.60'")}));
    EXPECT_EQ(SetsOf(1017), (std::vector<FormCall>{Set(1017, "325")}));
    EXPECT_EQ(form.Text(1007), "18.89'");
    EXPECT_EQ(state.samplingLength, 1.476);
    EXPECT_EQ(state.pixelSizeLength, 1e60);
}

TEST_F(Calculator, InfiniteInputsWriteNothingThatIsNotFinite) {
    TypeExample();
    form.calls.clear();
    form.Type(IDC_PIXEL_SIZE_LENGTH, "1e400");
    form.Type(IDC_PIXELS_WIDTH, "1e400");
    form.Type(IDC_DIAMETER, "1e400");
    form.Type(IDC_DIAMETER, "1e-400");
    form.Type(IDC_DIAMETER, "1e-320"); // positive: the focal ratio overflows
    form.Type(IDC_PIXEL_SIZE_WIDTH, "1e308");
    form.Type(IDC_PIXEL_SIZE_WIDTH, "-0");
    form.Type(IDC_FOCAL, "-0");
    form.Type(IDC_FOCAL, "1e-300");
    form.Type(IDC_OBJECT_LENGTH, "1e300");
    form.Type(IDC_OBJECT_WIDTH, "1e300");
    ExpectBoundedTexts();
    for (const FormCall& call : form.calls) {
        if (call.kind == FormCall::Kind::Set) {
            EXPECT_EQ(call.text.find("inf"), std::string::npos) << call;
            EXPECT_EQ(call.text.find("nan"), std::string::npos) << call;
        }
    }
    EXPECT_EQ(state.pixelSizeLength, INFINITY);
    // Diameter infinite: both telescope results are 0. Diameter 1e-320 then makes both
    // infinite: neither is written. Focal 1e-300 brings the focal ratio back to about 1e20
    // (1e-320 is subnormal, hence the digits).
    EXPECT_EQ(SetsOf(1006),
              (std::vector<FormCall>{Set(1006, "0.00"), Set(1006, "100001113294125810000.00")}));
    EXPECT_EQ(SetsOf(1013), (std::vector<FormCall>{Set(1013, "0.00''")}));
    // The length sampling was never written again; the width sampling was, until its pixel
    // size became 1e308 (infinite sampling) and then -0.
    EXPECT_EQ(SetsOf(1009), std::vector<FormCall>{});
    EXPECT_EQ(SetsOf(1010), std::vector<FormCall>(5, Set(1010, "1.48''/pixel")));
    EXPECT_EQ(state.samplingLength, 1.476);
    EXPECT_EQ(state.samplingWidth, 1.476);
    EXPECT_EQ(form.Text(1016), "407");
}

TEST_F(Calculator, EveryResultStaysWithinFortyNineCharacters) {
    const char* values[] = {"1e400",
                            "-1e400",
                            "1e60",
                            "1e40",
                            "1e38",
                            "1e-300",
                            "1e-320",
                            "-0",
                            "0",
                            "9",
                            "1.7976931348623157e308",
                            "nan",
                            "abc",
                            "4.9e-324"};
    for (const char* focal : values) {
        for (const char* size : values) {
            OpticsState s{};
            RecordingForm f{s};
            f.Type(IDC_OBJECT_LENGTH, "10");
            f.Type(IDC_OBJECT_WIDTH, size);
            f.Type(IDC_PIXELS_LENGTH, size);
            f.Type(IDC_PIXELS_WIDTH, "512");
            f.Type(IDC_PIXEL_SIZE_LENGTH, size);
            f.Type(IDC_PIXEL_SIZE_WIDTH, "9");
            f.Type(IDC_DIAMETER, size);
            f.Type(IDC_FOCAL, focal);
            for (const FormCall& call : f.calls) {
                if (call.kind == FormCall::Kind::Set && call.controlId >= 1006 &&
                    call.controlId != IDC_OBJECT_LENGTH && call.controlId != IDC_OBJECT_WIDTH) {
                    EXPECT_LE(call.text.size(), 49u) << focal << ", " << size << ": " << call;
                    EXPECT_EQ(call.text.find("inf"), std::string::npos) << call;
                    EXPECT_EQ(call.text.find("nan"), std::string::npos) << call;
                }
            }
        }
    }
}

TEST_F(Calculator, CommaEndsTheNumber) {
    TypeExample();
    form.Type(IDC_PIXEL_SIZE_LENGTH, "7,4");
    EXPECT_EQ(state.pixelSizeLength, 7);
    EXPECT_EQ(form.Text(1009), "1.15''/pixel"); // 7 * 205 / 1250 = 1.148
}

TEST_F(Calculator, OtherControlsAreNotInputs) {
    for (int id : {1006, 1013, 1014, 1018, 999, 0, -1}) {
        ApplyInputText(state, form, id);
    }
    EXPECT_TRUE(form.calls.empty());
}

// ---------------------------------------------------------------------------------------------
// The same texts on every platform: a digest of every text written for 756 input sets
// ---------------------------------------------------------------------------------------------

TEST_F(Calculator, TextsOfManyInputsHaveTheKnownDigest) {
    std::uint64_t digest = 14695981039346656037u; // FNV-1a, 64 bits
    std::size_t sets = 0;
    const char* focals[] = {"1250", "1249", "820",   "821", "820.05", "2000",
                            "400",  "3.5",  "17500", "0.1", "1e-5",   "6350"};
    const char* sizes[] = {"9", "6.25", "7.4", "4.65", "3.8", "24", "5.4", "13.5", "2.2"};
    const char* pixels[] = {"768", "512", "1600", "4096", "1392", "640", "9576"};
    const char* diameters[] = {"90", "80", "192", "203.2", "60", "356"};
    const char* objects[] = {"10", "8", "0.5", "31", "120", "1.25"};
    for (const char* focal : focals) {
        for (const char* size : sizes) {
            for (const char* px : pixels) {
                OpticsState s{};
                RecordingForm f{s};
                f.Type(IDC_OBJECT_LENGTH, objects[(sets / 7) % 6]);
                f.Type(IDC_OBJECT_WIDTH, objects[(sets / 5) % 6]);
                f.Type(IDC_PIXELS_LENGTH, px);
                f.Type(IDC_PIXELS_WIDTH, pixels[(sets / 3) % 7]);
                f.Type(IDC_PIXEL_SIZE_LENGTH, size);
                f.Type(IDC_PIXEL_SIZE_WIDTH, sizes[(sets / 11) % 9]);
                f.Type(IDC_DIAMETER, diameters[sets % 6]);
                f.Type(IDC_FOCAL, focal);
                for (const FormCall& call : f.calls) {
                    if (call.kind != FormCall::Kind::Set) {
                        continue;
                    }
                    ++sets;
                    for (unsigned char c :
                         std::to_string(call.controlId) + "=" + call.text + "\n") {
                        digest = (digest ^ c) * 1099511628211u;
                    }
                }
            }
        }
    }
    // calculator_model.py, an independent model in Python (exact decimals), gives the same.
    EXPECT_EQ(sets, 16632u);
    EXPECT_EQ(digest, 0x6d11c2f926559eceu) << std::hex << digest;
}

} // namespace
