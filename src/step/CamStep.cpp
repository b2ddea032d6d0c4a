#include "step/CamStep.h"

#include "files/SafeFile.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRep_Tool.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GC_MakeSegment.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include <unistd.h>

namespace trochix::step {

namespace {

using geometry::FitElement;
using geometry::FitKind;
using model::Fault;

[[noreturn]] void Refuse(const std::string& why) {
    throw Fault(model::kInvalidProcedureCall, "STEP model: " + why);
}

std::string Number(double v) {
    std::ostringstream s;
    s.precision(6);
    s << v;
    return s.str();
}

gp_Pnt At(geometry::Point2 p) {
    return gp_Pnt(p.x, p.y, 0.0);
}

TopoDS_Edge EdgeOf(const FitElement& e) {
    if (e.kind == FitKind::Line) {
        GC_MakeSegment segment(At(e.start), At(e.end));
        if (!segment.IsDone())
            Refuse("a line of the contour has no length");
        return BRepBuilderAPI_MakeEdge(segment.Value()).Edge();
    }
    // A clockwise arc runs anticlockwise about -Z, so both kinds are made in their own sense.
    const gp_Ax2 axis(At(e.centre), e.ccw ? gp::DZ() : -gp::DZ());
    GC_MakeArcOfCircle arc(gp_Circ(axis, e.radius), At(e.start), At(e.end), Standard_True);
    if (!arc.IsDone())
        Refuse("an arc of the contour cannot be made");
    return BRepBuilderAPI_MakeEdge(arc.Value()).Edge();
}

TopoDS_Wire WireOf(const std::vector<FitElement>& contour) {
    if (contour.empty())
        Refuse("the contour is empty");
    BRepBuilderAPI_MakeWire wire;
    for (const FitElement& e : contour) {
        wire.Add(EdgeOf(e));
        if (!wire.IsDone())
            Refuse("the contour is not connected");
    }
    if (!BRep_Tool::IsClosed(wire.Wire()))
        Refuse("the contour does not close");
    return wire.Wire();
}

TopoDS_Shape PlateOf(const std::vector<FitElement>& contour, double thickness,
                     double boreDiameter) {
    if (!(thickness > 0.0) || !std::isfinite(thickness))
        Refuse("the thickness " + Number(thickness) + " is not above 0");
    BRepBuilderAPI_MakeFace face(WireOf(contour), Standard_True);
    if (!face.IsDone())
        Refuse("the contour does not bound a plane face");
    BRepPrimAPI_MakePrism prism(face.Face(), gp_Vec(0.0, 0.0, thickness));
    if (!prism.IsDone())
        Refuse("the outline cannot be extruded");
    if (!(boreDiameter > 0.0))
        return prism.Shape();

    // The bore must stay clear of the outline: a cut through it would part the plate.
    double nearest = std::numeric_limits<double>::infinity();
    for (const FitElement& e : contour)
        nearest = std::min(nearest, geometry::DistanceToElement(e, {0.0, 0.0}));
    if (!(boreDiameter / 2.0 < nearest))
        Refuse("the bore (diameter " + Number(boreDiameter) +
               ") reaches the cam outline, which comes within " + Number(nearest) +
               " of the centre");
    // Longer than the plate at both ends, so no face of the cylinder lies on the plate's.
    const gp_Ax2 axis(gp_Pnt(0.0, 0.0, -thickness), gp::DZ());
    BRepPrimAPI_MakeCylinder bore(axis, boreDiameter / 2.0, 3.0 * thickness);
    BRepAlgoAPI_Cut cut(prism.Shape(), bore.Shape());
    if (!cut.IsDone() || cut.HasErrors())
        Refuse("the bore cannot be cut from the plate");
    return cut.Shape();
}

void CheckSolid(const TopoDS_Shape& shape) {
    int solids = 0;
    for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next())
        ++solids;
    if (solids != 1 || !BRepCheck_Analyzer(shape).IsValid())
        Refuse("the plate is not one valid solid");
}

// The writer names only a path; it writes to a file of its own, whose bytes then go whole to
// the target like every other file.
class TempPath {
public:
    TempPath() {
        std::string templ =
            (std::filesystem::temp_directory_path() / "trochix-step-XXXXXX").string();
        const int fd = ::mkstemp(templ.data());
        if (fd < 0)
            throw Fault(files::FileFaultNumber(errno), templ);
        ::close(fd);
        path_ = templ;
    }
    TempPath(const TempPath&) = delete;
    TempPath& operator=(const TempPath&) = delete;
    ~TempPath() { ::unlink(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string StepBytes(const TopoDS_Shape& shape) {
    STEPControl_Writer writer;
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    if (writer.Transfer(shape, STEPControl_AsIs) != IFSelect_RetDone)
        Refuse("the solid cannot be translated");
    const TempPath temp;
    if (writer.Write(temp.path().c_str()) != IFSelect_RetDone)
        throw Fault(model::kDeviceIOError, temp.path());
    std::ifstream in(temp.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof())
        throw Fault(model::kDeviceIOError, temp.path());
    return bytes;
}

} // namespace

bool WriteCamStep(const std::vector<FitElement>& contour, double thickness, double boreDiameter,
                  const std::string& path, model::Host& host, const std::string& routine) {
    const model::BusyPointer busy(host);
    return model::RunGuarded(host, routine, [&] {
        std::string bytes;
        try {
            const TopoDS_Shape plate = PlateOf(contour, thickness, boreDiameter);
            CheckSolid(plate);
            bytes = StepBytes(plate);
        } catch (const Standard_Failure& f) {
            // The modelling library's own exceptions are not std::exception.
            throw Fault(model::kInternalError,
                        std::string("STEP model: the modelling failed: ") + f.GetMessageString());
        }
        files::WriteWholeFile(path, bytes);
    });
}

} // namespace trochix::step
