// The model file: value encoding, layout, round trip, older layout, refusals and safe saving.
#include "files/ModelFile.h"
#include "files/Exports.h"
#include "files/FileValues.h"

#include "FilesTestSupport.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <fstream>
#include <limits>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trochix;
using namespace trochix::files;
using namespace trochix::files::testing;
using model::Icon;
using model::RecordingHost;

namespace {

// Lines of a file: 16 header, 204 per segment slot, 17 result rows, 27 closing.
constexpr int kHeaderLines = 16;
constexpr int kSlotLines = 204;
constexpr int kSlotsEnd = kHeaderLines + 16 * kSlotLines;
int TotalLines(int numPoints) { return kSlotsEnd + 17 * (numPoints + 1) + 27; }

struct Fixture {
    RecordingHost host;
    std::unique_ptr<CamModel> live = std::make_unique<CamModel>();
    ScratchDir dir;
    Fixture() {
        model::Initialize(*live, host);
        live->UserName = "unchanged";
        host.clear();
    }
};

std::unique_ptr<CamModel> FilledModel(float step = 0.25f) {
    auto m = std::make_unique<CamModel>();
    FillStoredFields(*m, 2026, step);
    return m;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

} // namespace

TEST(FileValues, RealsAreWrittenInTheirShortestExactForm) {
    // Expected texts worked out by hand: .5 and -.25 are exact; 1/3 as a float is
    // 0.3333333432674408, whose 7-digit form .3333333 reads back as another float (spacing
    // 3e-8) while .33333334 does not; 1000 + 2^-14 = 1000.0000610... lies 2.2e-5 from
    // 1000.0001, nearer to the next float, so it needs the 9 digits 1000.00006.
    const std::pair<float, const char*> cases[] = {
        {0.5f, ".5"},          {-0.25f, "-.25"},         {1.0f, "1"},
        {0.0f, "0"},           {-0.0f, "-0"},            {360.0f, "360"},
        {1.5e7f, "1.5E+07"},   {1.0f / 3.0f, ".33333334"}, {1000.00006f, "1000.00006"},
        {0.0001f, ".0001"},    {1e-5f, "1E-05"},         {-123456.7f, "-123456.7"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(EncodeReal(value), text) << value;
}

TEST(FileValues, OtherKindsAreWrittenAsTheFileExpects) {
    EXPECT_EQ(EncodeText("MS - Mod Sine"), "\"MS - Mod Sine\"");
    EXPECT_EQ(EncodeText(""), "\"\"");
    // A line break would shift every later line of the file.
    EXPECT_EQ(EncodeText("two\r\nlines"), "\"two  lines\"");
    EXPECT_EQ(EncodeInteger(-1), "-1");
    EXPECT_EQ(EncodeInteger(16), "16");
    EXPECT_EQ(EncodeBoolean(true), "#TRUE#");
    EXPECT_EQ(EncodeBoolean(false), "#FALSE#");
}

TEST(FileValues, EveryFloatReadsBackBitForBit) {
    ValueSource source(12345);
    for (int n = 0; n < 50000; ++n) {
        const float v = source.next();
        const std::string text = EncodeReal(v);
        const RealValue r = DecodeReal(text);
        ASSERT_EQ(r.status, NumberStatus::Ok) << text;
        ASSERT_EQ(Bits(r.value), Bits(v)) << text;
        // At most 9 significant digits (zeros before the first other digit do not count).
        int digits = 0;
        for (char c : text.substr(0, text.find('E')))
            if ((c >= '1' && c <= '9') || (c == '0' && digits > 0))
                ++digits;
        ASSERT_LE(digits, 9) << text;
    }
}

TEST(FileValues, RealLinesAreReadStrictly) {
    // Values as older files hold them (at most 7 digits) and the forms other writers use.
    const std::pair<const char*, float> good[] = {
        {"3.141593", 3.141593f}, {".5", 0.5f},   {"-.25", -0.25f},  {"5.", 5.0f},
        {"1.5E+07", 1.5e7f},     {"1.5D+07", 1.5e7f}, {"2e-3", 0.002f}, {"+4", 4.0f},
        {"  7  ", 7.0f},         {"1E-50", 0.0f}, // below every float: the nearest, zero
    };
    for (const auto& [line, value] : good) {
        EXPECT_EQ(DecodeReal(line).status, NumberStatus::Ok) << '"' << line << '"';
        EXPECT_EQ(DecodeReal(line).value, value) << line;
    }
    for (const char* line : {"1E+39", "-1E+400"})
        EXPECT_EQ(DecodeReal(line).status, NumberStatus::OutOfRange) << line;
    for (const char* line :
         {"abc", "", "-", ".", "1E", "1E+", "1.5 2", "12abc", "\"1\"", "inf", "0x10"})
        EXPECT_EQ(DecodeReal(line).status, NumberStatus::NotANumber) << '"' << line << '"';
    // What the number-to-text rule writes for values that are not finite reads back.
    EXPECT_TRUE(std::isnan(DecodeReal("NaN").value));
    EXPECT_EQ(DecodeReal("-Inf").value, -std::numeric_limits<float>::infinity());
}

TEST(FileValues, IntegerBooleanAndTextLinesAreReadStrictly) {
    struct IntCase {
        const char* line;
        NumberStatus status;
        int value;
    } ints[] = {
        {"16", NumberStatus::Ok, 16},          {"-1", NumberStatus::Ok, -1},
        {"+3", NumberStatus::Ok, 3},           {"32768", NumberStatus::Ok, 32768},
        {"-2147483648", NumberStatus::Ok, -2147483647 - 1},
        {"2147483648", NumberStatus::OutOfRange, 0},
        {"999999999999999999999", NumberStatus::OutOfRange, 0},
        {"1.0", NumberStatus::NotANumber, 0},  {"", NumberStatus::NotANumber, 0},
        {"3 4", NumberStatus::NotANumber, 0},  {"#TRUE#", NumberStatus::NotANumber, 0},
    };
    for (const IntCase& c : ints) {
        const IntegerValue r = DecodeInteger(c.line);
        EXPECT_EQ(r.status, c.status) << c.line;
        if (c.status == NumberStatus::Ok) {
            EXPECT_EQ(r.value, c.value) << c.line;
        }
    }

    EXPECT_EQ(DecodeBoolean("#TRUE#"), std::optional<bool>(true));
    EXPECT_EQ(DecodeBoolean("#FALSE#"), std::optional<bool>(false));
    for (const char* wrong : {"True", "#true#", "-1", "#TRUE", "", "\"#TRUE#\""})
        EXPECT_FALSE(DecodeBoolean(wrong).has_value()) << wrong;

    EXPECT_EQ(DecodeText("\"Radial\""), std::optional<std::string>("Radial"));
    EXPECT_EQ(DecodeText("\"\""), std::optional<std::string>(""));
    // The last quote closes the text, so a text holding a quote reads back whole.
    EXPECT_EQ(DecodeText("\"a \"b\" c\""), std::optional<std::string>("a \"b\" c"));
    for (const char* wrong : {"\"Radial", "Radial\"", "\"", "Radial", "", "12"})
        EXPECT_FALSE(DecodeText(wrong).has_value()) << wrong;
}

TEST(ModelFile, SavedModelReopensWithEveryStoredFieldUnchanged) {
    Fixture t;
    auto saved = FilledModel();
    const std::string path = t.dir.file("Round.cam");
    ASSERT_TRUE(SaveModel(*saved, path, t.host, "frm_Homescreen.SaveAs"));
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "File was successfully written to \r" + path);
    EXPECT_EQ(t.host.messages[0].icon, Icon::Information);
    EXPECT_EQ(t.host.messages[0].title, "TROCHIX for Windows");
    EXPECT_EQ(saved->FileName, path);
    EXPECT_EQ(saved->ModelName, "Round");
    EXPECT_TRUE(saved->ModelSaved);

    t.host.clear();
    ReadResult r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    ASSERT_TRUE(r.model);
    ExpectSameStoredFields(*saved, *r.model);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "File " + path + " successfully read.");
    EXPECT_EQ(t.host.messages[0].icon, Icon::Information);
    EXPECT_FALSE(t.host.busy);
}

TEST(ModelFile, ReadingRefreshesWhatTheFileDoesNotHold) {
    Fixture t;
    auto saved = FilledModel(0.5f);
    saved->SegLawText[2] = "S2 - SHM 2nd Half";
    saved->SegLawText[3] = "xx - no law";
    saved->NumSegments = 3;
    saved->SegDir[16].clear();
    saved->SegLawText[16].clear();
    saved->SegBeta[16] = 0.0f;
    const std::string path = t.dir.file("Sub/../Refresh.cam");
    std::filesystem::create_directory(t.dir.file("Sub"));
    Writefile(*saved, path);
    t.live->FftDone = true;
    t.live->PlotEnd = 90.0f; // a print choice, not in the file
    t.live->Results[5][721] = 7.0f;

    ReadResult r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    const CamModel& m = *r.model;
    // omega 10.4719753 rad/s is 100 rpm: 10.4719753 x 30 / 3.141592654 = 99.9999999.., which
    // as a float is 100. An unused row's Beta stays empty.
    EXPECT_EQ((std::vector{m.OmegaText, m.DeltaText, m.SegmentsText, m.SegBetaText[1],
                           m.SegBetaText[16]}),
              (std::vector<std::string>{"100", ".5", "3", "22.5", ""}));
    // Laws from the texts: "C1 - Cycloid 1st Half ", "S2", none, "MS - Mod Sine".
    EXPECT_EQ((std::array{m.SegLawFamily[1], m.SegHalf[1], m.SegLawFamily[2], m.SegHalf[2],
                          m.SegLawFamily[3], m.SegLawFamily[4]}),
              (std::array{3, 1, 7, 2, -1, 0}));
    for (int s = 1; s <= 16; ++s)
        EXPECT_EQ(m.PolyCoef[0][s], static_cast<float>(m.SegNumBC[s]));
    EXPECT_EQ(m.PivotDistance, 5.0f); // pivot at (3, 4)
    EXPECT_EQ(m.CamOmega2, m.CamOmega * m.CamOmega);
    EXPECT_EQ(m.ArmDirection, -1.0f);
    // SI, oscillating follower: displacement in degrees, lengths in metres.
    EXPECT_EQ((std::vector{m.UnitLabel[0], m.UnitLabel[1], m.UnitLabel[6], m.UnitLabel[8]}),
              (std::vector<std::string>{"deg", "deg", "m", "N-m"}));
    EXPECT_EQ(m.FileName, path);
    EXPECT_EQ(m.ModelName, "Refresh");
    EXPECT_TRUE(m.ModelSaved);
    EXPECT_FALSE(m.FftDone);
    EXPECT_EQ(m.PlotEnd, 90.0f);
    for (bool done : m.SegDone)
        EXPECT_FALSE(done);
    EXPECT_EQ(m.Results[5][721], 0.0f); // beyond NumPoints 720
}

// The file holds the unit system, not its labels: a reopened model shows the labels of that
// system as the Units menu sets them, so its exports equal those of the model that was saved.
TEST(ModelFile, ReopenedModelExportsTheSameBytes) {
    for (int system = 1; system <= 5; ++system)
        for (bool translating : {true, false}) {
            SCOPED_TRACE(std::to_string(system) + (translating ? " translating" : " oscillating"));
            Fixture t;
            auto saved = FilledModel(1.0f);
            saved->PrintEvery = 90;
            saved->Translating = translating;
            model::SelectUnitSystem(*saved, system);
            const std::string path = t.dir.file("Units.cam");
            ASSERT_TRUE(SaveModel(*saved, path, t.host));
            ReadResult r = Readfile(path, *t.live, t.host);
            ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
            EXPECT_EQ(r.model->UnitLabel, saved->UnitLabel);
            for (auto exportText : {ExportAllText, ExportProfileText}) {
                const std::vector<std::string> before =
                    SplitLines(exportText(*saved, t.host.now()));
                const std::vector<std::string> after =
                    SplitLines(exportText(*r.model, t.host.now()));
                ASSERT_EQ(after.size(), before.size());
                for (std::size_t i = 0; i < before.size(); ++i)
                    ASSERT_EQ(after[i], before[i]) << "line " << i + 1;
            }
        }
}

// The layout, written out from the file's rules: 16 header lines; per segment slot 11 fields,
// 20 x (PolyBcPos, BcEntered, PolyBcOrder, PolyCoef, PolyExponentShown), the 12 SegEnds,
// SegNumBC, 20 x (BcPos, BcOrder, BcValue, PolyExponent); result rows 0..16 point by point;
// 27 closing lines. Every real holds a whole number naming its line, so a field out of place
// shows; each line ends with CR LF.
TEST(ModelFile, LinesFollowTheFixedOrder) {
    for (const auto& [step, points, stepText] :
         {std::tuple{1.0f, 360, "1"}, {0.5f, 720, ".5"}, {0.25f, 1440, ".25"}}) {
        SCOPED_TRACE(step);
        auto m = FilledModel(step);
        m->CamOmega = 2.5f;
        for (int s = 1; s <= 16; ++s) {
            const int b = 1000 * s;
            for (auto [field, k] : {std::pair{&m->SegLow[s], 0}, {&m->SegLift[s], 4},
                                    {&m->SegStart[s], 5}, {&m->SegEnd[s], 6}, {&m->SegBeta[s], 7},
                                    {&m->SegBetaRadArr[s], 8}})
                *field = static_cast<float>(b + k);
            for (int i = 1; i <= 20; ++i)
                for (int t = 0; t < 9; ++t) // five tables, then four after the ends
                    (m.get()->*kBcTables[t])[i][s] = static_cast<float>(
                        t < 5 ? b + 11 + 5 * (i - 1) + t : b + 124 + 4 * (i - 1) + t - 5);
            for (int e = 0; e <= 2; ++e)
                for (int k = 0; k <= 3; ++k)
                    m->SegEnds[s][e][k] = static_cast<float>(b + 111 + 4 * e + k);
        }
        for (int f = 0; f <= 16; ++f)
            for (int p = 0; p <= points; ++p)
                m->Results[f][p] = static_cast<float>(10000 * f + p);
        m->RollerRadius = 1.5e7f;
        m->ArmRadius = 5.5f;
        m->Lift = 6.5f;
        m->TotalLift = 7.5f;
        m->EffMass = 8.5f;
        m->SpringK = 9.5f;
        m->Preload = 10.5f;
        m->DampRatio = 0.125f;
        m->DampC = 11.5f;
        m->JournalRadius = 12.5f;
        m->JournalFriction = 13.5f;
        m->FollowerFriction = 14.5f;

        std::vector<std::string> want = {
            Quoted("TROCHIX for Windows"), Quoted("6.0"), Quoted("2.1"), Quoted(""),
            Quoted("C:\\cams\\Demo.cam"), Quoted("Ann \"the cam\" Lee"), "1234",
            Quoted("12-08-2026"), Quoted("09:30:05"), "2.5", "16", stepText, "16", "16", "20",
            std::to_string(points)};
        for (int s = 1; s <= 16; ++s)
            for (int k = 0; k < kSlotLines; ++k)
                want.push_back(k == 1    ? Quoted(m->SegDir[s])
                               : k == 2  ? Quoted(m->SegLawText[s])
                               : k == 3  ? Quoted(m->SegDesc[s])
                               : k == 9  ? Quoted(std::to_string(s) + ".5")
                               : k == 10 ? Quoted(s % 3 == 0 ? "" : "-" + std::to_string(s))
                               : k == 123 ? std::to_string(s * 7 % 21)
                                          : std::to_string(1000 * s + k));
        for (int f = 0; f <= 16; ++f)
            for (int p = 0; p <= points; ++p)
                want.push_back(std::to_string(10000 * f + p));
        for (const char* v : {".5", "-.25", "2", "1.5E+07", "1", "-1", "#FALSE#", "\"Barrel\"",
                              "3", "4", "5.5", "6.5", "7.5", "#TRUE#", "#TRUE#", "#FALSE#", "5",
                              "8.5", "9.5", "10.5", ".125", "11.5", "12.5", "13.5", "14.5",
                              "1000.00006", "3"})
            want.push_back(v);
        ASSERT_EQ(static_cast<int>(want.size()), TotalLines(points));
        const std::string text = ModelFileText(*m, "C:\\cams\\Demo.cam");
        EXPECT_EQ(text, JoinLines(want, want.size()));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), TotalLines(points));
    }
}

