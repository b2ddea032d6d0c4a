#include "model/PageHeader.h"

#include "model/CamModel.h"
#include "model/Host.h"
#include "text/TextColumns.h"

namespace trochix::model {

std::string ExportDateText(const DateTime& t) {
    return std::to_string(t.month) + "/" + std::to_string(t.day) + "/" + std::to_string(t.year);
}

std::string ExportTimeText(const DateTime& t) {
    return TimeText(t);
}

std::vector<std::string> IdentificationLines(const CamModel& m, const DateTime& now) {
    text::TextLine file("File " + m.ModelName);
    file.zone().zone().text("Design #").number(m.DesignNo);
    text::TextLine user(m.UserName);
    user.zone().text(ExportDateText(now)).zone().text(ExportTimeText(now));
    return {file.str(), user.str()};
}

std::vector<std::string> PageHeader(const CamModel& m, Host& host) {
    const std::vector<std::string> id = IdentificationLines(m, host.now());
    return {"", "", "", id[0], id[1], "", ""};
}

} // namespace trochix::model
