#include "files/DesignMapFile.h"

#include "files/SafeFile.h"
#include "model/ReportError.h"
#include "text/NumberText.h"

namespace trochix::files {

std::string DesignMapCsv(const geometry::DesignMap& map) {
    std::string out = std::string("prime radius,") + geometry::MapAxisName(map.second) +
                      ",max pressure angle,min surface radius,undercut\n";
    for (int j = 0; j < map.size; ++j) {
        for (int i = 0; i < map.size; ++i) {
            const geometry::MapNode& n = map.at(i, j);
            out += text::ShortestDouble(map.primeAt(i), 17) + ',' +
                   text::ShortestDouble(map.secondAt(j), 17) + ',';
            if (n.valid)
                out += text::ShortestFloat(n.largest(), 9) + ',' +
                       text::ShortestFloat(n.surface, 9) + ',' + (n.undercut ? '1' : '0');
            else
                out += ",,";
            out += '\n';
        }
    }
    return out;
}

bool WriteDesignMapCsv(const geometry::DesignMap& map, const std::string& path, model::Host& host) {
    return model::RunGuarded(host, "DesignMap", [&] { WriteWholeFile(path, DesignMapCsv(map)); });
}

} // namespace trochix::files
