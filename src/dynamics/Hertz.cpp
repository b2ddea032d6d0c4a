#include "dynamics/Hertz.h"

#include <cmath>

namespace trochix::dynamics {

namespace {
// u = zeta^2 at the largest shear: the positive root of u^2 + u - 1 = 0.
const double kShearU = (std::sqrt(5.0) - 1.0) / 2.0;
// pi in full precision: stresses are physics here, not the program's angle arithmetic.
constexpr double kPiExact = 3.14159265358979323846;
} // namespace

const double kShearDepthRatio = std::sqrt(kShearU);
const double kShearRatio = kShearDepthRatio - kShearU / std::sqrt(1.0 + kShearU);

double ContactModulus(double E1, double nu1, double E2, double nu2) {
    return 1.0 / ((1.0 - nu1 * nu1) / E1 + (1.0 - nu2 * nu2) / E2);
}

double RelativeCurvature(double followerRadius, double surfaceCurvature) {
    return (followerRadius > 0.0 ? 1.0 / followerRadius : 0.0) + surfaceCurvature;
}

LineContact HertzLine(double force, double width, double relCurvature, double modulus) {
    const double Rp = 1.0 / relCurvature;
    LineContact c;
    c.halfWidth = std::sqrt(4.0 * force * Rp / (kPiExact * width * modulus));
    c.pressure = 2.0 * force / (kPiExact * c.halfWidth * width);
    return c;
}

} // namespace trochix::dynamics
