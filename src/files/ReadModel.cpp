// Reading a model file into a separate model, refusing the whole file at the first line that
// does not hold its field.
#include "chain/Stages.h"
#include "files/FileValues.h"
#include "files/KeyedFields.h"
#include "files/LineReader.h"
#include "files/ModelFields.h"
#include "files/ModelFile.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "model/SegmentTable.h"
#include "model/Units.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace trochix::files {

using model::Fault;

namespace {

// The longest line a file may hold: room for a text box's longest entry (32,767 characters)
// with its quotes, and far more than any value needs.
constexpr std::size_t kMaxLineBytes = 64 * 1024;
// Room for any number or boolean line, surrounding blanks included.
constexpr std::uint64_t kValueLineBytes = 64;

// Why a file was refused: the line (1-based) and what was wrong with it.
struct Damage {
    int line;
    std::string what; // "(field) should hold ..." or a whole sentence without a line
};

const char* const kFarLarger = "it is far larger than a model file of its table sizes can be";

// The most bytes one model of these table sizes can take: every text line (and every keyed
// line) a whole line, every other line a value line.
std::uint64_t ModelBytesBound(int maxSegments, int maxBCs, int numFunctions, int numPoints,
                              std::size_t keyedLines) {
    const std::uint64_t textLines = 8 + 5 * static_cast<std::uint64_t>(maxSegments) + 1 +
                                    static_cast<std::uint64_t>(keyedLines);
    const std::uint64_t lines = 16 + static_cast<std::uint64_t>(maxSegments) * (24 + 9 * maxBCs) +
                                static_cast<std::uint64_t>(numFunctions + 1) * (numPoints + 1) +
                                27 + static_cast<std::uint64_t>(keyedLines);
    return (lines - textLines) * kValueLineBytes + textLines * (kMaxLineBytes + 2);
}

std::string Shown(std::string_view line) {
    if (line.empty())
        return "nothing";
    std::string s;
    for (char c : line.substr(0, 40))
        s += (static_cast<unsigned char>(c) < 32 || c == 127) ? '?' : c;
    if (line.size() > 40)
        s += "...";
    return "\"" + s + "\"";
}

// A cursor over the lines of a file (CR LF or LF ends), read one at a time.
class LineCursor {
public:
    explicit LineCursor(LineReader& reader) : reader_(reader) {}

    int lineNumber() const { return taken_ + 1; }
    std::uint64_t consumed() const { return reader_.consumed(); }

    std::string_view take(const FieldName& f) {
        if (pending_) {
            held_ = std::move(*pending_);
            pending_.reset();
            last_ = held_;
        } else {
            const std::optional<std::string_view> line = next();
            if (!line)
                throw Damage{lineNumber(), "(" + Describe(f) + ") is missing: the file ends early"};
            last_ = *line;
        }
        ++taken_;
        return last_;
    }

    std::string_view lastLine() const { return last_; }

    // True when only empty lines remain; they are passed over.
    bool atEnd() {
        while (!pending_) {
            const std::optional<std::string_view> line = next();
            if (!line)
                return true;
            if (isBlank(*line))
                ++taken_;
            else
                pending_ = std::string(*line);
        }
        return false;
    }

    // The next line that is not empty (after atEnd() said there is one).
    std::string_view peekContent() {
        atEnd();
        return pending_ ? std::string_view(*pending_) : std::string_view();
    }

    // A model that starts at byte `start` and has these table sizes cannot take more than
    // `bound` bytes: a file far larger is refused before it is read on.
    void limitModel(std::uint64_t start, std::uint64_t bound) {
        const std::uint64_t allowed = start + bound;
        if (reader_.size() && *reader_.size() > allowed)
            throw Damage{0, kFarLarger};
        reader_.setBudget(allowed);
    }

    [[noreturn]] void refuse(const FieldName& f, std::string_view line, const std::string& should) {
        throw Damage{lineNumber() - 1,
                     "(" + Describe(f) + ") should hold " + should + " but holds " + Shown(line)};
    }

    void real(float& v, const FieldName& f) {
        const std::string_view line = take(f);
        const RealValue r = DecodeReal(line);
        if (r.status == NumberStatus::NotANumber)
            refuse(f, line, "a number");
        if (r.status == NumberStatus::OutOfRange)
            refuse(f, line, "a number within the single-precision range");
        v = r.value;
    }

