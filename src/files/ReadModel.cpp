// Reading a model file into a separate model, refusing the whole file at the first line that
// does not hold its field.
#include "files/FileValues.h"
#include "files/ModelFields.h"
#include "files/ModelFile.h"
#include "files/SafeFile.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/SegmentTable.h"
#include "model/Units.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <cmath>
#include <vector>

namespace trochix::files {

using model::ResultRow;

using model::Fault;

namespace {

// Larger than any model file (about 28,000 short lines).
constexpr std::size_t kMaxFileBytes = 64u << 20;

// Why a file was refused: the line (1-based) and what was wrong with it.
struct Damage {
    int line;
    std::string what; // "(field) should hold ..." or a whole sentence without a line
};

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

// The file as lines (CR LF or LF ends), with a cursor over them.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) {
        while (!text.empty()) {
            const std::size_t nl = text.find('\n');
            std::string_view line = text.substr(0, nl);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            lines_.push_back(line);
            if (nl == std::string_view::npos)
                break;
            text.remove_prefix(nl + 1);
        }
    }

    int lineNumber() const { return static_cast<int>(next_) + 1; }

    std::string_view take(const FieldName& f) {
        if (next_ >= lines_.size())
            throw Damage{lineNumber(), "(" + Describe(f) + ") is missing: the file ends early"};
        return lines_[next_++];
    }

    std::string_view lastLine() const { return next_ > 0 ? lines_[next_ - 1] : std::string_view(); }

    // True when only empty lines remain.
    bool atEnd() const {
        for (std::size_t i = next_; i < lines_.size(); ++i)
            if (!isBlank(lines_[i]))
                return false;
        return true;
    }

