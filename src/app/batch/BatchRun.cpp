#include "app/batch/BatchRun.h"

#include "chain/Recalculate.h"
#include "chain/ResponseStage.h"
#include "chain/Stages.h"
#include "dynamics/ContactText.h"
#include "dynamics/ResponseText.h"
#include "files/CamFiles.h"
#include "files/DesignMapFile.h"
#include "files/ExportRegistry.h"
#include "files/Exports.h"
#include "files/ModelFile.h"
#include "files/OpenModel.h"
#include "files/SafeFile.h"
#include "forms/FftForm.h"
#include "forms/InputDataForm.h"
#include "geometry/DesignMap.h"
#include "geometry/MachinedCam.h"
#include "geometry/Suggest.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/ReportError.h"
#include "model/RowCatalogue.h"
#include "model/Units.h"
#include "motion/Continuity.h"
#include "output/FunctionList.h"
#include "output/PrintRequest.h"
#include "spectrum/Spectrum.h"
#include "step/MachinedCamFile.h"
#include "text/NumberText.h"

#include <algorithm>
#include <memory>
#include <string>

namespace trochix::batch {

using model::CamModel;

namespace {

// As File > Open: the results the file holds, or with --recalc all of them recomputed. A new
// step clears the results, so then the recomputation waits for the step.
bool Load(CamModel& m, const BatchOptions& o, StderrHost& host) {
    const bool recalcNow = o.recalc && o.stepText.empty();
    return files::OpenModel(m, {.path = o.openPath, .example = o.example}, host,
                            recalcNow ? files::OpenResults::Recalculate
                                      : files::OpenResults::Stored) == files::OpenStatus::Opened;
}

void SetStep(CamModel& m, StderrHost& host, const std::string& text) {
    motion::InputScreenState state = motion::LoadInputScreen();
    motion::SyncScreenState(m, state);
    motion::DeltaLostFocus(m, host, state, text);
}

bool Continuity(CamModel& m, StderrHost& host, std::ostream& out) {
    for (const std::string& line : motion::Continuity_Form(m, host))
        out << line << '\n';
    const motion::ContinuityResult r = motion::ContinuityDone(m, host);
    if (r.ok)
        out << "ContinuityOK=True\n";
    else
        out << "ContinuityOK=False largest=" << text::TrimmedStr(r.largest) << '\n';
    return r.completed;
}

// The suggestion for the command line's limits, put into the model and sized; its line.
bool SuggestSize(CamModel& m, StderrHost& host, const BatchOptions& o, std::ostream& out) {
    model::Host& shown = host;
    geometry::SuggestLimits limits;
    if (!o.paText.empty()) {
        const std::size_t comma = o.paText.find(',');
        limits.riseAngle = text::Val(o.paText.substr(0, comma));
        limits.fallAngle =
            comma == std::string::npos ? limits.riseAngle : text::Val(o.paText.substr(comma + 1));
    }
    if (!o.minRhoText.empty())
        limits.minSurface = text::Val(o.minRhoText);
    limits.bestOffset = o.bestOffset;
    if (!m.SvajDone) {
        shown.message("--suggest: compute the motion program first (--recalc)",
                      model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    const geometry::Suggestion s = geometry::Suggest(m, limits);
    if (!s.ok) {
        shown.message(s.refusal, model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    const auto number = [](double v) { return text::TrimmedStr(static_cast<float>(v)); };
    out << "Suggest: prime=" << number(s.prime) << " offset=" << number(s.offset);
    if (s.oscillating)
        out << " pivot=" << number(s.pivotDistance);
    out << " bound=" << geometry::BoundName(s.bound) << " pa=" << number(s.riseAngle) << ','
        << number(s.fallAngle) << " rho=" << number(s.minSurface) << '\n';
    geometry::ApplySuggestion(m, s);
    return chain::RecalculateSizing(m, host);
}

// The contact with the command line's width and materials, computed afresh (the default
// moduli follow the unit system, which --units may have changed), then its lines.
bool Contact(CamModel& m, StderrHost& host, const BatchOptions& o, std::ostream& out) {
    if (!m.DynamicsDone) {
        model::Host& shown = host;
        shown.message("--contact: compute the dynamics first (--recalc)", model::Icon::Exclamation,
                      model::DefaultTitle());
        return false;
    }
    const auto pair = [](const std::string& t, float& cam, float& follower) {
        if (t.empty())
            return;
        const std::size_t comma = t.find(',');
        cam = static_cast<float>(text::Val(t.substr(0, comma)));
        follower =
            comma == std::string::npos ? cam : static_cast<float>(text::Val(t.substr(comma + 1)));
    };
    if (!o.widthText.empty())
        m.ContactWidth = static_cast<float>(text::Val(o.widthText));
    pair(o.modulusText, m.CamModulus, m.FollowerModulus);
    pair(o.poissonText, m.CamPoisson, m.FollowerPoisson);
    chain::Changed(m, chain::Input::ContactData);
    if (!chain::RunContact(m, host))
        return false;
    for (const std::string& line : dynamics::ContactLines(m))
        out << line << '\n';
    return true;
}

// The map over the axes asked for, its ranges on a line, then the file.
bool DesignMapStep(const CamModel& m, StderrHost& host, const BatchOptions& o, std::ostream& out) {
    model::Host& shown = host;
    geometry::DesignMapRequest r;
    r.size = o.mapSize;
    const std::vector<geometry::MapAxis> axes = geometry::MapAxesOf(m);
    if (!axes.empty())
        r.second = axes.front();
    if (o.mapAxesText == "prime,roller")
        r.second = geometry::MapAxis::Roller;
    else if (o.mapAxesText == "prime,offset")
        r.second = geometry::MapAxis::Offset;
    else if (o.mapAxesText == "prime,pivot")
        r.second = geometry::MapAxis::Pivot;
    const geometry::DesignMap map = geometry::MakeDesignMap(m, r);
    if (!map.ok) {
        shown.message("--design-map: " + map.refusal, model::Icon::Exclamation,
                      model::DefaultTitle());
        return false;
    }
    const auto number = [](double v) { return text::ShortestDouble(v, 6); };
    std::string axis = geometry::MapAxisName(map.second);
    std::replace(axis.begin(), axis.end(), ' ', '_');
    out << "DesignMap: prime=" << number(map.primeFrom) << ".." << number(map.primeTo) << ' '
        << axis << '=' << number(map.secondFrom) << ".." << number(map.secondTo)
        << " nodes=" << map.size << 'x' << map.size << '\n';
    out.flush(); // the file may be standard output itself
    return files::WriteDesignMapCsv(map, o.designMapPath, host);
}

void TrainStiffness(CamModel& m, const BatchOptions& o) {
    if (o.trainStiffnessText.empty())
        return;
    m.TrainStiffness = static_cast<float>(text::Val(o.trainStiffnessText));
    chain::Changed(m, chain::Input::ResponseData);
}

// The follower's motion, steady or from rest, then its lines.
bool Response(CamModel& m, StderrHost& host, const BatchOptions& o, std::ostream& out) {
    if (m.ResponseFromRest != o.fromRest) {
        m.ResponseFromRest = o.fromRest;
        chain::Changed(m, chain::Input::ResponseData);
    }
    if (!chain::RunResponse(m, host))
        return false;
    for (const std::string& line : dynamics::ResponseLines(m))
        out << line << '\n';
    return true;
}

bool ResponseSpectrum(const CamModel& m, StderrHost& host, const BatchOptions& o) {
    model::Host& shown = host;
    std::vector<dynamics::SpectrumPoint> points;
    std::string why;
    const int seg = o.tableSegment;
    constexpr int kChartPoints = 241;
    if (!chain::SegmentSpectrum(m, seg, o.ratioFrom, o.ratioTo, kChartPoints, points, why)) {
        shown.message("--response-spectrum: " + why, model::Icon::Exclamation,
                      model::DefaultTitle());
        return false;
    }
    const double present = chain::PresentRatio(m, seg);
    std::vector<dynamics::SpectrumPoint> design;
    chain::SegmentSpectrum(m, seg, present, 2.0 * present, 2, design, why);
    const double designResidual = design.empty() ? 0.0 : design.front().residual;
    const std::string csv = dynamics::SpectrumCsv(points, present, designResidual);
    return model::RunGuarded(host, "ResponseSpectrum",
                             [&] { files::WriteWholeFile(o.spectrumOutPath, csv); });
}

std::string FftText(const CamModel& m) {
    std::string text;
    for (std::size_t h = 0; h < m.FFTResult.size(); ++h) {
        text += files::NumberItem(static_cast<float>(h)) + '\t';
        for (float v : m.FFTResult[h])
            text += files::NumberItem(v) + '\t';
        text += "\r\n";
    }
    return text;
}

bool Fft(CamModel& m, StderrHost& host, const BatchOptions& o, std::ostream& out) {
    if (!chain::RunSpectrum(m, host, o.fftRow, m.NumPoints))
        return false;
    // As the harmonics box: a count beyond N/2 is cut with the program's message.
    if (!spectrum::ChooseHarmonics(m, host, std::to_string(o.harmonics)).accepted)
        return false;
    out << "HarmonicSum=" << text::TrimmedStr(m.HarmonicSum)
        << " HarmonicPower=" << text::TrimmedStr(m.HarmonicPower)
        << " HarmonicRms=" << text::TrimmedStr(m.HarmonicRms) << '\n';
    out.flush(); // an output file may be standard output itself
    return model::RunGuarded(host, "Calc_DFT",
                             [&] { files::WriteWholeFile(o.fftOutPath, FftText(m)); });
}

// The print selection's Done with Disk File chosen, then its Print to Disk File. A column of
// the response's rows computes it first, as --response would (without its lines).
bool Table(CamModel& m, StderrHost& host, const BatchOptions& o) {
    const bool wantsResponse =
        std::any_of(o.tableCodes.begin(), o.tableCodes.end(), [](const std::string& code) {
            return model::RowCatalogue[static_cast<std::size_t>(output::MatchFunction(code))]
                       .stage == model::Stage::Response;
        });
    if (wantsResponse && !m.ResponseDone && m.SvajDone && !chain::RunResponse(m, host))
        return false;
    const output::PrintSettings settings{output::OutputDevice::DiskFile, o.tableEvery,
                                         o.tableDecimals};
    const output::TableChoice choice =
        output::SelectTableByCodes(m, o.tableCodes, o.tableSegment, settings);
    if (!choice.ok) {
        model::Host& shown = host;
        shown.message("--table: " + choice.error, model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    return files::Print_to_File(m, o.tableOutPath, host);
}

bool Exports(const CamModel& m, StderrHost& host, const BatchOptions& o) {
    for (std::size_t i = 0; i < files::kExports.size(); ++i) {
        const std::string& path = o.exportPaths[i];
        const files::ExportEntry& e = files::kExports[i];
        if (!path.empty() &&
            !(files::CheckModelExportable(m, host, e, true) && e.write(m, path, host)))
            return false;
    }
    return true;
}

// The machined cam with the command line's settings, its summary line, then the file.
bool Surface(CamModel& m, StderrHost& host, const BatchOptions& o, std::ostream& out) {
    const auto length = [](const std::string& t, float& field) {
        if (!t.empty())
            field = static_cast<float>(text::Val(t));
    };
    length(o.cutterText, m.CutterRadius);
    length(o.toleranceText, m.SurfaceTolerance);
    length(o.thicknessText, m.PlateThickness);
    length(o.boreText, m.BoreDiameter);
    geometry::MakeCamSettings settings = geometry::SettingsOf(m);
    settings.allowUndercut = o.allowUndercut;
    const geometry::MachinedCam cam = geometry::MakeCam(m, settings);
    if (cam.ok) {
        // A groove's count is of both its walls.
        out << "Surface: arcs=" << cam.surface.size() + cam.otherWall.size()
            << " maxdev=" << text::TrimmedStr(static_cast<float>(cam.deviation))
            << " undercut=" << cam.undercutText << '\n';
        const auto number = [](double v) { return text::TrimmedStr(static_cast<float>(v)); };
        const geometry::AsMadeResult& a = cam.asMade;
        // A per second squared, as the program's acceleration row.
        if (!a.rows.empty())
            out << "AsMade: S=" << number(a.maxSError) << " at " << number(a.maxSErrorAt)
                << " A=" << number(a.maxAError * m.CamOmega2) << " at " << number(a.maxAErrorAt)
                << '\n';
    }
    out.flush(); // the file may be standard output itself
    return step::WriteMachinedCamFile(m, cam, settings, *files::CamFileFormatOf(o.surfaceOutPath),
                                      o.surfaceOutPath, host);
}

int Status(bool ok, const StderrHost& host) {
    return ok && host.faultCount() == 0 ? 0 : 1;
}

} // namespace

int RunBatch(const BatchOptions& o, StderrHost& host, std::ostream& out, std::string& usageError) {
    auto m = std::make_unique<CamModel>();
    model::Initialize(*m, host);

    bool ok = Load(*m, o, host);
    if (ok && o.tableSegment > m->NumSegments) {
        usageError = "--segment takes all or 1 to " + std::to_string(m->NumSegments) +
                     " for this model, not " + std::to_string(o.tableSegment);
        return kUsageStatus;
    }
    if (ok && !o.spectrumOutPath.empty() && !chain::HasSpectrum(*m, o.tableSegment)) {
        usageError = "--response-spectrum charts a rise or fall: segment " +
                     std::to_string(o.tableSegment) + " of this model is not one";
        return kUsageStatus;
    }
    if (ok && o.units != 0)
        model::SelectUnitSystem(*m, o.units);
    if (ok && !o.stepText.empty())
        SetStep(*m, host, o.stepText);
    // --step goes with --recalc, whose recomputation Load left for after the step.
    if (ok && host.faultCount() == 0 && !o.stepText.empty())
        ok = chain::RecalculateModel(*m, host);
    if (ok && host.faultCount() == 0 && o.suggest)
        ok = SuggestSize(*m, host, o, out);
    if (ok && host.faultCount() == 0 && o.continuity)
        ok = Continuity(*m, host, out);
    if (ok && host.faultCount() == 0 && o.contact)
        ok = Contact(*m, host, o, out);
    if (ok && host.faultCount() == 0 && !o.designMapPath.empty())
        ok = DesignMapStep(*m, host, o, out);
    if (ok && host.faultCount() == 0)
        TrainStiffness(*m, o);
    if (ok && host.faultCount() == 0 && o.response)
        ok = Response(*m, host, o, out);
    out.flush(); // before any file is written, which may be standard output itself
    if (ok && host.faultCount() == 0 && !o.spectrumOutPath.empty())
        ok = ResponseSpectrum(*m, host, o);
    if (ok && host.faultCount() == 0 && o.fftRow != 0)
        ok = Fft(*m, host, o, out);
    if (ok && host.faultCount() == 0 && !o.tableCodes.empty())
        ok = Table(*m, host, o);
    if (ok && host.faultCount() == 0 && !o.savePath.empty())
        ok = files::SaveModel(*m, o.savePath, host, "frm_Homescreen.SaveAs");
    if (ok && host.faultCount() == 0)
        ok = Exports(*m, host, o);
    if (ok && host.faultCount() == 0 && !o.surfaceOutPath.empty())
        ok = Surface(*m, host, o, out);
    out.flush();
    return Status(ok, host);
}

} // namespace trochix::batch
