// Hertz line contact between two cylinders pressed together along a line of length L: the
// follower's roller (a flat face is a cylinder of infinite radius) on the cam surface at the
// contact, whose radius of curvature is signed (positive convex, negative concave).
//
//   1/E*  = (1 - nu1^2)/E1 + (1 - nu2^2)/E2                 contact modulus
//   1/R'  = 1/R1 + 1/R2                                     relative curvature, R2 signed
//   b     = sqrt(4 F R' / (pi L E*))                        half-width of the contact band
//   p0    = 2 F / (pi b L) = sqrt(F E* / (pi L R'))         peak pressure, at the band's middle
//
// Below the middle of the band (plane strain, depth z, zeta = z / b) the stresses are
//   sigma_z = -p0 / sqrt(1 + zeta^2)
//   sigma_x = -p0 ((1 + 2 zeta^2) / sqrt(1 + zeta^2) - 2 zeta)
// so the shear in the x-z plane, (sigma_z - sigma_x) / 2 in size, is
//   tau(zeta) = p0 (zeta - zeta^2 / sqrt(1 + zeta^2)).
// d tau / d zeta = 0 gives (1 + zeta^2)^1.5 = zeta (2 + zeta^2); squared, with u = zeta^2,
// (1 + u)^3 = u (2 + u)^2, i.e. u^2 + u - 1 = 0, u = (sqrt 5 - 1) / 2. Hence the largest shear
//   tau_max = 0.3003 p0 at z = 0.7862 b,
// for any Poisson ratio (neither stress above depends on it).
#pragma once

namespace trochix::dynamics {

// zeta = z / b and tau / p0 at the largest subsurface shear, from the closed form above.
extern const double kShearDepthRatio; // 0.78615...
extern const double kShearRatio;      // 0.30028...

// E* of two bodies; moduli in one stress unit. Nonpositive moduli or ratios outside [0, 0.5]
// are the caller's to refuse.
double ContactModulus(double E1, double nu1, double E2, double nu2);

// 1/R' of a follower of radius followerRadius (0: a flat face) on a surface of signed
// curvature surfaceCurvature (1/rho, positive convex). Zero or below: no Hertz contact (a
// surface straight under a flat face, or bent tighter than the roller it would have to hold).
double RelativeCurvature(double followerRadius, double surfaceCurvature);

struct LineContact {
    double halfWidth = 0.0; // b
    double pressure = 0.0;  // p0
};

// force > 0, width > 0, relCurvature > 0, modulus E* > 0.
LineContact HertzLine(double force, double width, double relCurvature, double modulus);

} // namespace trochix::dynamics
