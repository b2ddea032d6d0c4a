#include "files/ExportRegistry.h"

#include "chain/Stages.h"
#include "files/Exports.h"
#include "model/CamModel.h"
#include "model/Host.h"

namespace trochix::files {

namespace {

bool WriteCadkey(const CamModel& m, const std::string& path, Host& host) {
    return Export_Cadkey_to_File(m, kWholeRevolution, path, host);
}

} // namespace

const std::array<ExportEntry, kExportCount> kExports = {{
    {"--export-all", "all functions as text (File > Export > Spreadsheet)", "&Spreadsheet",
     "mnu_Spreadsheet", "Export All Data to a Text File", "*.txt", ".txt", "frm_Homescreen.Export",
     model::Stage::Profile, Export_All_to_File},
    {"--export-cadkey", "profile points over 0..360 degrees (File > Export > Cadkey)", "&Cadkey",
     "mnu_Cadkey", "Export XY data to a Cadkey file", "*.cad", ".cad",
     "frm_Homescreen.Export.Cadkey", model::Stage::Profile, WriteCadkey},
    {"--export-profile", "profile X and Y (File > Export > Profile)", "&Profile", "mnu_Profile",
     "Export Profile Data to a Text File", "*.pts", ".pts", "frm_Homescreen.Profile",
     model::Stage::Profile, Export_Profile_to_File},
}};

const ExportEntry* FindExportOption(std::string_view option) {
    for (const ExportEntry& e : kExports)
        if (option == e.option)
            return &e;
    return nullptr;
}

bool ExportAllowed(const CamModel& m, const ExportEntry& e) {
    return m.SvajDone && chain::Done(m, e.needs);
}

bool CheckModelExportable(const CamModel& m, Host& host, const ExportEntry& e, bool commandLine) {
    if (!CheckModelExportable(m, host))
        return false;
    if (ExportAllowed(m, e))
        return true;
    const std::string why = std::string("this export needs results not yet computed: ") +
                            chain::Info(e.needs).toCompute;
    host.message(commandLine ? std::string(e.option) + ": " + why : why, model::Icon::Exclamation,
                 model::DefaultTitle());
    return false;
}

} // namespace trochix::files
