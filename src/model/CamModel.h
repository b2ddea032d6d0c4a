// The one cam model: every input, working variable, flag and result of a cam design.
// The application owns exactly one instance and hands it by reference to the screens and
// computations. Per-segment arrays are indexed 1..16 (slot 0 unused); screen rows are 0..15.
// Reals are float, as stored in model files; flags are bool.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace trochix::model {

constexpr int kMaxSegments = 16;
constexpr int kMaxBCs = 20;
constexpr int kNumFunctions = 16; // last function row that is cleared, saved and listed
constexpr int kResultRows = 28;   // rows 17..21 the current Fourier transform, 22.. contact, 25.. response
constexpr int kMaxPoints = 1440;  // NumPoints at a step of 0.25 degree

constexpr const char* kAppTitle = "TROCHIX for Windows";

// The follower train and friction a model starts with; MassProp (model/Initialize.h) puts
// them back.
namespace dynamics_defaults {
constexpr float EffMass = 0.073804f;
constexpr float SpringK = 132.0f;
constexpr float Preload = 173.0f;
constexpr float DampRatio = 0.15f;
constexpr float JournalRadius = 0.5f;
constexpr float JournalFriction = 0.01f;
constexpr float FollowerFriction = 0.1f;
constexpr float FluctCoef = 0.05f;
} // namespace dynamics_defaults

// What the contact stage found (dynamics/Contact.h), in the model's units; angles in degrees.
struct ContactFigures {
    std::vector<std::array<float, 2>> JumpRanges; // cam angles from..to where N <= 0
    float MinForce = 0.0f, MinForceAngle = 0.0f;  // smallest normal force and where
    float MaxForce = 0.0f;                        // largest normal force
    float PreloadNeeded = 0.0f;                   // preload that keeps the margin (0: none needed)
    bool SpringReaches = false;                   // some spring rate keeps the margin
    float SpringNeeded = 0.0f;                    // the least such rate (0: none needed)
    bool TopSpeedLimited = true;                  // false: contact holds at every speed
    float TopSpeed = 0.0f;                        // rpm: the highest speed that keeps contact
    bool HertzValid = false;                      // some point has a Hertz contact
    float HertzMax = 0.0f, HertzMaxAngle = 0.0f;  // largest p0 and where
    float HalfWidthAtMax = 0.0f;                  // b there
    float ShearMax = 0.0f, ShearDepth = 0.0f;     // largest subsurface shear, its depth
    int NoHertzPoints = 0; // points with a positive force but no convex contact (undercut)
};

// What the response stage found (dynamics/Response.h), in the units of S; angles in degrees.
struct ResponseFigures {
    bool FromRest = false;   // the rows hold one turn from rest, not the steady state
    float OmegaN = 0.0f;     // natural frequency of the train as solved, rad per second
    float Zeta = 0.0f;       // and its damping ratio
    float MaxError = 0.0f;   // largest |x - S| over the stored points
    float MaxErrorAngle = 0.0f;
    // Per rise or fall 1..16 followed by a dwell: the vibration's amplitude as the dwell starts.
    std::array<bool, 17> HasResidual{};
    std::array<float, 17> Residual{};
};

template <class T> using SegArray = std::array<T, kMaxSegments + 1>;
// Boundary-condition tables, indexed [condition or term 0..20][segment 0..16].
using BcTable = std::array<std::array<float, kMaxSegments + 1>, kMaxBCs + 1>;
using ResultTable = std::array<std::array<float, kMaxPoints + 1>, kResultRows>;

struct CamModel {
    // ---- limits and sizes
    int MaxSegments = kMaxSegments;
    int NumSegments = 1;
    int MaxBCs = kMaxBCs;
    int NumFunctions = kNumFunctions;
    float DeltaTheta = 1.0f; // degrees: 1, 0.5 or 0.25
    int NumPoints = 360;     // 360 / DeltaTheta

    // ---- identity and bookkeeping
    std::string AppTitle = kAppTitle;
    std::string AppVersion = "6.0";
    std::string AppDate = "11/30/99";
    std::string FileVersion = "2.1";
    std::string ModelName = "Model1";
    std::string FileName;
    std::string UserName;
    int DesignNo = 1;
    std::string DateStr;
    std::string TimeStr;