TEST(ModelFile, OlderLayoutIsRead) {
    // Written by hand from the older layout: no version and reserved lines (line 3 is the
    // model name), and no result row 0. Row f, point p holds 1000 f + p.
    std::vector<std::string> lines = {"\"TROCHIX for Windows\"", "\"5.0\"", "\"Model1\"",
                                      "\"Bob\"", "7", "\"01-02-1999\"", "\"10:00:00\"",
                                      "10.47198", "2", "1", "16", "16", "20", "360"};
    auto slot = [&](const char* dir, const char* law, const char* desc, const char* start,
                    const char* end, const char* beta) {
        for (const char* v : {"0", dir, law, desc, "1", start, end, beta, "3.141593", "\"0\"",
                              "\"1\""})
            lines.push_back(v);
        lines.insert(lines.end(), 100 + 12 + 1 + 80, "0");
    };
    slot("\"R\"", "\"CF - Cycloid Full\"", "\"Cycloid rise\"", "0", "180", "180");
    slot("\"F\"", "\"SF - SHM Full\"", "\"SimpHarm fall\"", "180", "360", "180");
    for (int s = 3; s <= 16; ++s)
        slot("\"\"", "\"\"", "\"\"", "0", "0", "0");
    for (int f = 1; f <= 16; ++f)
        for (int p = 0; p <= 360; ++p)
            lines.push_back(std::to_string(1000 * f + p));
    for (const char* v : {"3.141593", "-.25", "1", "1.5E+07", "-1", "1", "#TRUE#", "\"Radial\"",
                          "0", "0", "0", "1", "1", "#TRUE#", "#FALSE#", "#FALSE#", "1",
                          ".073804", "132", "173", ".15", "0", ".5", ".01", ".1", ".05", "1"})
        lines.push_back(v);
    ASSERT_EQ(lines.size(), 14u + 16 * 204 + 16 * 361 + 27);

    Fixture t;
    const std::string path = t.dir.file("old.cam");
    WriteBytes(path, JoinLines(lines, lines.size()));
    ReadResult r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    const CamModel& m = *r.model;
    EXPECT_EQ(m.UserName + " " + m.SegDir[2] + " " + m.SegLawText[1] + " " + m.SegStartText[1] +
                  " " + m.ModelName,
              "Bob F CF - Cycloid Full 0 old");
    EXPECT_EQ(m.DesignNo, 7);
    EXPECT_EQ(m.NumSegments, 2);
    EXPECT_EQ((std::array{m.CamOmega, m.SegEnd[2], m.SegBetaRadArr[1], m.PrimeRadius,
                          m.RollerRadius, m.EffMass, m.JournalRadius}),
              (std::array{10.47198f, 360.0f, 3.141593f, 3.141593f, 1.5e7f, 0.073804f, 0.5f}));
    // Row 0 is not in the file: it holds the cam angles of the file's step.
    for (int p : {0, 1, 180, 360})
        EXPECT_EQ(m.Results[0][p], static_cast<float>(p));
    EXPECT_EQ((std::array{m.Results[1][0], m.Results[4][17], m.Results[16][360]}),
              (std::array{1000.0f, 4017.0f, 16360.0f}));
    EXPECT_TRUE(m.SvajDone && !m.ProfileDone);
}

