// The sizing picture and the cam drawing as scenes of primitives (geometry/Scene.h), in the
// cam's own frame: the cam centre at the origin, y up, one model length unit per unit.
//
// The cam stands still and the follower is drawn at successive points of the cycle, so the
// roller circles (or the flat faces) envelop the cam surface while a red line traces the
// profile of Results rows 9 and 10 from point to point.
//
// Where the follower sits in that frame follows the profile (geometry/Profile.h): at cam angle
// theta the follower's own frame (axis along +x, the offset across it) is turned by
// -CamDirection x theta, and the follower point lies -CamDirection x e (roller) or
// -CamDirection x V/omega (flat face) off the axis.
//
//   SizeCam            the sizing picture of the sizing screen (pct_Cam)
//   CamDrawing         the Draw Cam picture: DrawProfileStart (DrawArrow and the follower at
//                      point 0), then DrawSub for frames 1 .. frameCount()-1, then Spokes
#pragma once

#include "geometry/Scene.h"
#include "geometry/SizingSummary.h"
#include "model/Colours.h"
#include "model/Forward.h"

#include <array>
#include <string>
#include <vector>

namespace trochix::geometry {

using model::CamModel;
using model::Host;

// The colours of the cam pictures, taken from the program's colour table.
struct CamColours {
    Rgb ColProfile;  // red: traced profile, arm arc
    Rgb ColArm;      // green: oscillating arm
    Rgb ColFollower; // blue: roller, flat face
    Rgb ColInk;      // black: axes, hub, pivot, follower stem
    Rgb ColBack;     // white: background
    Rgb ColSpoke;    // cyan: segment spokes
    Rgb ColPrime;    // magenta: prime circle
    Rgb ColArrow;    // purple: rotation arrow
    Rgb ColBase;     // grey: base circle
    Rgb ColBody;     // light grey: the cam body
};
CamColours SetCamColours(const model::ColourTable& table);

// Square window around the profile (rows 9 and 10, points 0..NumPoints) and the cam centre,
// widened by 1.35 RollerRadius + 0.1 PrimeRadius on every side. For translating followers.
SceneWindow Autoscale(const CamModel& model);

// Square window about the cam centre: half-size 1.25 (Rp + Rf) for a translating follower,
// 1.1 x the larger of the pivot distance and Rp + Rf for an oscillating one.
SceneWindow Sizescale(const CamModel& model, double followerRadius);

// Axes (0.9 E each way), prime circle (R0), base circle (Rb), a filled hub of 0.3 h and the
// rotation arrow: an arc of 2.5 h from 0.3 to 1.3 radians with its head at 1.3 for a
// counter-clockwise cam, mirrored about the 45 degree line for a clockwise one; h = 0.15 Rb.
void DrawArrow(Scene& scene, const SizePicture& picture, const CamColours& colours,
               int camDirection);

// The sizing picture for the model as it stands: the picture set-up (which may change
// FaceWidth and Offset of a flat face, and warns when the base circle is zero or negative),
// the window from Sizescale, DrawArrow and the follower at zero lift. Empty (no primitives)
// when there is nothing to draw.
Scene SizeCam(CamModel& model, Host& host, const model::ColourTable& table);

// The page of a drawing at true scale: one model length unit is one length unit of the unit
// system (in, ft, m, cm, mm), in millimetres.
struct PageMillimetres {
    double width, height;
};
PageMillimetres TrueScalePage(const SceneWindow& window, int unitSystem);

// The pause choices of cmb_wait and the pause between animation frames. DelayCount is ten
// times the choice; FramePauseMs maps it onto a timer interval that keeps the choices in
// order: a whole turn well under a second at "1", about a second per frame at "100000".
extern const std::array<std::string, 6> WaitList;
int DelayCountFor(int waitChoice);
int FramePauseMs(int delayCount);

// The Draw Cam picture of one model state. DrawCam_Setup copies what it needs from the model,
// so the drawing can be animated frame by frame while the model is free to change.
class CamDrawing {
public:
    // DrawCam_Setup: the colours, the picture set-up (warning and nothing drawable when the
    // base circle is zero or negative), the window (Autoscale for a translating follower,
    // Sizescale for an oscillating one) and the frames. `profileReady` says rows 9..14 (and
    // PivotX/PivotY) hold the profile of the current geometry; without it only the still
    // parts are drawn.
    static CamDrawing DrawCam_Setup(CamModel& model, Host& host, const model::ColourTable& table,
                                    bool profileReady);

