#include "ui/Catalog.h"

#include "ui/AppContext.h"
#include "ui/ExampleCommands.h"
#include "ui/FileCommands.h"
#include "ui/Navigator.h"
#include "ui/screens/AboutScreen.h"
#include "ui/screens/AlignedPlotScreen.h"
#include "ui/screens/AnimateScreen.h"
#include "ui/screens/AnnotatedPlotScreen.h"
#include "ui/screens/BoundsScreen.h"
#include "ui/screens/ContinuityScreen.h"
#include "ui/screens/DesignMapScreen.h"
#include "ui/screens/DynamicsScreen.h"
#include "ui/screens/FftScreen.h"
#include "ui/screens/HomeScreen.h"
#include "ui/screens/InputDataScreen.h"
#include "ui/screens/MakeCamScreen.h"
#include "ui/screens/PlotSelect4Screen.h"
#include "ui/screens/PlotSelectScreen.h"
#include "ui/screens/PlotTypeScreen.h"
#include "ui/screens/PolyScreen.h"
#include "ui/screens/PrintDataScreen.h"
#include "ui/screens/PrintSelectScreen.h"
#include "ui/screens/QuitScreen.h"
#include "ui/screens/ResponseScreen.h"
#include "ui/screens/SizeCamScreen.h"
#include "ui/screens/TitleScreen.h"
#include "ui/screens/UserScreen.h"

namespace trochix::ui {

void RegisterAll(AppContext& ctx) {
    Navigator& nav = ctx.navigator;
    nav.registerScreen(ScreenId::Title, Make<TitleScreen>);
    nav.registerScreen(ScreenId::HomeScreen, Make<HomeScreen>);
    nav.registerScreen(ScreenId::InputData, Make<InputDataScreen>);
    nav.registerScreen(ScreenId::User, Make<UserScreen>);
    nav.registerScreen(ScreenId::Quit, Make<QuitScreen>);
    nav.registerScreen(ScreenId::About, Make<AboutScreen>);
    nav.registerScreen(ScreenId::Bounds, Make<BoundsScreen>);
    nav.registerScreen(ScreenId::Poly, Make<PolyScreen>);
    nav.registerScreen(ScreenId::Continuity, Make<ContinuityScreen>);
    nav.registerScreen(ScreenId::SizeCam, Make<SizeCamScreen>);
    nav.registerScreen(ScreenId::Animate, Make<AnimateScreen>);
    nav.registerScreen(ScreenId::MakeCam, Make<MakeCamScreen>);
    nav.registerScreen(ScreenId::DesignMap, Make<DesignMapScreen>);
    nav.registerScreen(ScreenId::Dynamics, Make<DynamicsScreen>);
    nav.registerScreen(ScreenId::Response, Make<ResponseScreen>);
    nav.registerScreen(ScreenId::FFT, Make<FftScreen>);
    nav.registerScreen(ScreenId::PlotType, Make<PlotTypeScreen>);
    nav.registerScreen(ScreenId::PlotSelect1, Make<PlotSelect1Screen>);
    nav.registerScreen(ScreenId::PlotSelect2, Make<PlotSelect2Screen>);
    nav.registerScreen(ScreenId::PlotSelect3, Make<PlotSelect3Screen>);
    nav.registerScreen(ScreenId::PlotSelect4, Make<PlotSelect4Screen>);
    for (ScreenId id : {ScreenId::Plot1, ScreenId::Plot2, ScreenId::Plot3, ScreenId::Plot4})
        nav.registerScreen(
            id, [id](AppContext& c) -> QWidget* { return new AnnotatedPlotScreen(c, id); });
    for (ScreenId id : {ScreenId::Myplot2, ScreenId::MyPlot3})
        nav.registerScreen(
            id, [id](AppContext& c) -> QWidget* { return new AlignedPlotScreen(c, id); });
    nav.registerScreen(ScreenId::PrintSelect, Make<PrintSelectScreen>);
    nav.registerScreen(ScreenId::PrintData, Make<PrintDataScreen>);
    RegisterFileCommands(ctx);
    RegisterExampleCommands(ctx);
}

} // namespace trochix::ui