TEST(ModelFile, AnotherProgramsFileIsRefused) {
    Fixture t;
    std::vector<std::string> lines = SplitLines(ModelFileText(*FilledModel(1.0f), "x.cam"));
    lines[0] = "\"Some Other Program\"";
    const std::string path = t.dir.file("other.cam");
    WriteBytes(path, JoinLines(lines, lines.size()));
    ReadResult r = Readfile(path, *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Incompatible);
    EXPECT_FALSE(r.model);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text,
              "This data file is not compatible with TROCHIX for Windows. ");
    EXPECT_EQ(t.host.messages[0].icon, Icon::Question);
    EXPECT_EQ(t.host.messages[0].title, "TROCHIX for Windows");
    EXPECT_EQ(t.live->UserName, "unchanged");
}

TEST(ModelFile, FileCutShortIsRefusedNamingTheMissingLine) {
    Fixture t;
    const std::vector<std::string> lines = SplitLines(ModelFileText(*FilledModel(1.0f), "x.cam"));
    const std::string path = t.dir.file("cut.cam");
    int refused = 0;
    for (std::size_t keep = 0; keep < lines.size(); keep += 97) {
        WriteBytes(path, JoinLines(lines, keep));
        t.host.clear();
        ReadResult r = Readfile(path, *t.live, t.host);
        ASSERT_EQ(r.status, ReadStatus::Damaged) << keep;
        EXPECT_FALSE(r.model);
        const std::string expected = "The file " + path + " could not be read: line " +
                                     std::to_string(keep + 1) + " (";
        EXPECT_EQ(r.message.substr(0, expected.size()), expected) << r.message;
        EXPECT_NE(r.message.find(") is missing: the file ends early.\r"), std::string::npos);
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].icon, Icon::Exclamation);
        ++refused;
    }
    EXPECT_EQ(refused, (TotalLines(360) + 96) / 97);
    WriteBytes(path, JoinLines(lines, lines.size() - 1)); // the last closing line missing
    EXPECT_NE(Readfile(path, *t.live, t.host)
                  .message.find("line " + std::to_string(TotalLines(360)) +
                                " (UnitSystem) is missing"),
              std::string::npos);
    EXPECT_EQ(t.live->UserName, "unchanged");
}

