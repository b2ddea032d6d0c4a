// The groove of a barrel cam, unrolled from its prime cylinder: the centre line runs at
// x = Rp theta (the arc length on the prime cylinder) and y = S, and the two walls lie one
// roller radius either side of it along its normal. Each is a developed curve: after a turn it
// moves on by the circumference (ClosedCurve::period), so the arc fit treats it like a closed
// one and the first and last elements meet where the sheet is wrapped round the cylinder.
#pragma once

#include "geometry/MotionAt.h"
#include "geometry/PlaneCurve.h"
#include "model/Forward.h"

#include <optional>
#include <vector>

namespace trochix::geometry {

class BarrelDevelopment {
public:
    BarrelDevelopment(double primeRadius, double rollerRadius, MotionFunction motion,
                      std::vector<double> breaks);
    // A barrel cam with a translating roller follower; none otherwise.
    static std::optional<BarrelDevelopment> Of(const CamModel& model);

    double primeRadius() const { return Rp_; }
    double rollerRadius() const { return Rr_; }
    double circumference() const;
    const std::vector<double>& breaks() const { return breaks_; }

    CurvePoint centreAt(double theta) const;
    // The curve at distance d to the left of the centre line going with the cam angle (towards
    // +y on a dwell); d < 0 to the right. The walls are at +Rr and -Rr.
    CurvePoint offsetAt(double theta, double d) const;
    // Signed curvature of the centre line, positive where it turns towards +y.
    double curvature(double theta) const;

    ClosedCurve centre() const;
    ClosedCurve offset(double d) const;

private:
    double Rp_, Rr_;
    MotionFunction motion_;
    std::vector<double> breaks_;
};

} // namespace trochix::geometry