    bool drawable() const { return m_drawable; }
    const SceneWindow& window() const { return m_window; }
    const SizePicture& picture() const { return m_pic; }
    const CamColours& colours() const { return m_col; }

    // Follower positions drawn: point 0, then every 6 degrees of cam angle up to and including
    // the last point, so the trace closes (61 at every step); 0 when nothing is drawable.
    int frameCount() const { return static_cast<int>(m_frames.size()); }
    int framePoint(int k) const { return m_frames[k]; }

    // The cam as a body under the drawing, its undercut stretches in red; empty for a cam
    // with no plane surface or without the profile of the current geometry.
    const std::vector<Point>& bodyOutline() const { return m_body; }
    const std::vector<std::vector<Point>>& undercutMarks() const { return m_undercut; }

    // The body's edge coloured by the contact pressure (Hertz p0, row 23) where the contact
    // stage holds it: blue at the least pressure through green and yellow to red at the
    // largest, one stretch per point of the profile. Off unless asked for and computed.
    struct PressureStretch {
        Point a, b;
        float p0;
    };
    bool canColourByPressure() const { return !m_pressureEdge.empty(); }
    void colourByPressure(bool on) { m_colourByPressure = on && canColourByPressure(); }
    bool colouredByPressure() const { return m_colourByPressure; }
    float largestPressure() const { return m_pressureMax; }
    // Window, background, the body, DrawArrow and the follower at point 0 (frame 0).
    Scene DrawProfileStart() const;
    // Frame k (1 .. frameCount()-1): the trace through every point since frame k-1, then the
    // follower at the frame's point.
    void DrawSub(Scene& scene, int k) const;
    // One line per motion segment from the cam centre to the base circle, at the segment's
    // start angle measured from the zero-lift follower point.
    void Spokes(Scene& scene) const;
    // The whole drawing as the last frame leaves it, with the trace as one polyline through
    // every profile point (one outline for a CAD program).
    Scene Finished() const;

private:
    void FollowerAt(Scene& scene, int i) const;
    void TranslatingStart(Scene& scene) const;
    void OscillatingStart(Scene& scene) const;
    void FlatFace(Scene& scene, int i) const;
    void Pivot(Scene& scene, Point at, double radius, bool filled) const;
    Point P(int i) const { return m_points[i]; }

    bool m_drawable = false;
    bool m_ready = false;
    bool m_translating = true;
    bool m_flat = false;
    int m_camDirection = -1;
    SizePicture m_pic;
    CamColours m_col{};
    SceneWindow m_window;
    double m_omega = 1.0;
    double m_L = 0.0;
    double m_armDirection = 1.0;
    double m_pivotAngle = 0.0, m_armAngle0 = 0.0, m_rollerAngle0 = 0.0;
    double m_sMin = 0.0, m_sMax = 0.0;
    Point m_pivot0;
    double m_mark = 0.0; // size of the contact-point mark
    std::vector<Point> m_body;
    std::vector<std::vector<Point>> m_undercut;
    std::vector<PressureStretch> m_pressureEdge;
    float m_pressureMin = 0.0f, m_pressureMax = 0.0f;
    std::string m_pressureUnit;
    bool m_colourByPressure = false;
    std::vector<Point> m_points; // profile, points 0..NumPoints
    std::vector<Point> m_pivots; // oscillating arm pivot per point
    std::vector<double> m_theta, m_V;
    std::vector<float> m_segStart; // start angle of segments 1..NumSegments
    std::vector<int> m_frames;
};

// Where the arm arc of an oscillating follower is drawn about the pivot (radians, in the
// cam frame at cam angle 0): the arm's swing over the cycle with a margin each side, or the
// whole circle when the arm does not reach the prime circle.
struct ArcSpan {
    double start, end;
};
ArcSpan ArmSwing(double pivotAngleDeg, double armDirection, double armAngle0Deg, double sMin,
                 double sMax, bool reaches);

} // namespace trochix::geometry