TEST(ModelFile, DamagedLinesAreRefusedNamingLineAndField) {
    Fixture t;
    const std::vector<std::string> good = SplitLines(ModelFileText(*FilledModel(1.0f), "x.cam"));
    const int closing = TotalLines(360) - 27; // index of the first closing line
    // Line numbers and field names worked out from the layout: line 1234 is offset
    // 1234 - 16 - 1 - 5 x 204 = 197 of slot 6; offsets 124.. hold 4 reals per condition, so 197
    // is condition 19 (73 / 4 + 1), its second real (BcOrder). Results row 3, point 17 is line
    // 16 + 3264 + 3 x 361 + 17 + 1 = 4381.
    const struct {
        int line; // 1-based line to replace
        std::string replacement, expected; // expected: the text after "line N "
    } cases[] = {
        {1234, "abc", "(segment 6, BcOrder(19)) should hold a number but holds \"abc\""},
        {4381, "1.5.2", "(Results row 3, point 17) should hold a number but holds \"1.5.2\""},
        {4381, "", "(Results row 3, point 17) should hold a number but holds nothing"},
        {4381, "1E+39",
         "(Results row 3, point 17) should hold a number within the "
         "single-precision range but holds \"1E+39\""},
        {closing + 7, "True", "(Translating) should hold #TRUE# or #FALSE# but holds \"True\""},
        {6, "\"Ann", "(UserName) should hold a text in quotes but holds \"\"Ann\""},
        {7, "12.5", "(DesignNo) should hold a whole number but holds \"12.5\""},
        {11, "17", "(NumSegments) should hold a whole number from 1 to 16 but holds \"17\""},
        {12, ".30", "(DeltaTheta) should hold a step of 1, .5 or .25 degree but holds \".30\""},
        {7, "2147483648", "(DesignNo) should hold a whole number but holds \"2147483648\""},
        {16, "720", "(NumPoints) should hold 360 but holds \"720\""},
        {14, "17", "(MaxSegments) should hold 16 but holds \"17\""},
        {16 + 124, "21",
         "(segment 1, SegNumBC) should hold a whole number from 0 to 20 but "
         "holds \"21\""},
        {16 + 204 + 112, "x", "(segment 2, SegEnds(0, 0)) should hold a number but holds \"x\""},
        {closing + 5, "0", "(CamDirection) should hold 1 or -1 but holds \"0\""},
        {closing + 27, "6", "(UnitSystem) should hold a whole number from 1 to 5 but holds \"6\""},
        {closing + 3, "3", "(FollowerType) should hold a whole number from 0 to 2 but holds \"3\""},
        // Slot 1 starts at line 17, its direction on line 18; slot 2's direction on 222.
        {18, "\"Q\"", "(segment 1, SegDir) should hold R, F, P or D but holds \"\"Q\"\""},
        {222, "\"r\"", "(segment 2, SegDir) should hold R, F, P or D but holds \"\"r\"\""},
        {222, "\"Rise\"", "(segment 2, SegDir) should hold R, F, P or D but holds \"\"Rise\"\""},
        // A used row with a law needs its direction.
        {18, "\"\"", "(segment 1, SegDir) should hold R, F, P or D but holds \"\"\"\""},
        {closing + 8, "\"Banana\"",
         "(CamType) should hold \"Radial\" or \"Barrel\" but holds \"\"Banana\"\""},
        {closing + 8, "\"radial\"",
         "(CamType) should hold \"Radial\" or \"Barrel\" but holds \"\"radial\"\""},
    };
    const std::string path = t.dir.file("damaged.cam");
    for (const auto& c : cases) {
        std::vector<std::string> lines = good;
        lines[static_cast<std::size_t>(c.line - 1)] = c.replacement;
        WriteBytes(path, JoinLines(lines, lines.size()));
        t.host.clear();
        ReadResult r = Readfile(path, *t.live, t.host);
        ASSERT_EQ(r.status, ReadStatus::Damaged) << c.line;
        EXPECT_FALSE(r.model);
        EXPECT_EQ(r.message, "The file " + path + " could not be read: line " +
                                 std::to_string(c.line) + " " + c.expected +
                                 ".\rThe current model is unchanged.");
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].text, r.message);
        EXPECT_EQ(t.host.messages[0].icon, Icon::Exclamation);
        EXPECT_EQ(t.host.messages[0].title, "TROCHIX for Windows");
    }
    EXPECT_EQ(t.live->UserName, "unchanged");
}

