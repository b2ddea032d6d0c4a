// The rows of Results, by the names the program gives its functions. Rows 0..16 are functions
// of cam angle (point i at i x DeltaTheta degrees); rows 17..21 hold the current Fourier
// transform by harmonic number; rows 22.. are the contact's and 25.. the response's, again by cam angle, and are not
// stored in a model file (they are computed again from the rows that are). The enumerators convert to int, so they index Results and the
// name tables directly: m.Results[ResultRow::Force][i], FuncShort[ResultRow::Force].
#pragma once

namespace trochix::model {

struct ResultRow {
    enum : int {
        CamAngle = 0,          // degrees
        Displacement = 1,      // S, length (degrees of arm rotation for an oscillating follower)
        Velocity = 2,          // per second
        Acceleration = 3,      // per second squared
        Jerk = 4,              // per second cubed
        PressureAngle = 5,     // degrees
        RadiusOfCurvature = 6, // length, clamped to +-10 PrimeRadius
        Force = 7,
        Torque = 8,
        XCoord = 9, // profile, cam frame
        YCoord = 10,
        CamRadius = 11,
        CamTheta = 12, // degrees
        XShifted90 = 13,
        YShifted90 = 14,
        FrictionTorque = 15,
        FlywheelTorque = 16,
        FftReal = 17,
        FftImag = 18,
        FftMagnitude = 19,
        FftPhase = 20,
        FftPower = 21,
        ContactForce = 22,     // normal force at the contact, F / cos(pressure angle)
        ContactPressure = 23,  // Hertz peak pressure p0, force per length squared
        ContactHalfWidth = 24, // Hertz half-width b of the contact band, length
        ActualDisplacement = 25, // the elastic follower's displacement x, units of S
        MotionError = 26,        // x - S
        ActualAcceleration = 27, // x'', units of S per second squared
    };
};

// The screen row (0..15) of segment 1..16, and back: SegDone is kept by screen row.
constexpr int SegmentRow(int segment) {
    return segment - 1;
}
constexpr int RowSegment(int row) {
    return row + 1;
}

} // namespace trochix::model
