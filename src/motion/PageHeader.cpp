#include "motion/PageHeader.h"

#include "files/Exports.h"
#include "model/CamModel.h"
#include "text/TextColumns.h"

namespace trochix::motion {
using text::TextLine;

std::vector<std::string> PageHeader(const model::CamModel& m, model::Host& host) {
    const model::DateTime now = host.now();
    TextLine file("File " + m.ModelName);
    file.zone().zone().text("Design #").number(m.DesignNo);
    TextLine user(m.UserName);
    user.zone().text(files::ExportDateText(now)).zone().text(files::ExportTimeText(now));
    return {"", "", "", file.str(), user.str(), "", ""};
}

} // namespace trochix::motion
