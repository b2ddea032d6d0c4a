#include "ui/picture/PictureRun.h"

#include "chain/ResponseStage.h"
#include "files/OpenModel.h"
#include "model/CamModel.h"
#include "model/Captions.h"
#include "model/Colours.h"
#include "model/Initialize.h"
#include "model/RowCatalogue.h"
#include "model/StreamHost.h"
#include "output/FunctionList.h"
#include "ui/AppContext.h"
#include "ui/Catalog.h"
#include "ui/Commands.h"
#include "ui/Dialogs.h"
#include "ui/Navigator.h"
#include "ui/picture/DesignMapPicture.h"
#include "ui/picture/DrawCamPicture.h"
#include "ui/picture/PlotPicture.h"
#include "ui/picture/ScreenPicture.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace trochix::ui {

namespace {

// Nobody answers a dialog on the command line: every one counts as cancelled.
class NoDialogs : public Dialogs {
public:
    std::optional<std::string> saveFileName(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> openFileName(const FileRequest&) override { return std::nullopt; }
    bool choosePrinter(QPrinter&, QWidget*) override { return false; }
};

// The model of the picture as File > Open gives it, or recomputed whole with --recalc; false
// when it could not be opened or computed (the host said why).
bool LoadModel(model::CamModel& m, const PictureOptions& o, model::Host& host) {
    return files::OpenModel(m, {.path = o.openPath, .example = o.example}, host,
                            o.recalc ? files::OpenResults::Recalculate
                                     : files::OpenResults::Stored) == files::OpenStatus::Opened;
}

} // namespace

int RunPicture(const PictureOptions& o, std::ostream& err) {
    auto camModel = std::make_unique<model::CamModel>();
    model::StreamHost host(err);
    model::Initialize(*camModel, host);
    if (!LoadModel(*camModel, o, host)) {
        err << "trochix: the model could not be computed; no picture written\n";
        return 1;
    }
    // The follower's response is computed on demand, as its Dynamics button does: a plot of
    // its rows asks for it.
    const bool wantsResponse =
        std::any_of(o.plotCodes.begin(), o.plotCodes.end(), [](const std::string& code) {
            return model::RowCatalogue[static_cast<std::size_t>(output::MatchFunction(code))]
                       .stage == model::Stage::Response;
        });
    if (!o.draw && wantsResponse && !chain::RunResponse(*camModel, host)) {
        err << "trochix: the follower's response could not be computed; no picture written\n";
        return 1;
    }
    NoDialogs dialogs;
    Navigator navigator;
    Commands commands;
    AppContext ctx{*camModel, host, navigator, dialogs, commands};
    model::SetColours(ctx.colours);
    navigator.attach(ctx);
    RegisterAll(ctx);
    navigator.setCaptions(model::SetCaptions(camModel->AppTitle));

    std::string error;
    const bool written = !o.screen.empty() ? RenderScreenPicture(ctx, o.screen, o.outPath, error)
                         : o.draw          ? RenderDrawCamPicture(ctx, o.outPath, error)
                         : o.designMap     ? RenderDesignMapPicture(ctx, o, error)
                                           : RenderPlotPicture(ctx, o, error);
    if (!written) {
        err << "trochix: " << error << '\n';
        return 1;
    }
    return host.faultCount() == 0 ? 0 : 1;
}

} // namespace trochix::ui
