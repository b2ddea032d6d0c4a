#include "files/OpenModel.h"

#include "chain/Recalculate.h"
#include "files/Examples.h"
#include "files/ModelFile.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "text/NumberText.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

namespace trochix::files {

namespace {

// The rows of a model whose motion program came with it are calculated: their points are in
// Results, so the input screen offers Plot and Print for them, not Calc.
void RowsCalculated(CamModel& model) {
    if (!model.SvajDone)
        return;
    for (int row = 0; row < model::kMaxSegments; ++row)
        model.SegDone[row] = row < model.NumSegments;
}

} // namespace

OpenStatus OpenModel(CamModel& model, const ModelSource& source, Host& host, OpenResults results) {
    if (source.example != 0) {
        if (source.example < 1 || source.example > kExampleCount)
            return OpenStatus::NotOpened;
        const bool loaded = LoadExample(model, host, source.example);
        RowsCalculated(model);
        return loaded ? OpenStatus::Opened : OpenStatus::Incomplete;
    }
    ReadResult read = Readfile(source.path, model, host);
    if (read.status != ReadStatus::Read)
        return OpenStatus::NotOpened; // the reader has said why
    model = std::move(*read.model);
    read.model.reset();
    bool computed = false;
    if (results == OpenResults::Recalculate) {
        // The file holds no roller radius text, and the chain does not make one.
        model.RollerRadiusText = text::FNRoundStr(model.RollerRadius, 2);
        computed = chain::RecalculateModel(model, host);
    } else {
        computed = chain::RecomputeSizingAfterRead(model, host);
    }
    RowsCalculated(model);
    return computed ? OpenStatus::Opened : OpenStatus::Incomplete;
}

std::string NamedFileProblem(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string file = "The model file " + path;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return file + " does not exist.";
    if (status.type() == fs::file_type::directory)
        return file + " is a folder, not a model file.";
    errno = 0;
    if (ec || !std::ifstream(path, std::ios::binary)) {
        const int why = ec ? ec.value() : errno;
        return file + " cannot be read" +
               (why ? std::string(" (") + std::strerror(why) + ")" : "") + ".";
    }
    return {};
}

} // namespace trochix::files
