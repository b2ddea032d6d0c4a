// Keyed lines after the fixed layout, exercised with a table of the tests' own (fields the
// layout has no line for, one of each kind, two with defaults the model does not start with).
#include "files/KeyedFields.h"
#include "files/ModelFile.h"

#include "FilesTestSupport.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace trochix;
using namespace trochix::files;
using namespace trochix::files::testing;

namespace {

constexpr KeyedField kFields[] = {
    {"FaceWidth", RealKey{&CamModel::FaceWidth, 0.0f, 0.0f, 10.0f}},
    {"Harmonics", IntegerKey{&CamModel::NumHarmonics, 20, 1, 720}},
    {"StartFresh", BooleanKey{&CamModel::TorqueStartFresh, true}},
    {"Material", TextKey{&CamModel::DivZeroTerm, "Steel"}},
};

struct Fixture {
    model::RecordingHost host;
    std::unique_ptr<CamModel> live = std::make_unique<CamModel>();
    std::unique_ptr<CamModel> saved = std::make_unique<CamModel>();
    ScratchDir dir;
    std::string path = dir.file("keyed.cam");
    Fixture() {
        model::Initialize(*live, host);
        // Off the defaults: a file without their lines must not keep these.
        std::tie(live->FaceWidth, live->NumHarmonics, live->TorqueStartFresh, live->DivZeroTerm) =
            std::tuple{3.0f, 7, false, "Oak"};
        FillStoredFields(*saved, 77, 1.0f);
        SetKeyedDefaults(*saved, kFields);
    }
    std::string layoutOnly() const { return ModelFileText(*saved, "k.cam", {}); }
    ReadResult read(const std::string& bytes, KeyedFields keyed = kFields) {
        WriteBytes(path, bytes);
        host.clear();
        return Readfile(path, *live, host, keyed);
    }
};

auto KeyedValues(const CamModel& m) {
    return std::tuple{m.FaceWidth, m.NumHarmonics, m.TorqueStartFresh, m.DivZeroTerm};
}

} // namespace

TEST(KeyedFields, WrittenOffTheirDefaultsOnlyAndReadBackByName) {
    Fixture t;
    t.saved->NumHarmonics = 20; // its default, set by hand
    EXPECT_EQ(ModelFileText(*t.saved, "k.cam", kFields), t.layoutOnly());
    ReadResult r = t.read(t.layoutOnly());
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    ExpectSameStoredFields(*t.saved, *r.model);
    EXPECT_EQ(KeyedValues(*r.model), std::tuple(0.0f, 20, true, "Steel"));

    std::tie(t.saved->FaceWidth, t.saved->TorqueStartFresh, t.saved->DivZeroTerm) =
        std::tuple{0.5f, false, "Cast = iron"};
    const std::string text = ModelFileText(*t.saved, "k.cam", kFields);
    EXPECT_EQ(text, t.layoutOnly() + "FaceWidth=.5\r\nStartFresh=#FALSE#\r\nMaterial=\"Cast = "
                                     "iron\"\r\n");
    EXPECT_EQ(ModelFileText(*t.saved, "k.cam"), t.layoutOnly()); // the model's own table
    r = t.read(text);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ(KeyedValues(*r.model), KeyedValues(*t.saved));
    EXPECT_EQ(ModelFileText(*r.model, "k.cam", kFields), text);

    // By hand: blanks around key and value, LF ends; a second model's absent keys default.
    r = t.read(t.layoutOnly() + " Harmonics = 40 \n\n");
    EXPECT_EQ(KeyedValues(*r.model), std::tuple(0.0f, 40, true, "Steel"));
    r = t.read(text + t.layoutOnly());
    EXPECT_EQ(KeyedValues(*r.model), std::tuple(0.0f, 20, true, "Steel"));
}