    // ---- flags
    bool Loading = false; // a file or example fills the screens: handlers must not clear
    bool ExampleLoaded = false;
    bool SvajDone = false;
    bool ProfileDone = false;
    bool DynamicsDone = false;
    bool FftDone = false;
    bool ContactDone = false;
    bool ResponseDone = false;
    bool ModelSaved = false;
    bool ContinuityOK = true;
    bool BcUnchanged = false;   // the open polynomial's conditions were solved and not edited since
    bool ExampleSizing = false; // the sizing screen is being filled by an example

    // ---- the input screen's cam-data boxes, as typed
    std::string OmegaText = "1";    // cam speed, rpm
    std::string SegmentsText = "1"; // number of segments
    std::string DeltaText = "1";    // step, degrees

    // ---- cam and follower data
    float CamOmega = 1.0f; // rad/s
    float CamOmega2 = 1.0f;
    float CamOmega3 = 1.0f;
    float PrimeRadius = 1.0f;
    float Offset = 0.0f;
    float RollerRadius = 1.0f;
    int FollowerType = 1; // 1 roller, 2 flat-faced
    bool Translating = true;
    int CamDirection = -1; // +1 counter-clockwise, -1 clockwise
    std::string CamType = "Radial";
    float ArmPivotX = 0.0f;
    float ArmPivotY = 0.0f;
    float ArmRadius = 0.0f;
    float ArmDirection = 1.0f; // +1 counter-clockwise, -1 clockwise
    int UnitSystem = 1;
    bool TorqueStartFresh = true;

    // ---- segment table (1..16)
    SegArray<std::string> SegDir{};     // "R", "F", "P", "D"
    SegArray<std::string> SegLawText{}; // law list text of the row, as shown
    SegArray<int> SegLawFamily{};       // list index 0..12 of the law, -1 none
    SegArray<int> SegHalf{};            // 1 first half, 2 second half (half laws)
    SegArray<float> SegBeta{};          // degrees
    SegArray<float> SegBetaRadArr{};    // radians
    SegArray<float> SegStart{};         // degrees
    SegArray<float> SegEnd{};           // degrees
    SegArray<float> SegLift{};          // h >= 0; a dwell's position
    SegArray<float> SegLow{};           // base position added to S
    SegArray<std::string> SegDesc{};
    SegArray<std::string> SegBetaText{};  // the row's Beta box text
    SegArray<std::string> SegStartText{}; // the row's Start position text as typed
    SegArray<std::string> SegEndText{};   // the row's End position text as typed
    SegArray<int> SegNumBC{};
    // SegEnds[seg][e][k]: e = 1 start, 2 end (0 unused but stored); k = S, V, A, J
    SegArray<std::array<std::array<float, 4>, 3>> SegEnds{};
    std::array<bool, kMaxSegments> SegDone{}; // screen rows 0..15

    // ---- polynomial segments from boundary conditions
    int BcRequested = 2;
    bool BcValid = false;
    BcTable BcPos{};     // x = theta / beta of condition i
    BcTable BcOrder{};   // 0 S, 1 V, 2 A, 3 J
    BcTable BcValue{};   // value converted to the x domain
    BcTable BcEntered{}; // value as typed
    BcTable PolyExponent{};
    BcTable PolyExponentShown{};
    BcTable PolyCoef{}; // [0][seg] holds the number of terms
    BcTable PolyBcPos{};
    BcTable PolyBcOrder{};
    std::array<std::array<double, kMaxBCs + 1>, kMaxBCs + 1> BcMatrix{};
    std::array<double, kMaxBCs + 1> BcRhs{};

    // ---- working variables of the S-V-A-J computation
    int CurSeg = 1;
    float SegBetaDeg = 0.0f;
    float SegBetaRad = 0.0f;
    float SegBetaRad2 = 0.0f;
    float SegBetaRad3 = 0.0f;
    float ThetaLocal = 0.0f;
    float Sval = 0.0f;
    float Vval = 0.0f;
    float Aval = 0.0f;
    float Jval = 0.0f;
    float Lift = 0.0f;
    int LawVariant = 1; // 1 full law, 2 half law
    float TotalLift = 0.0f;

    // ---- results: rows 0..21 by points 0..NumPoints
    ResultTable Results{};
    std::array<std::string, kResultRows> UnitLabel{}; // 0..17, and the contact and response rows

