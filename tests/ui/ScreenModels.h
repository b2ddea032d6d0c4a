// The models the screen pictures are checked on: example 1 for most screens, and a computed
// program with a polynomial row for the screens that show one.
#pragma once

#include "UiFixture.h"
#include "chain/Recalculate.h"
#include "files/OpenModel.h"
#include "forms/BoundsForm.h"
#include "model/SegmentTable.h"
#include "motion/MotionLaws.h"

#include <string>

namespace trochix::uitest {

// A dwell of 60 degrees, then a polynomial rise of 2 over 120 from S, V, A = 0 at both ends
// (the 3-4-5 law, S = 2 (10 x^3 - 15 x^4 + 6 x^5)) and a cycloid fall, computed whole.
inline void PolynomialProgram(UiFixture& f) {
    model::CamModel& m = *f.model;
    m.NumSegments = 3;
    const struct {
        const char* dir;
        int law;
        float beta;
        const char *start, *end;
    } rows[] = {{"D", motion::kLawDwell, 60.0f, "0", "0"},
                {"P", motion::kLawPolynomial, 120.0f, "0", "2"},
                {"F", motion::kLawCycloidFull, 180.0f, "2", "0"}};
    for (int s = 1; s <= 3; ++s) {
        const auto& r = rows[s - 1];
        m.SegDir[s] = m.SegDesc[s] = r.dir;
        m.SegLawText[s] = motion::LawList[r.law];
        m.SegBeta[s] = r.beta;
        m.SegBetaRadArr[s] = static_cast<float>(r.beta / 57.29577950560105);
        m.SegStartText[s] = r.start;
        m.SegEndText[s] = r.end;
    }
    model::StartEnd(m);
    m.CurSeg = 2;
    motion::BoundsInput in;
    in.requested = 6;
    in.box[0] = {"0", "0", "0", ""};
    in.box[4] = {"2", "0", "0", ""};
    QVERIFY(motion::ReadBounds(m, f.host, in));
    QVERIFY(chain::RecalculateModel(m, f.host));
    m.CurSeg = 1; // where the input screen last stood
    f.host.clear();
}

// The model `screen` is opened on, as the command line opens an example.
inline void OpenModelFor(UiFixture& f, const std::string& screen) {
    if (screen == "bounds" || screen == "poly") {
        PolynomialProgram(f);
        return;
    }
    QVERIFY(files::OpenModel(*f.model, {.path = "", .example = 1}, f.host,
                             files::OpenResults::Stored) == files::OpenStatus::Opened);
    f.host.clear();
}

} // namespace trochix::uitest
