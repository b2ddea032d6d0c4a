#include "chain/Stages.h"

#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "model/RowCatalogue.h"

namespace trochix::chain {

namespace {

constexpr unsigned Reads(std::initializer_list<Input> inputs) {
    unsigned bits = 0;
    for (Input i : inputs)
        bits |= 1u << static_cast<unsigned>(i);
    return bits;
}

int Index(Stage s) {
    return static_cast<int>(s);
}

// The stage whose rows the current transform was taken of.
Stage TransformSource(const CamModel& m) {
    const int row = m.FftRow;
    return row >= 0 && row < model::kResultRows ? model::RowCatalogue[row].stage : Stage::Motion;
}

void ClearRows(CamModel& m, Stage s) {
    for (const model::RowInfo& info : model::RowCatalogue) {
        if (info.stage != s || info.row == model::ResultRow::CamAngle)
            continue;
        if (info.row == model::ResultRow::Torque && !m.TorqueStartFresh)
            continue;
        m.Results[info.row].fill(0.0f);
    }
    if (s == Stage::Spectrum)
        for (auto& harmonic : m.FFTResult)
            harmonic.fill(0.0f);
}

void WithdrawOne(CamModel& m, Stage s) {
    m.*Info(s).flag = false;
    ClearRows(m, s);
}

} // namespace

const std::array<StageInfo, model::kStageCount> kStages = {{
    {Stage::Motion, "compute the motion program first", Reads({Input::MotionProgram}),
     &CamModel::SvajDone},
    {Stage::Sizing, "size the cam first", Reads({Input::MotionProgram, Input::CamGeometry}),
     &CamModel::ProfileDone},
    {Stage::Profile, "size the cam first", Reads({Input::MotionProgram, Input::CamGeometry}),
     &CamModel::ProfileDone},
    {Stage::Dynamics, "compute the dynamics first",
     Reads({Input::MotionProgram, Input::CamGeometry, Input::FollowerTrain}),
     &CamModel::DynamicsDone},
    {Stage::Torque, "compute the dynamics first",
     Reads({Input::MotionProgram, Input::CamGeometry, Input::FollowerTrain, Input::Bearing}),
     &CamModel::DynamicsDone},
    {Stage::Contact, "compute the dynamics first",
     Reads({Input::MotionProgram, Input::CamGeometry, Input::FollowerTrain, Input::ContactData}),
     &CamModel::ContactDone},
    {Stage::Response, "compute the follower's response first",
     Reads({Input::MotionProgram, Input::FollowerTrain, Input::ResponseData}),
     &CamModel::ResponseDone},
    {Stage::Spectrum, "compute a Fourier transform first", Reads({Input::Transform}),
     &CamModel::FftDone},
}};

const StageInfo& Info(Stage stage) {
    return kStages[static_cast<std::size_t>(Index(stage))];
}

bool Done(const CamModel& m, Stage stage) {
    return m.*Info(stage).flag;
}

Stage FirstReader(Input input) {
    const unsigned bit = 1u << static_cast<unsigned>(input);
    for (const StageInfo& s : kStages)
        if (s.inputs & bit)
            return s.stage;
    return Stage::Spectrum;
}

void Withdraw(CamModel& m, Stage first) {
    // Stages that share a flag stand and fall together.
    for (const StageInfo& s : kStages)
        if (s.flag == Info(first).flag && Index(s.stage) < Index(first)) {
            first = s.stage;
            break;
        }
    const bool transformStale = Index(TransformSource(m)) >= Index(first);
    for (const StageInfo& s : kStages) {
        if (s.stage == Stage::Spectrum) {
            if (transformStale || first == Stage::Spectrum)
                WithdrawOne(m, s.stage);
        } else if (Index(s.stage) >= Index(first)) {
            WithdrawOne(m, s.stage);
        }
    }
}

void Changed(CamModel& m, Input input) {
    Withdraw(m, FirstReader(input));
    m.ModelSaved = false;
}

void Completed(CamModel& m, Stage stage) {
    const bool transformStale = Index(TransformSource(m)) >= Index(stage);
    bool CamModel::*const flag = Info(stage).flag;
    for (const StageInfo& s : kStages) {
        if (Index(s.stage) <= Index(stage) || s.flag == flag)
            continue;
        if (s.stage != Stage::Spectrum || transformStale)
            WithdrawOne(m, s.stage);
    }
    m.*flag = true;
}

void Holds(CamModel& m, Stage stage) {
    m.*Info(stage).flag = true;
}

} // namespace trochix::chain
