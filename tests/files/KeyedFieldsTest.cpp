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
        // Not what the defaults are: a file without a line must not keep these.
        live->FaceWidth = 3.0f;
        live->NumHarmonics = 7;
        live->TorqueStartFresh = false;
        live->DivZeroTerm = "Oak";
        FillStoredFields(*saved, 77, 1.0f);
        SetKeyedDefaults(*saved, kFields);
        host.clear();
    }
    std::string layoutOnly() const { return ModelFileText(*saved, "k.cam", {}); }
    ReadResult read(const std::string& bytes, KeyedFields keyed = kFields) {
        WriteBytes(path, bytes);
        host.clear();
        return Readfile(path, *live, host, keyed);
    }
};

} // namespace

TEST(KeyedFields, OnlyValuesOffTheirDefaultsAreWritten) {
    Fixture t;
    EXPECT_EQ(ModelFileText(*t.saved, "k.cam", kFields), t.layoutOnly());
    t.saved->FaceWidth = 0.5f;
    t.saved->NumHarmonics = 20; // its default, as set again by hand
    t.saved->DivZeroTerm = "Brass";
    EXPECT_EQ(ModelFileText(*t.saved, "k.cam", kFields),
              t.layoutOnly() + "FaceWidth=.5\r\nMaterial=\"Brass\"\r\n");
    // The model's own table writes nothing of these fields.
    EXPECT_EQ(ModelFileText(*t.saved, "k.cam"), t.layoutOnly());
}

TEST(KeyedFields, FileWithoutTheBlockGivesTheDefaults) {
    Fixture t;
    const ReadResult r = t.read(t.layoutOnly());
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    ExpectSameStoredFields(*t.saved, *r.model);
    EXPECT_EQ(r.model->FaceWidth, 0.0f);
    EXPECT_EQ(r.model->NumHarmonics, 20);
    EXPECT_TRUE(r.model->TorqueStartFresh);
    EXPECT_EQ(r.model->DivZeroTerm, "Steel");
}

TEST(KeyedFields, ValuesLandInAnyOrderAndRoundTrip) {
    Fixture t;
    t.saved->FaceWidth = 1.5e-3f;
    t.saved->NumHarmonics = 720;
    t.saved->TorqueStartFresh = false;
    t.saved->DivZeroTerm = "Cast = iron"; // an "=" inside the value
    const std::string text = ModelFileText(*t.saved, "k.cam", kFields);
    ReadResult r = t.read(text);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    ExpectSameStoredFields(*t.saved, *r.model);
    EXPECT_EQ((std::tuple{r.model->FaceWidth, r.model->NumHarmonics, r.model->TorqueStartFresh,
                          r.model->DivZeroTerm}),
              (std::tuple{1.5e-3f, 720, false, std::string("Cast = iron")}));
    EXPECT_EQ(ModelFileText(*r.model, "k.cam", kFields), text);

    // Written by hand: another order, blanks around key and value, LF line ends.
    r = t.read(t.layoutOnly() + " Harmonics = 40 \nMaterial=\"\"\n\n");
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ(r.model->NumHarmonics, 40);
    EXPECT_EQ(r.model->DivZeroTerm, "");
    EXPECT_EQ(r.model->FaceWidth, 0.0f);

    // A second model in the file is read over the first, its missing keys at their defaults.
    r = t.read(text + t.layoutOnly());
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ(r.model->NumHarmonics, 20);
    EXPECT_TRUE(r.model->TorqueStartFresh);
}

TEST(KeyedFields, BadLinesAreRefusedWithTheirLineAndTheModelUntouched) {
    Fixture t;
    const std::string base = t.layoutOnly();
    const int first = static_cast<int>(SplitLines(base).size()) + 1;
    const struct {
        std::string block;
        int line; // offset from the first keyed line
        std::string expected;
        KeyedFields keyed = kFields;
    } cases[] = {
        {"Harmonics=40\r\nColour=3\r\n", 1, "holds an unknown key: \"Colour=3\""},
        {"=3\r\n", 0, "holds an unknown key: \"=3\""},
        {"harmonics=40\r\n", 0, "holds an unknown key: \"harmonics=40\""},
        {"Harmonics=40\r\n\r\nHarmonics=41\r\n", 2, "(Harmonics) is given a second time"},
        {"Harmonics=0\r\n", 0,
         "(Harmonics) should hold a whole number from 1 to 720 but holds \"0\""},
        {"Harmonics=4.5\r\n", 0,
         "(Harmonics) should hold a whole number from 1 to 720 but holds \"4.5\""},
        {"FaceWidth=10.5\r\n", 0,
         "(FaceWidth) should hold a number from 0 to 10 but holds \"10.5\""},
        {"FaceWidth=NaN\r\n", 0, "(FaceWidth) should hold a number from 0 to 10 but holds \"NaN\""},
        {"FaceWidth=\r\n", 0, "(FaceWidth) should hold a number from 0 to 10 but holds nothing"},
        {"StartFresh=True\r\n", 0, "(StartFresh) should hold #TRUE# or #FALSE# but holds \"True\""},
        {"Material=Brass\r\n", 0, "(Material) should hold a text in quotes but holds \"Brass\""},
        // A field of a later program is refused by this one, which has no line for it.
        {"FaceWidth=1\r\n", 0, "holds an unknown key: \"FaceWidth=1\"", {}},
        {"Harmonics=40\r\ngarbage\r\n", 1, "should be the end of the file but holds \"garbage\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.block);
        const ReadResult r = t.read(base + c.block, c.keyed);
        ASSERT_EQ(r.status, ReadStatus::Damaged);
        EXPECT_FALSE(r.model);
        EXPECT_EQ(r.message, "The file " + t.path + " could not be read: line " +
                                 std::to_string(first + c.line) + " " + c.expected +
                                 ".\rThe current model is unchanged.");
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].icon, model::Icon::Exclamation);
    }
    EXPECT_EQ(t.live->NumHarmonics, 7);
    EXPECT_EQ(t.live->DivZeroTerm, "Oak");
}