    void integer(int& v, const FieldName& f, const IntRule& rule) {
        const std::string_view line = take(f);
        const IntegerValue r = DecodeInteger(line);
        if (r.status != NumberStatus::Ok || r.value < rule.lo || r.value > rule.hi ||
            (!rule.zeroAllowed && r.value == 0)) {
            std::string should = "a whole number";
            if (!rule.zeroAllowed && rule.lo == -1 && rule.hi == 1)
                should = "1 or -1";
            else if (rule.lo == rule.hi)
                should = std::to_string(rule.lo);
            else if (rule.lo != IntRule{}.lo || rule.hi != IntRule{}.hi)
                should += " from " + std::to_string(rule.lo) + " to " + std::to_string(rule.hi);
            refuse(f, line, should);
        }
        v = r.value;
    }

    void text(std::string& v, const FieldName& f, const TextRule& rule = {}) {
        const std::string_view line = take(f);
        std::optional<std::string> t = DecodeText(line);
        if (!t)
            refuse(f, line, "a text in quotes");
        if (!rule.texts.empty() &&
            std::find(rule.texts.begin(), rule.texts.end(), *t) == rule.texts.end())
            refuse(f, line, rule.should);
        v = std::move(*t);
    }

    void boolean(bool& v, const FieldName& f) {
        const std::string_view line = take(f);
        const std::optional<bool> b = DecodeBoolean(line);
        if (!b)
            refuse(f, line, "#TRUE# or #FALSE#");
        v = *b;
    }

private:
    static bool isBlank(std::string_view line) {
        return line.find_first_not_of(" \t") == std::string_view::npos;
    }

    std::optional<std::string_view> next() {
        const LineReader::Line line = reader_.next();
        switch (line.status) {
        case LineReader::Status::Line: return line.text;
        case LineReader::Status::End: return std::nullopt;
        case LineReader::Status::TooLong:
            throw Damage{lineNumber(), "is longer than any line of a model file"};
        case LineReader::Status::OverBudget: throw Damage{0, kFarLarger};
        }
        return std::nullopt;
    }

