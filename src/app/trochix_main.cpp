// The desktop program: start-up in the program's order, then the home screen's event loop.
#include "model/CamModel.h"
#include "model/Captions.h"
#include "model/Colours.h"
#include "model/Initialize.h"
#include "ui/AppContext.h"
#include "ui/Catalog.h"
#include "ui/Commands.h"
#include "ui/Dialogs.h"
#include "ui/FileCommands.h"
#include "ui/Look.h"
#include "ui/Navigator.h"
#include "ui/QtHost.h"
#include "ui/picture/PictureOptions.h"
#include "ui/picture/PictureRun.h"

#include <QApplication>

#include <clocale>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

std::string ProgramPath(const char* argv0) {
    std::string path = argv0 ? argv0 : "trochix";
    if (path.find('/') != std::string::npos) {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::weakly_canonical(path, ec);
        if (!ec)
            path = full.string();
    }
    return path;
}

// A picture asked on the command line: drawn off screen, so no display is needed.
int RunPictureCommand(const trochix::ui::PictureOptions& options, char** argv) {
    using namespace trochix;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The toolkit would read options such as --style itself: it gets the program name only.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ui::ApplyLook(app);
    return ui::RunPicture(options, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    using namespace trochix;
    const ui::StartCommand command =
        ui::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.kind) {
    case ui::StartKind::Help: std::cout << ui::ProgramUsage(); return 0;
    // TROCHIX_VERSION is CMake's PROJECT_VERSION, the one place the version is kept.
    case ui::StartKind::Version: std::cout << "trochix " TROCHIX_VERSION "\n"; return 0;
    case ui::StartKind::UsageError:
        std::cerr << "trochix: " << command.error << "\n\n" << ui::ProgramUsage();
        return 2;
    case ui::StartKind::Picture: return RunPictureCommand(*command.picture, argv);
    case ui::StartKind::Screens: break;
    }
    if (!HasDisplay()) {
        // Without a display the toolkit would abort; say how to run instead.
        std::cout << "TROCHIX needs a display to show its screens.\n"
                     "Run it from a desktop session, or under a virtual display:\n"
                     "    xvfb-run -a "
                  << ProgramPath(argc > 0 ? argv[0] : nullptr) << "\n";
        return 0;
    }

    QApplication app(argc, argv);
    // The toolkit adopts the user's locale; numbers in files and on screens use '.' always.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("TROCHIX");
    ui::ApplyLook(app);

    auto camModel = std::make_unique<model::CamModel>();
    ui::QtHost host;
    ui::QtDialogs dialogs;
    ui::Navigator navigator;
    ui::Commands commands;
    ui::AppContext ctx{*camModel, host, navigator, dialogs, commands};
    ctx.quit = [] { QApplication::exit(0); };

    model::SetColours(ctx.colours);
    model::Initialize(*camModel, host);
    navigator.attach(ctx);
    ui::RegisterAll(ctx);
    navigator.setCaptions(model::SetCaptions(camModel->AppTitle));

    QWidget* home = navigator.screen(model::ScreenId::HomeScreen);
    ui::Navigator::Centre(*home);
    navigator.ShowScreen(model::ScreenId::Title); // Start shows the home screen
    if (!home->isVisible())
        navigator.ShowScreen(model::ScreenId::HomeScreen); // the title card was closed otherwise
    // A file the desktop hands over (a double-clicked .cam) opens over the home screen.
    if (!command.openPath.empty())
        ui::OpenNamedFile(ctx, command.openPath);
    return app.exec();
}
