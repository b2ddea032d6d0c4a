#include "dynamics/ResponseText.h"

#include "model/CamModel.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <cmath>

namespace trochix::dynamics {

namespace {

std::string T(double v) {
    return text::TrimmedStr(static_cast<float>(v));
}

} // namespace

bool IsRiseOrFallRow(const CamModel& m, int seg) {
    return seg >= 1 && seg <= m.NumSegments && seg <= model::kMaxSegments &&
           (m.SegDir[seg] == "R" || m.SegDir[seg] == "F") && !motion::IsDwellRow(m, seg);
}

double ResidualFraction(const CamModel& m, int seg) {
    if (!IsRiseOrFallRow(m, seg) || !m.Response.HasResidual[static_cast<std::size_t>(seg)] ||
        !(m.SegLift[seg] > 0.0f))
        return 0.0;
    return m.Response.Residual[static_cast<std::size_t>(seg)] / static_cast<double>(m.SegLift[seg]);
}

std::vector<std::string> ResponseLines(const CamModel& m) {
    std::vector<std::string> lines;
    for (int seg = 1; seg <= m.NumSegments && seg <= model::kMaxSegments; ++seg) {
        if (!IsRiseOrFallRow(m, seg))
            continue;
        const std::string head = "Residual seg " + std::to_string(seg) + ": ";
        if (!m.Response.HasResidual[static_cast<std::size_t>(seg)])
            lines.push_back(head + "none");
        else
            lines.push_back(head + T(m.Response.Residual[static_cast<std::size_t>(seg)]) + " (" +
                            T(ResidualFraction(m, seg)) + ")");
    }
    lines.push_back("MaxError=" + T(m.Response.MaxError) + " at " + T(m.Response.MaxErrorAngle));
    return lines;
}

std::string SpectrumCsv(const std::vector<SpectrumPoint>& points, double present,
                        double presentResidual) {
    std::string csv = "Ratio,Residual,Design\r\n";
    bool placed = false;
    const auto line = [&](double r, double v, bool design) {
        csv += text::TrimmedStr(static_cast<float>(r)) + "," +
               text::TrimmedStr(static_cast<float>(v)) + (design ? ",1" : ",0") + "\r\n";
    };
    for (const SpectrumPoint& p : points) {
        if (!placed && present <= p.ratio) {
            line(present, presentResidual, true);
            placed = true;
        }
        line(p.ratio, p.residual, false);
    }
    if (!placed)
        line(present, presentResidual, true);
    return csv;
}

} // namespace trochix::dynamics