    // ---- sizing
    float FaceWidth = 0.0f;
    std::string RollerRadiusText;
    float PivotDistance = 0.0f;
    float PivotAngle = 0.0f;
    float ArmAngle0 = 0.0f;
    float CentreAngle0 = 0.0f;
    float RollerRadius0 = 0.0f; // roller-centre radius at zero displacement
    float RollerAngle0 = 0.0f;
    float RollerX0 = 0.0f;
    float RollerY0 = 0.0f;
    float PressMax = 0.0f, PressMaxAngle = 0.0f;
    float PressMin = 0.0f, PressMinAngle = 0.0f;
    float RhoPosMax = 0.0f, RhoPosMaxAngle = 0.0f;
    float RhoPosMin = 0.0f, RhoPosMinAngle = 0.0f;
    float RhoNegMax = 0.0f, RhoNegMaxAngle = 0.0f;
    float RhoNegMin = 0.0f, RhoNegMinAngle = 0.0f;
    std::string RhoPosMaxText = "None";
    std::string RhoPosMinText = "None";
    std::string RhoNegMaxText = "None";
    std::string RhoNegMinText = "None";
    float RhoMin = 0.0f;
    std::string DivZeroTerm;
    std::array<float, kMaxPoints + 1> PivotX{};
    std::array<float, kMaxPoints + 1> PivotY{};

    // ---- dynamics
    float EffMass = dynamics_defaults::EffMass;
    float SpringK = dynamics_defaults::SpringK;
    float Preload = dynamics_defaults::Preload;
    float DampRatio = dynamics_defaults::DampRatio;
    float DampC = 0.0f;
    float JournalRadius = dynamics_defaults::JournalRadius;
    float JournalFriction = dynamics_defaults::JournalFriction;
    float FollowerFriction = dynamics_defaults::FollowerFriction;
    float FluctCoef = dynamics_defaults::FluctCoef;
    float OmegaN = 0.0f;
    float CritDamp = 0.0f;
    float OmegaD = 0.0f;
    bool OmegaDValid = false; // false when k/m < (c/2m)^2: no real damped frequency
    float ForceMax = 0.0f, ForceMin = 0.0f, TorqueMax = 0.0f;
    float AvgTorque = 0.0f;
    std::vector<float> PosAreas; // pulse areas, index 1.. (0 unused)
    std::vector<float> NegAreas;
    int FirstSign = 0; // -1, +1, or 0 when not found
    int PulseCount = 0;

    // ---- spectrum
    std::vector<std::array<float, 5>> FFTResult; // harmonics 0..H: re, im, mag, phase, power
    int FftRow = 0;                              // Results row transformed
    int NumHarmonics = 15;
    float HarmonicSum = 0.0f;
    float HarmonicPower = 0.0f;
    float HarmonicRms = 0.0f;

    // ---- the machined cam, saved as keyed lines; 0 takes the value derived from the cam
    float CutterRadius = 0.0f;     // 0: the roller radius
    float SurfaceTolerance = 0.0f; // 0: 0.0025 mm in the model's length unit
    float PlateThickness = 0.0f;   // 0: half the prime radius
    float BoreDiameter = 0.0f;     // 0: no bore

    // ---- the contact between cam and follower, saved as keyed lines; a modulus of 0 is steel
    // in the model's stress unit, a width of 0 the plate's thickness
    float ContactWidth = 0.0f;
    float CamModulus = 0.0f;
    float FollowerModulus = 0.0f;
    float CamPoisson = 0.3f;
    float FollowerPoisson = 0.3f;
    float ContactMargin = 0.1f; // the smallest force kept above zero, part of the largest
    ContactFigures Contact;

    // ---- the follower's real motion: the train's stiffness between cam and mass, saved as a
    // keyed line (0: the spring of the Dynamics screen stands for the whole train), and whether
    // the rows start from rest at cam angle 0 rather than in the steady state
    float TrainStiffness = 0.0f;
    bool ResponseFromRest = false;
    ResponseFigures Response;

    // ---- plot and print requests
    int PlotType = 1;  // 1 single, 2 two windows, 3 four windows, 4 polar
    int PlotStyle = 2; // 1 Aligned, 2 Annotated
    int NumPlotFuncs = 4;
    std::array<int, 5> PlotFunc{0, 1, 2, 3, 4}; // 1..4
    float PlotStart = 0.0f;
    float PlotEnd = 360.0f;
    int PlotStepDeg = 1;
    bool SpectrumSelected = false;
    bool WindowOverflow = false;
    bool PlotAllSegments = true; // segment choice "All"
    int OutputDevice = 0;        // 0 screen, 1 printer, 2 disk file
    int NumPrintCols = 4;
    int PrintEvery = 1;
    std::array<int, 4> Decimals{2, 2, 2, 2};
    std::array<std::string, 4> PrintColName{};
    bool SegmentPrint = false;
};

} // namespace trochix::model