// Rows without a direction are what the input screen leaves when a row was never filled in:
// beyond the segment count, or a used row that holds no law either (its calculation then
// refuses it with its own message).
TEST(ModelFile, RowsWithoutDirectionReadWhereTheProgramLeavesThem) {
    Fixture t;
    auto saved = FilledModel(1.0f);
    saved->NumSegments = 10;
    saved->SegDir[5].clear();
    saved->SegLawText[5].clear();
    saved->SegDir[12].clear(); // beyond the count, a law left from a longer program
    const std::string path = t.dir.file("rows.cam");
    Writefile(*saved, path);
    ReadResult r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ(r.model->SegDir[5] + r.model->SegDir[12] + r.model->SegDir[13], "F");
}

TEST(ModelFile, WhatFollowsTheModelDecides) {
    Fixture t;
    auto b = FilledModel(1.0f);
    b->UserName = "second";
    const std::string textA = ModelFileText(*FilledModel(1.0f), "a.cam");
    const std::string path = t.dir.file("tail.cam");
    WriteBytes(path, textA + "\r\n  \r\n"); // empty lines after the model are harmless
    EXPECT_EQ(Readfile(path, *t.live, t.host).status, ReadStatus::Read);
    WriteBytes(path, textA + "garbage\r\n"); // anything else is refused
    ReadResult r = Readfile(path, *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_NE(r.message.find("line " + std::to_string(TotalLines(360) + 1) +
                             " should be the end of the file but holds \"garbage\""),
              std::string::npos)
        << r.message;
    // A second whole model is read over the first, as the reading loop always did...
    WriteBytes(path, textA + ModelFileText(*b, "b.cam"));
    r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ(r.model->UserName, "second");
    // ... but not half of one.
    WriteBytes(path, textA + JoinLines(SplitLines(ModelFileText(*b, "b.cam")), 100));
    EXPECT_EQ(Readfile(path, *t.live, t.host).status, ReadStatus::Damaged);
    // LF-only line ends (a file edited elsewhere) read the same.
    std::string lf = textA;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    WriteBytes(path, lf);
    EXPECT_EQ(Readfile(path, *t.live, t.host).status, ReadStatus::Read);
}

namespace {

// Resident memory of this process, in KiB.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

} // namespace

// A model file of a step of 0.25 degree holds about 28,000 short lines: a file of its header
// followed by 60 MiB of empty lines is refused before it is read on, and reading it takes no
// more memory than a small file does (the whole file, split into lines, took over 1 GB).
TEST(ModelFile, FarLargerFileIsRefusedWithoutReadingItWhole) {
    Fixture t;
    const std::vector<std::string> lines = SplitLines(ModelFileText(*FilledModel(), "x.cam"));
    const std::string path = t.dir.file("huge.cam");
    {
        std::ofstream out(path, std::ios::binary);
        out << JoinLines(lines, 16);
        const std::string blanks(1 << 20, '\n');
        for (int mib = 0; mib < 60; ++mib)
            out << blanks;
    }
    const std::string refused = "The file " + path +
                                " could not be read: it is far larger than a model file of its "
                                "table sizes can be.\rThe current model is unchanged.";

    const long before = ResidentKiB();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecordingHost host;
        const ReadResult r = Readfile(path, *t.live, host);
        ::_exit(r.status == ReadStatus::Damaged && r.message == refused ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LT(usage.ru_maxrss - before, 64 * 1024) << "KiB grown while reading";

    const ReadResult r = Readfile(path, *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_EQ(r.message, refused);
    EXPECT_EQ(t.host.lastText(), refused);
}

// Through a pipe the size is not known beforehand: a whole model followed by 16 MiB of blank
// lines is refused where the bound is passed.
TEST(ModelFile, PipePastTheBoundIsRefusedWhereItPassesIt) {
    Fixture t;
    const std::string path = t.dir.file("pipe.cam");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const std::string model = ModelFileText(*FilledModel(1.0f), "x.cam");
    auto oldHandler = std::signal(SIGPIPE, SIG_IGN); // the reader stops reading early
    std::thread writer([&] {
        const int fd = ::open(path.c_str(), O_WRONLY);
        if (fd < 0)
            return;
        std::string data = model;
        const std::string blankLine = std::string(1023, ' ') + '\n';
        for (int k = 0; k < 16 * 1024; ++k)
            data += blankLine;
        for (std::size_t done = 0; done < data.size();) {
            const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    });
    const ReadResult r = Readfile(path, *t.live, t.host);
    writer.join();
    std::signal(SIGPIPE, oldHandler);
    EXPECT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_EQ(r.message, "The file " + path +
                             " could not be read: it is far larger than a model file of its "
                             "table sizes can be.\rThe current model is unchanged.");
}

// Lines are read up to a bound that leaves room for the longest text a box takes.
TEST(ModelFile, OverlongLinesAreRefusedNamingTheLine) {
    for (const auto& [length, readable] :
         {std::pair{32767u, true}, {65534u, true}, {65535u, false}, {1u << 20, false}}) {
        SCOPED_TRACE(length);
        Fixture t;
        auto saved = FilledModel(1.0f);
        saved->UserName = std::string(length, 'u'); // line 6, with its quotes 2 bytes longer
        const std::string path = t.dir.file("long.cam");
        Writefile(*saved, path);
        const ReadResult r = Readfile(path, *t.live, t.host);
        if (readable) {
            ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
            EXPECT_EQ(r.model->UserName.size(), length);
        } else {
            EXPECT_EQ(r.status, ReadStatus::Damaged);
            EXPECT_EQ(r.message, "The file " + path +
                                     " could not be read: line 6 is longer than any line of a "
                                     "model file.\rThe current model is unchanged.");
        }
    }
}

TEST(ModelFile, MissingOrEmptyFilesAreReported) {
    Fixture t;
    ReadResult r = Readfile(t.dir.file("none.cam"), *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Failed);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text,
              "There are no files with your chosen name in the selected directory");
    EXPECT_FALSE(t.host.busy);
    WriteBytes(t.dir.file("empty.cam"), "");
    r = Readfile(t.dir.file("empty.cam"), *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_NE(r.message.find("line 1 (AppTitle) is missing"), std::string::npos);
}

TEST(ModelFile, FailedSaveLeavesThePreviousFileAndModelAlone) {
    Fixture t;
    const std::string path = t.dir.file("keep.cam");
    ASSERT_TRUE(SaveModel(*FilledModel(1.0f), path, t.host));
    const std::string before = ReadBytes(path);
    // The disk fills up halfway through the second save (a file-size limit of 4000 bytes
    // makes the write fail the way a full disk does, also for a privileged user).
    auto second = FilledModel(0.25f);
    second->FileName = "previous.cam";
    second->ModelName = "previous";
    t.host.clear();
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = SaveModel(*second, path, t.host, "frm_Homescreen.Save");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text,
              " The floppy disk in the drive is full - please substitute another");
    EXPECT_FALSE(t.host.busy);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(t.dir.entries(), std::vector<std::string>{"keep.cam"}); // no temporary left
    EXPECT_EQ(second->FileName + " " + second->ModelName, "previous.cam previous");
    EXPECT_FALSE(second->ModelSaved);
}

TEST(ModelFile, SaveToAFolderOrAMissingFolderIsReported) {
    Fixture t;
    auto m = FilledModel(1.0f);
    const std::pair<std::string, std::string> cases[] = {
        {t.dir.path().string(),
         "Error 75   (Path/File access error)  has occurred in frm_Homescreen.SaveAs\r\r"},
        {t.dir.file("no/such/folder/x.cam"),
         "Error 76   (Path not found)  has occurred in frm_Homescreen.SaveAs\r\r"},
        {"", "There are no files with your chosen name in the selected directory"},
    };
    for (const auto& [path, text] : cases) {
        t.host.clear();
        EXPECT_FALSE(SaveModel(*m, path, t.host, "frm_Homescreen.SaveAs"));
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].text, text);
        EXPECT_EQ(t.host.messages[0].icon, Icon::Critical);
    }
    EXPECT_TRUE(t.dir.entries().empty());
    const std::pair<std::string, std::string> names[] = {
        {"C:\\cams\\Model1.cam", "Model1"}, {"/home/ann/cams/Lift.cam", "Lift"},
        {"mixed/dir\\Two.cam", "Two"},      {"plain.cam", "plain"},
        {"/tmp/noext", "noext"},            {"a", "a"}};
    for (const auto& [path, name] : names) // the model's name comes from the path
        EXPECT_EQ(ModelNameFromPath(path), name) << path;
}