    // Skips empty lines; the next line, which is not empty.
    std::string_view peekContent() {
        while (next_ < lines_.size() && isBlank(lines_[next_]))
            ++next_;
        return lines_[next_];
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

    void text(std::string& v, const FieldName& f) {
        const std::string_view line = take(f);
        std::optional<std::string> t = DecodeText(line);
        if (!t)
            refuse(f, line, "a text in quotes");
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

    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
};

// Line 1 as a title: the quoted text, or the bare line when it has no quotes (a file of some
// other kind, which the title check then refuses).
std::string TitleOf(std::string_view line) {
    if (std::optional<std::string> t = DecodeText(line))
        return *t;
    return std::string(line);
}

enum class ModelStart { Read, OtherTitle };

// One model from the cursor into m. Returns OtherTitle, reading nothing further, when line 1
// is not the running program's title.
ModelStart ReadOneModel(LineCursor& in, CamModel& m, const std::string& appTitle) {
    if (TitleOf(in.take({"AppTitle"})) != appTitle)
        return ModelStart::OtherTitle;
    std::string ignored;
    in.text(ignored, {"AppVersion"});
    std::string third;
    in.text(third, {"FileVersion"});
    // Files before version 1.3 have the model name here and no reserved line.
    const bool older = text::Val(third.substr(0, 3)) < 1.3;
    if (older) {
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
    int numFunctions = 0, maxSegments = 0, maxBCs = 0, numPoints = 0;
    in.integer(numFunctions, {"NumFunctions"}, IntRule{1, model::kNumFunctions});
    in.integer(maxSegments, {"MaxSegments"}, IntRule{m.NumSegments, model::kMaxSegments});
    in.integer(maxBCs, {"MaxBCs"}, IntRule{0, model::kMaxBCs});
    const int expectedPoints = static_cast<int>(std::lround(360.0 / m.DeltaTheta));
    in.integer(numPoints, {"NumPoints"}, IntRule{expectedPoints, expectedPoints});
    m.NumPoints = numPoints;

    // The input screen's rows are reset before the file fills them; this also sets row 0 to
    // the cam angles of the file's step, which an older-layout file does not hold.
    model::ClearSegments(m);
    for (int f = 0; f <= model::kNumFunctions; ++f)
        for (int p = m.NumPoints + 1; p <= model::kMaxPoints; ++p)
            m.Results[f][p] = 0.0f;

    for (int s = 1; s <= maxSegments; ++s)
        VisitSegmentSlot(m, s, maxBCs, in);
    for (int f = older ? 1 : 0; f <= numFunctions; ++f)
        for (int p = 0; p <= m.NumPoints; ++p)
            in.real(m.Results[f][p], {"Results", 0, f, p, true});
    VisitClosingLines(m, in);
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
    auto trimmed = [](float v) {
        std::string s = text::Str(v);
        return s[0] == ' ' ? s.substr(1) : s;
    };
    m.DeltaText = trimmed(m.DeltaTheta);
    m.OmegaText = motion::OmegaRpmText(m.CamOmega);
    for (int s = 1; s <= model::kMaxSegments; ++s) {
        // An unused row stays empty, as it was on the screen when the model was saved.
        const bool unused = m.SegDir[s].empty() && m.SegLawText[s].empty() && m.SegBeta[s] == 0.0f;
        m.SegBetaText[s] = unused ? std::string() : trimmed(m.SegBeta[s]);
        m.PolyCoef[0][s] = static_cast<float>(m.SegNumBC[s]);
    }
}

} // namespace

ReadResult Readfile(const std::string& path, const CamModel& current, Host& host) {
    ReadResult result;
    host.setBusy(true);
    std::string bytes;
    auto fresh = std::make_unique<CamModel>(current);
    const bool opened = model::RunGuarded(
        host, "Readfile", [&] { bytes = ReadWholeFile(path, kMaxFileBytes); });
    if (!opened) {
        result.status = ReadStatus::Failed;
        return result;
    }

    try {
        if (bytes.size() > kMaxFileBytes)
            throw Damage{0, "it is far larger than any model file"};
        LineCursor in(bytes);
        // A file normally holds one model; another complete one after it is read over it.
        bool first = true;
        while (first || !in.atEnd()) {
            if (!first && TitleOf(in.peekContent()) != current.AppTitle) {
                const std::string_view line = in.take({"end"});
                throw Damage{in.lineNumber() - 1,
                             "should be the end of the file but holds " + Shown(line)};
            }
            first = false;
            if (ReadOneModel(in, *fresh, current.AppTitle) == ModelStart::OtherTitle) {
                result.status = ReadStatus::Incompatible;
                result.message = "This data file is not compatible with " + current.AppTitle + ". ";
                host.setBusy(false);
                host.message(result.message, model::Icon::Question, model::DefaultTitle());
                return result;
            }
        }
    } catch (const Damage& d) {
        result.status = ReadStatus::Damaged;
        result.message = "The file " + path + " could not be read: " +
                         (d.line > 0 ? "line " + std::to_string(d.line) + " " : std::string()) +
                         d.what + ".\rThe current model is unchanged.";
        host.setBusy(false);
        host.message(result.message, model::Icon::Exclamation, model::DefaultTitle());
        return result;
    }

    CamModel& m = *fresh;
    m.PivotDistance = static_cast<float>(
        std::sqrt(static_cast<double>(m.ArmPivotX) * m.ArmPivotX +
                  static_cast<double>(m.ArmPivotY) * m.ArmPivotY));
    FillInputTexts(m);
    model::RefreshUnitLabels(m);
    m.UnitLabel[ResultRow::CamAngle] = "Degrees";
    m.FileName = path;
    m.ModelName = ModelNameFromPath(path);
    m.ModelSaved = true;
    m.FftDone = false;
    // The stored conditions were solved when the model was saved: a polynomial row is
    // re-evaluated from them rather than typed again.
    m.BcUnchanged = true;
    m.Loading = false;
    m.ExampleLoaded = false;

    host.setBusy(false);
    host.message("File " + m.FileName + " successfully read.", model::Icon::Information,
                 model::DefaultTitle());
    result.status = ReadStatus::Read;
    result.model = std::move(fresh);
    return result;
}

} // namespace trochix::files