    LineReader& reader_;
    int taken_ = 0;
    std::string_view last_;              // the line taken last
    std::optional<std::string> pending_; // a line looked at but not yet taken
    std::string held_;                   // a looked-at line once taken
};

// Line 1 as a title: the quoted text, or the bare line when it has no quotes (a file of some
// other kind, which the title check then refuses).
std::string TitleOf(std::string_view line) {
    if (std::optional<std::string> t = DecodeText(line))
        return *t;
    return std::string(line);
}

enum class ModelStart { Read, OtherTitle };

// The table sizes a model's header gives; they drive the loops over its tables.
struct TableSizes {
    bool older; // a file of the layout before version 1.3
    int numFunctions;
    int maxSegments;
    int maxBCs;
};

// Lines 2 to 16 (2 to 14 in the older layout) into m: the identification, the cam data and the
// table sizes.
TableSizes ReadHeader(LineCursor& in, CamModel& m) {
    std::string ignored;
    in.text(ignored, {"AppVersion"});
    std::string third;
    in.text(third, {"FileVersion"});
    // Files before version 1.3 have the model name here and no reserved line.
    TableSizes t{text::Val(third.substr(0, 3)) < 1.3, 0, 0, 0};
    if (t.older) {
        m.ModelName = third;
    } else {
        in.text(ignored, {"reserved line"});
        in.text(m.ModelName, {"model file name"});
    }
    in.text(m.UserName, {"UserName"});
    in.integer(m.DesignNo, {"DesignNo"}, IntRule{});
    in.text(m.DateStr, {"DateStr"});
    in.text(m.TimeStr, {"TimeStr"});
    in.real(m.CamOmega, {"CamOmega"});
    motion::CamOmegaPowers(m);

    in.integer(m.NumSegments, {"NumSegments"}, IntRule{1, model::kMaxSegments});
    in.real(m.DeltaTheta, {"DeltaTheta"});
    if (m.DeltaTheta != 1.0f && m.DeltaTheta != 0.5f && m.DeltaTheta != 0.25f)
        in.refuse({"DeltaTheta"}, in.lastLine(), "a step of 1, .5 or .25 degree");
    in.integer(t.numFunctions, {"NumFunctions"}, IntRule{1, model::kNumFunctions});
    in.integer(t.maxSegments, {"MaxSegments"}, IntRule{m.NumSegments, model::kMaxSegments});
    in.integer(t.maxBCs, {"MaxBCs"}, IntRule{0, model::kMaxBCs});
    const int expectedPoints = static_cast<int>(std::lround(360.0 / m.DeltaTheta));
    in.integer(m.NumPoints, {"NumPoints"}, IntRule{expectedPoints, expectedPoints});
    return t;
}

// The segment slots into m, the rows having been reset.
void ReadSegmentSlots(LineCursor& in, CamModel& m, const TableSizes& t) {
    for (int s = 1; s <= t.maxSegments; ++s) {
        const int dirLine = in.lineNumber() + 1; // SegDir is the slot's second line
        VisitSegmentSlot(m, s, t.maxBCs, in);
        // A used row with a law but no direction would be computed as no motion at all.
        if (s <= m.NumSegments && m.SegDir[s].empty() && !m.SegLawText[s].empty())
            throw Damage{dirLine, "(" + Describe({"SegDir", s}) + ") should hold " +
                                      kSegDirRule.should + " but holds " +
                                      Shown(EncodeText(m.SegDir[s]))};
    }
}

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The keyed lines after the closing lines, up to the end of the file or the first line without
// "=" (the title of another model, or a line the caller refuses).
void ReadKeyedLines(LineCursor& in, CamModel& m, KeyedFields keyed) {
    std::vector<const KeyedField*> seen;
    while (!in.atEnd() && in.peekContent().find('=') != std::string_view::npos) {
        const std::string line(in.take({"keyed line"}));
        const int number = in.lineNumber() - 1;
        const std::size_t equals = line.find('=');
        const std::string_view key = TrimBlanks(std::string_view(line).substr(0, equals));
        const std::string_view value = std::string_view(line).substr(equals + 1);
        const KeyedField* field = FindKeyedField(keyed, key);
        if (!field)
            throw Damage{number, "holds an unknown key: " + Shown(line)};
        if (std::find(seen.begin(), seen.end(), field) != seen.end())
            throw Damage{number, "(" + std::string(key) + ") is given a second time"};
        seen.push_back(field);
        const std::string should = ReadKeyedValue(m, *field, value);
        if (!should.empty())
            throw Damage{number, "(" + std::string(key) + ") should hold " + should +
                                     " but holds " + Shown(TrimBlanks(value))};
    }
}

// One model from the cursor into m. Returns OtherTitle, reading nothing further, when line 1
// is not the running program's title.
ModelStart ReadOneModel(LineCursor& in, CamModel& m, const std::string& appTitle,
                        KeyedFields keyed) {
    const std::uint64_t start = in.consumed();
    if (TitleOf(in.take({"AppTitle"})) != appTitle)
        return ModelStart::OtherTitle;
    const TableSizes t = ReadHeader(in, m);
    in.limitModel(
        start, ModelBytesBound(t.maxSegments, t.maxBCs, t.numFunctions, m.NumPoints, keyed.size()));

    // The input screen's rows are reset before the file fills them; this also sets row 0 to
    // the cam angles of the file's step, which an older-layout file does not hold.
    model::ClearSegments(m);
    chain::Withdraw(m, model::Stage::Motion);
    for (int f = 0; f <= model::kNumFunctions; ++f)
        for (int p = m.NumPoints + 1; p <= model::kMaxPoints; ++p)
            m.Results[f][p] = 0.0f;
    ReadSegmentSlots(in, m, t);
    for (int f = t.older ? 1 : 0; f <= t.numFunctions; ++f)
        for (int p = 0; p <= m.NumPoints; ++p)
            in.real(m.Results[f][p], {"Results", 0, f, p, true});
    VisitClosingLines(m, in);
    // A keyed field the file does not name keeps its default, not the previous model's value.
    SetKeyedDefaults(m, keyed);
    ReadKeyedLines(in, m, keyed);
    return ModelStart::Read;
}

// Every model of the file into m, the last one read over the others; OtherTitle when the
// first is not this program's.
ModelStart ReadModels(const std::string& path, CamModel& m, const std::string& appTitle,
                      KeyedFields keyed) {
    LineReader reader(path, kMaxLineBytes);
    LineCursor in(reader);
    if (ReadOneModel(in, m, appTitle, keyed) == ModelStart::OtherTitle)
        return ModelStart::OtherTitle;
    // A file normally holds one model; another complete one after it is read over it.
    while (!in.atEnd()) {
        if (TitleOf(in.peekContent()) != appTitle) {
            const std::string_view line = in.take({"end"});
            throw Damage{in.lineNumber() - 1,
                         "should be the end of the file but holds " + Shown(line)};
        }
        ReadOneModel(in, m, appTitle, keyed);
    }
    return ModelStart::Read;
}

// What the input screen shows once a file has filled its rows.
void FillInputTexts(CamModel& m) {
    const int lawVariant = m.LawVariant; // a working variable of the next calculation
    for (int s = 1; s <= model::kMaxSegments; ++s) {
        m.SegHalf[s] = 0;
        motion::ReadLaw(m, s);
    }
    m.LawVariant = lawVariant;
    m.SegmentsText = std::to_string(m.NumSegments);
    m.DeltaText = text::TrimmedStr(m.DeltaTheta);
    m.OmegaText = motion::OmegaRpmText(m.CamOmega);
    for (int s = 1; s <= model::kMaxSegments; ++s) {
        // An unused row stays empty, as it was on the screen when the model was saved.
        const bool unused = m.SegDir[s].empty() && m.SegLawText[s].empty() && m.SegBeta[s] == 0.0f;
        m.SegBetaText[s] = unused ? std::string() : text::TrimmedStr(m.SegBeta[s]);
        m.PolyCoef[0][s] = static_cast<float>(m.SegNumBC[s]);
    }
}

// A file not read: the message shown, the current model untouched.
ReadResult Refused(Host& host, ReadStatus status, const std::string& message, model::Icon icon) {
    host.message(message, icon, model::DefaultTitle());
    return {status, nullptr, message};
}

// What follows from a whole file read into m.
void FinishReading(CamModel& m, const std::string& path) {
    m.PivotDistance = static_cast<float>(std::sqrt(static_cast<double>(m.ArmPivotX) * m.ArmPivotX +
                                                   static_cast<double>(m.ArmPivotY) * m.ArmPivotY));
    FillInputTexts(m);
    model::RefreshUnitLabels(m);
    m.FileName = path;
    m.ModelName = ModelNameFromPath(path);
    m.ModelSaved = true;
    // A file holds no transform.
    chain::Withdraw(m, model::Stage::Spectrum);
    // The stored conditions were solved when the model was saved: a polynomial row is
    // re-evaluated from them rather than typed again.
    m.BcUnchanged = true;
    m.Loading = false;
    m.ExampleLoaded = false;
}

} // namespace

ReadResult Readfile(const std::string& path, const CamModel& current, Host& host,
                    KeyedFields keyed) {
    auto fresh = std::make_unique<CamModel>(current);
    ModelStart start = ModelStart::Read;
    try {
        const model::BusyPointer busy(host);
        if (!model::RunGuarded(host, "Readfile",
                               [&] { start = ReadModels(path, *fresh, current.AppTitle, keyed); }))
            return {ReadStatus::Failed, nullptr, {}};
    } catch (const Damage& d) {
        return Refused(host, ReadStatus::Damaged,
                       "The file " + path + " could not be read: " +
                           (d.line > 0 ? "line " + std::to_string(d.line) + " " : std::string()) +
                           d.what + ".\rThe current model is unchanged.",
                       model::Icon::Exclamation);
    }
    if (start == ModelStart::OtherTitle)
        return Refused(host, ReadStatus::Incompatible,
                       "This data file is not compatible with " + current.AppTitle + ". ",
                       model::Icon::Question);

    FinishReading(*fresh, path);
    host.message("File " + fresh->FileName + " successfully read.", model::Icon::Information,
                 model::DefaultTitle());
    return {ReadStatus::Read, std::move(fresh), {}};
}

} // namespace trochix::files
