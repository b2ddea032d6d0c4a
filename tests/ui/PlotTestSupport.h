// Models and plot requests for the plot screen tests, and reading curves back from pictures.
#pragma once

#include "UiFixture.h"
#include "files/Examples.h"
#include "output/Sampling.h"
#include "spectrum/Spectrum.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace trochix::uitest {

// Example n computed whole at the given step, as the Examples menu leaves it.
inline void LoadComputedExample(UiFixture& f, int n, float step) {
    model::CamModel& m = *f.model;
    m.DeltaTheta = step;
    m.NumPoints = static_cast<int>(std::lround(360.0 / step));
    m.DeltaText = step == 1.0f ? "1" : (step == 0.5f ? ".5" : ".25");
    model::ClearResults(m, m.NumPoints, m.NumFunctions);
    if (!files::LoadExample(m, f.host, n))
        qFatal("example %d was not computed", n);
    f.host.clear();
}

// The plot request a selection screen's Done writes: layout `type` (1..4), `style` (1 Aligned,
// 2 Annotated), the rows of functions 1..count, and segment 0 for "All" or 1..NumSegments.
// Rows from 17 up are spectra, which run over harmonics 0..NumHarmonics.
inline void RequestPlot(model::CamModel& m, int type, int style, std::array<int, 4> rows, int count,
                        int segment) {
    m.PlotType = type;
    m.PlotStyle = style;
    m.NumPlotFuncs = count;
    for (int k = 1; k <= 4; ++k)
        m.PlotFunc[static_cast<std::size_t>(k)] =
            k <= count ? rows[static_cast<std::size_t>(k - 1)] : 0;
    m.PlotStepDeg = 1;
    m.SpectrumSelected = rows[0] >= 17;
    // A segment the model does not have is a mistake in the test, not a range to plot.
    if (segment < 0 || segment > m.NumSegments || segment > model::kMaxSegments)
        qFatal("no segment %d to plot", segment);
    m.PlotAllSegments = segment == 0;
    m.PlotStart = 0.0f;
    m.PlotEnd = 360.0f;
    if (segment > 0) {
        const auto seg = static_cast<std::size_t>(segment);
        m.CurSeg = segment;
        m.PlotStart = m.SegStart[seg];
        m.PlotEnd = m.SegEnd[seg];
    }
    if (m.SpectrumSelected) {
        m.PlotStart = 0.0f;
        m.PlotEnd = static_cast<float>(m.NumHarmonics);
    }
}

inline std::vector<int> SampledPoints(const model::CamModel& m) {
    return output::Indices(output::PlotSamples(m));
}

// The transform of `row` with harmonics 0..harmonics shown, as the FFT screen leaves it.
inline void ComputeSpectrum(UiFixture& f, int row, int harmonics) {
    if (!spectrum::SpectrumStep(*f.model, f.host, row, f.model->NumPoints))
        qFatal("no transform");
    f.model->NumHarmonics = harmonics;
    f.model->FftDone = true;
}

// The cam angle where row `row` is largest (the first such point).
inline double PeakAngle(const model::CamModel& m, int row) {
    int best = 0;
    for (int i = 0; i <= m.NumPoints; ++i)
        if (m.Results[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)] >
            m.Results[static_cast<std::size_t>(row)][static_cast<std::size_t>(best)])
            best = i;
    return m.Results[0][static_cast<std::size_t>(best)];
}

inline bool Blue(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 90 && qGreen(c) < 90;
}

// The middle of the highest row of blue pixels inside `rect`; (-1, -1) when there is none.
inline QPoint HighestBluePixel(const QImage& image, const QRect& rect) {
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        int first = -1, last = -1;
        for (int x = r.left(); x <= r.right(); ++x)
            if (Blue(image.pixel(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first >= 0)
            return {(first + last) / 2, y};
    }
    return {-1, -1};
}

} // namespace trochix::uitest
