// Every screen and menu command of the program, registered once at start-up, and where each
// one lives.
//
// The catalogue: screen, its Qt-free logic (each screen's own is named <Screen>Form), its ui
// files, its tests. A new screen adds its row here.
//
//   frm_Title       model/Headers (ReleaseLine)
//                   ui/screens/TitleScreen, ui/screens/Banner
//                   tests/ui/ShellScreensTest
//   frm_HomeScreen  forms/HomeForm (enabling and its reasons, New, Quit), model/Units
//                   ui/screens/HomeScreen
//                   tests/forms/HomeFormTest, tests/ui/HomeScreenTest
//   frm_InputData   forms/InputDataForm (boxes, rows, row states),
//                   forms/MotionProgram (Calc, Calc All, Done)
//                   ui/screens/InputDataScreen, ui/screens/SegmentRowWidgets
//                   tests/forms/InputDataFormTest, tests/ui/InputDataScreenTest
//   frm_Bounds      forms/BoundsForm (reading the conditions), motion/Polynomial (the solve)
//                   ui/screens/BoundsScreen
//                   tests/motion/PolynomialTest, tests/ui/PolynomialScreensTest
//   frm_Poly        forms/PolyForm
//                   ui/screens/PolyScreen
//                   tests/motion/PolynomialTest, tests/ui/PolynomialScreensTest
//   frm_Continuity  motion/Continuity
//                   ui/screens/ContinuityScreen
//                   tests/motion/ContinuityTest, tests/ui/PolynomialScreensTest
//   frm_User        forms/UserForm
//                   ui/screens/UserScreen
//                   tests/ui/ShellScreensTest
//   frm_Quit        (none: Yes ends the program, No closes the screen)
//                   ui/screens/QuitScreen
//                   tests/ui/ShellScreensTest
//   frm_About       model/Headers (ReleaseLine)
//                   ui/screens/AboutScreen, ui/screens/Banner
//                   tests/ui/ShellScreensTest
//   frm_SizeCam     forms/SizeCamForm, geometry/SizingChecks, geometry/SizingSummary,
//                   chain/Recalculate (sizing and dynamics after an edit)
//                   ui/screens/SizeCamScreen, ui/screens/SizingWidgets
//                   tests/forms/SizeCamFormTest, tests/ui/SizeCamScreenTest
//   frm_Animate     forms/AnimateForm, geometry/CamScene, geometry/Scene
//                   ui/screens/AnimateScreen, ui/DrawingSurface, ui/PictureFile
//                   tests/geometry/CamSceneTest, tests/ui/AnimateScreenTest
//   frm_MakeCam     forms/MakeCamForm, geometry/MachinedCam (CamSurface, Undercut, ArcFit,
//                   AsMade), geometry/CamBody, geometry/MachinedCamScene, files/CamFiles,
//                   step/MachinedCamFile
//                   ui/screens/MakeCamScreen
//                   tests/forms/MakeCamFormTest, tests/ui/MakeCamScreenTest
//   frm_DesignMap   forms/DesignMapForm, geometry/DesignMap (on geometry/Suggest and
//                   geometry/SizingPoint), geometry/DesignMapScene, files/DesignMapFile
//                   ui/screens/DesignMapScreen, opened from frm_SizeCam
//                   tests/geometry/DesignMapTest, tests/forms/DesignMapFormTest,
//                   tests/ui/DesignMapScreenTest
//   frm_PlotType    output/Selection (plot types and what they need)
//                   ui/screens/PlotTypeScreen, ui/screens/LayoutPicture
//                   tests/output/SelectionTest, tests/ui/PlotSelectionTest
//   frm_PlotSelect1..3  output/FunctionList, output/Selection, output/SelectByCodes
//                   ui/screens/PlotSelectScreen (PlotSelect1Screen, PlotSelect2Screen,
//                   PlotSelect3Screen), ui/screens/FunctionSelector
//                   tests/output/FunctionListTest, tests/ui/PlotSelectionTest
//   frm_PlotSelect4 output/Selection
//                   ui/screens/PlotSelect4Screen
//                   tests/output/SelectionTest, tests/ui/PlotSelectionTest
//   frm_Plot1..4    output/AnnotatedPlot, output/Graph, output/PlotData
//                   ui/screens/AnnotatedPlotScreen, ui/screens/PlotScreenParts, ui/ChartView,
//                   ui/WidgetPainting
//                   tests/output/AnnotatedPlotTest, tests/ui/ChartViewTest,
//                   tests/ui/PlotScreensTest
//   frm_Myplot2, frm_MyPlot3  output/AlignedPlot, output/Graph
//                   ui/screens/AlignedPlotScreen, ui/AlignedPlotView
//                   tests/output/AlignedPlotTest, tests/ui/PlotScreensTest
//   frm_Dynamics    forms/DynamicsForm, dynamics/DynamicsText, dynamics/Flywheel
//                   ui/screens/DynamicsScreen, ui/ChartView
//                   tests/dynamics/DynamicsTest, tests/ui/DynamicsScreenTest
//   frm_Response    forms/ResponseForm, output/ResponseGraphs, dynamics/Response,
//                   dynamics/ResponseText, chain/ResponseStage
//                   ui/screens/ResponseScreen, ui/ChartView
//                   tests/dynamics/ResponseTest, tests/chain/ResponseStageTest,
//                   tests/ui/ResponseScreenTest
//   frm_FFT         forms/FftForm
//                   ui/screens/FftScreen, ui/ChartView
//                   tests/spectrum/DftTest, tests/ui/FftScreenTest
//   frm_PrintSelect output/PrintRequest, output/FunctionList
//                   ui/screens/PrintSelectScreen, ui/screens/FunctionSelector, ui/TableCommands
//                   tests/output/PrintRequestTest, tests/ui/TablesTest
//   frm_PrintData   output/TableOutput, output/Sampling
//                   ui/screens/PrintDataScreen, ui/TableGridView, ui/TextPagePrinter
//                   tests/output/TableOutputTest, tests/ui/TablesTest
// Menu commands of the home screen:
//   File            files/ModelFile, files/Exports, chain/Recalculate (sizing after Open)
//                   ui/FileCommands
//                   tests/files/ModelFileTest, tests/files/ExportsTest, tests/ui/FileCommandsTest
//   Examples        files/Examples
//                   ui/ExampleCommands
//                   tests/files/ExamplesTest, tests/ui/ExampleCommandsTest
// Pieces the screens share: ui/Controls (names, makers, commit on leaving a box), ui/ScreenBase
// (the fault and busy-pointer rule), ui/CommonButtons with model/CommonButtons, ui/Navigator,
// ui/HeaderPanels with model/Headers, ui/TextPagePrinter, ui/DrawingSurface with
// geometry/Scene; tests/ui/UiFixture.h drives them.
//
// To add a screen: include its header in Catalog.cpp and add one line to RegisterAll:
//     nav.registerScreen(ScreenId::SizeCam, Make<SizeCamScreen>);
// To add menu commands (file commands, examples): give the module a function that adds them,
//     void RegisterFileCommands(AppContext& ctx);   // ctx.commands.add(Command::SaveAs, ...)
// and call it from RegisterAll. The home screen enables the entries from then on.
// (Registration is explicit rather than by static objects: the screens live in a static
// library, and the linker would drop a module that nothing refers to.)
#pragma once

namespace trochix::ui {

struct AppContext;

void RegisterAll(AppContext& ctx);

} // namespace trochix::ui