TEST(KeyedFields, BadLinesAreRefusedWithTheirLineAndTheModelUntouched) {
    Fixture t;
    const std::string base = t.layoutOnly();
    const int first = static_cast<int>(SplitLines(base).size()) + 1;
    const struct {
        std::string block;
        int line; // after the first keyed line
        std::string expected;
        KeyedFields keyed = kFields;
    } cases[] = {
        {"Harmonics=40\r\nharmonics=3\r\n", 1, "holds an unknown key: \"harmonics=3\""},
        {"Harmonics=40\r\n\r\nHarmonics=41\r\n", 2, "(Harmonics) is given a second time"},
        {"Harmonics=0\r\n", 0,
         "(Harmonics) should hold a whole number from 1 to 720 but holds \"0\""},
        {"FaceWidth=NaN\r\n", 0, "(FaceWidth) should hold a number from 0 to 10 but holds \"NaN\""},
        {"StartFresh=True\r\n", 0, "(StartFresh) should hold #TRUE# or #FALSE# but holds \"True\""},
        {"Material=Brass\r\n", 0, "(Material) should hold a text in quotes but holds \"Brass\""},
        {"Harmonics=40\r\ngarbage\r\n", 1, "should be the end of the file but holds \"garbage\""},
        // A field of a later program: this one has no line for it.
        {"FaceWidth=1\r\n", 0, "holds an unknown key: \"FaceWidth=1\"", ModelKeyedFields()},
    };
    for (const auto& c : cases) {
        const ReadResult r = t.read(base + c.block, c.keyed);
        ASSERT_EQ(r.status, ReadStatus::Damaged) << c.block;
        EXPECT_FALSE(r.model);
        EXPECT_EQ(r.message, "The file " + t.path + " could not be read: line " +
                                 std::to_string(first + c.line) + " " + c.expected +
                                 ".\rThe current model is unchanged.");
        EXPECT_EQ(t.host.messages.size(), 1u);
    }
    EXPECT_EQ(KeyedValues(*t.live), std::tuple(3.0f, 7, false, "Oak"));
}

// The machined cam's inputs are the model's own keyed fields: written when set, read back, and
// a file that lacks them gives the derived defaults (0).
TEST(KeyedFields, TheMachinedCamInputsRoundTrip) {
    Fixture t;
    t.saved->CutterRadius = 0.5f;
    t.saved->BoreDiameter = 0.75f;
    const std::string text = ModelFileText(*t.saved, "k.cam");
    EXPECT_NE(text.find("\r\nCutterRadius=.5\r\nBoreDiameter=.75\r\n"), std::string::npos);
    EXPECT_EQ(text.find("PlateThickness="), std::string::npos);
    t.live->PlateThickness = 9.0f;
    ReadResult r = t.read(text, ModelKeyedFields());
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ((std::tuple{r.model->CutterRadius, r.model->BoreDiameter, r.model->PlateThickness}),
              (std::tuple{0.5f, 0.75f, 0.0f}));
}

// The contact's inputs: written off their defaults (Poisson 0.3 and margin 0.1 are not zero),
// read back, and a ratio beyond what a material can have refuses the file.
TEST(KeyedFields, TheContactInputsRoundTripAndAreRangeChecked) {
    Fixture t;
    t.saved->ContactWidth = 0.25f;
    t.saved->CamModulus = 3.0e7f;
    t.saved->FollowerPoisson = 0.25f;
    t.saved->ContactMargin = 0.2f;
    const std::string text = ModelFileText(*t.saved, "k.cam");
    EXPECT_NE(text.find("\r\nContactWidth=.25\r\nCamModulus=3E+07\r\nFollowerPoisson=.25\r\n"
                        "ContactMargin=.2\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("CamPoisson="), std::string::npos);
    ReadResult r = t.read(text, ModelKeyedFields());
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ((std::tuple{r.model->ContactWidth, r.model->CamModulus, r.model->FollowerModulus,
                          r.model->CamPoisson, r.model->FollowerPoisson, r.model->ContactMargin}),
              (std::tuple{0.25f, 3.0e7f, 0.0f, 0.3f, 0.25f, 0.2f}));

    r = t.read(t.layoutOnly() + "CamPoisson=.7\r\n", ModelKeyedFields());
    ASSERT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_NE(r.message.find("(CamPoisson) should hold a number from 0 to .5 but holds \".7\""),
              std::string::npos)
        << r.message;
    r = t.read(t.layoutOnly() + "ContactMargin=1\r\n", ModelKeyedFields());
    EXPECT_EQ(r.status, ReadStatus::Damaged);
}
