#include "files/ModelFile.h"

#include "files/FileValues.h"
#include "files/KeyedFields.h"
#include "files/ModelFields.h"
#include "files/SafeFile.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "motion/MathHelpers.h"

namespace trochix::files {

using model::Fault;

std::string Describe(const FieldName& f) {
    if (f.results)
        return "Results row " + std::to_string(f.i) + ", point " + std::to_string(f.j);
    std::string out = f.seg > 0 ? "segment " + std::to_string(f.seg) + ", " : std::string();
    out += f.name;
    if (f.i >= 0) {
        out += "(" + std::to_string(f.i);
        if (f.j >= 0)
            out += ", " + std::to_string(f.j);
        out += ")";
    }
    return out;
}

namespace {

// Writes every visited field as one line.
class FieldWriter {
public:
    explicit FieldWriter(LineWriter& out) : out_(out) {}
    void real(const float& v, const FieldName&) { out_.real(v); }
    void integer(const int& v, const FieldName&, const IntRule&) { out_.integer(v); }
    void text(const std::string& v, const FieldName&, const TextRule&) { out_.text(v); }
    void boolean(const bool& v, const FieldName&) { out_.boolean(v); }

private:
    LineWriter& out_;
};

} // namespace

std::string ModelFileText(const CamModel& m, const std::string& fileName, KeyedFields keyed) {
    if (m.NumPoints < 0 || m.NumPoints > model::kMaxPoints)
        throw Fault(model::kSubscriptOutOfRange);
    LineWriter out;
    out.str().reserve(static_cast<std::size_t>(model::kNumFunctions + 1) * (m.NumPoints + 1) * 12 +
                      100000);
    out.text(m.AppTitle);
    out.text(m.AppVersion);
    out.text(m.FileVersion);
    out.text(""); // reserved
    out.text(fileName);
    out.text(m.UserName);
    out.integer(m.DesignNo);
    out.text(m.DateStr);
    out.text(m.TimeStr);
    out.real(m.CamOmega);
    out.integer(m.NumSegments);
    out.real(m.DeltaTheta);
    // The table sizes of this program; they drive the reader's loops.
    out.integer(model::kNumFunctions);
    out.integer(model::kMaxSegments);
    out.integer(model::kMaxBCs);
    out.integer(m.NumPoints);

    FieldWriter w(out);
    for (int s = 1; s <= model::kMaxSegments; ++s)
        VisitSegmentSlot(m, s, model::kMaxBCs, w);
    for (int f = 0; f <= model::kNumFunctions; ++f)
        for (int p = 0; p <= m.NumPoints; ++p)
            out.real(m.Results[f][p]);
    VisitClosingLines(m, w);
    for (const KeyedField& field : keyed)
        if (const std::optional<std::string> line = KeyedLine(m, field))
            out.line(*line);
    return std::move(out.str());
}

void Writefile(const CamModel& m, const std::string& path) {
    WriteWholeFile(path, ModelFileText(m, path));
}

void ShowWrittenMessage(Host& host, const std::string& fileName) {
    host.message("File was successfully written to \r" + fileName, model::Icon::Information,
                 model::DefaultTitle());
}

std::string ModelNameFromPath(const std::string& path) {
    std::string name = path.size() >= 4 ? motion::StripFilename(path) : std::string();
    if (name.empty()) {
        const std::size_t slash = path.find_last_of("/\\");
        name = slash == std::string::npos ? path : path.substr(slash + 1);
    }
    return name;
}

bool SaveModel(CamModel& m, const std::string& path, Host& host, const std::string& routineName) {
    bool saved = false;
    model::RunGuarded(host, routineName, [&] {
        {
            const model::BusyPointer busy(host);
            Writefile(m, path);
        }
        m.FileName = path;
        m.ModelSaved = true;
        m.ModelName = ModelNameFromPath(path);
        saved = true;
        ShowWrittenMessage(host, m.FileName);
    });
    return saved;
}

} // namespace trochix::files
