#include "dynamics/Dynamics.h"

#include "dynamics/Flywheel.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "motion/MathHelpers.h"

#include <cmath>

namespace trochix::dynamics {

using model::ResultRow;

using model::ToSingle;

namespace {

// Below this |cos phi| the pressure angle is +-90 degrees within float resolution: the
// nearest float angles to 90 degrees other than 90 itself give |cos phi| above 1e-7.
constexpr double kRightAngleCos = 1e-9;

// With zeta = 1 the float roundings of OmegaN, Cc and c leave k/m - (c/2m)^2 a few parts in
// 10^7 of k/m away from zero, on either side; such a residue is the zero it stands for.
constexpr double kRootTolerance = 2e-6;

} // namespace

void NaturalFrequencies(CamModel& model) {
    const double k = model.SpringK;
    if (k == 0.0)
        return;
    const double m = model.EffMass;
    const double km = k / model::CheckDivisor(m);
    if (km < 0.0)
        throw model::Fault(5);
    model.OmegaN = ToSingle(std::sqrt(km));
    model.CritDamp = ToSingle(2.0 * m * model.OmegaN);
    model.DampC = ToSingle(static_cast<double>(model.DampRatio) * model.CritDamp);

    const double half = model.DampC / (2.0 * m);
    double root = km - half * half;
    if (std::fabs(root) <= kRootTolerance * km)
        root = 0.0;
    model.OmegaDValid = root >= 0.0;
    model.OmegaD = model.OmegaDValid ? ToSingle(std::sqrt(root)) : 0.0f;
}

double RollerTravelPerUnit(const CamModel& model) {
    if (model.Translating)
        return 1.0;
    return static_cast<double>(model.ArmRadius) * model::kDegToRad;
}

double FrictionTorque(const CamModel& model, double normal, double cross, double S) {
    const double R0 = model.CamType == "Radial" ? model.PrimeRadius : 0.0;
    const double journal = std::fabs(normal * model.JournalFriction * model.JournalRadius);
    const double onFollower = model.FollowerType == 2 ? cross : normal;
    return journal + std::fabs(onFollower * model.FollowerFriction * (S + R0));
}

bool Dynamics(CamModel& model, Host& host) {
    bool rightAngle = false;
    const bool ok = model::RunGuarded(host, "Dynamics", [&] {
        NaturalFrequencies(model);
        const double omega = model::CheckDivisor(model.CamOmega);
        const float k = model.SpringK, F0 = model.Preload, c = model.DampC, m = model.EffMass;
        const double atRoller = RollerTravelPerUnit(model);
        auto& R = model.Results;
        for (int i = 0; i <= model.NumPoints; ++i) {
            const float S = ToSingle(atRoller * R[ResultRow::Displacement][i]),
                        V = ToSingle(atRoller * R[ResultRow::Velocity][i]),
                        A = ToSingle(atRoller * R[ResultRow::Acceleration][i]);
            const float F = ToSingle(k * S + F0 + c * V + m * A);
            R[ResultRow::Force][i] = F;

            const double phi = R[ResultRow::PressureAngle][i] * model::kDegToRad;
            const double cosPhi = std::cos(phi);
            double Tf = 0.0;
            if (std::fabs(cosPhi) < kRightAngleCos) {
                rightAngle = true;
            } else {
                const double normal = F / cosPhi;
                const double cross = std::fabs(F * std::tan(phi));
                Tf = FrictionTorque(model, normal, cross, S);
            }
            R[ResultRow::FrictionTorque][i] = ToSingle(Tf);
            const double drive = static_cast<double>(F) * V / omega;
            const double before = model.TorqueStartFresh ? 0.0 : R[ResultRow::Torque][i];
            R[ResultRow::Torque][i] = ToSingle(before + drive + Tf);
        }
        if (rightAngle)
            model::ReportError(host, model::kDivisionByZero, "Dynamics");

        using motion::Order;
        const auto force = motion::MaxMin2(R, Order::Pointer_I, 7, 0, model.NumPoints);
        model.ForceMax = static_cast<float>(force.max);
        model.ForceMin = static_cast<float>(force.min);
        model.TorqueMax =
            static_cast<float>(motion::MaxMin2(R, Order::Pointer_I, 8, 0, model.NumPoints).max);

        Fly(model, host);
    });
    return ok;
}

} // namespace trochix::dynamics
