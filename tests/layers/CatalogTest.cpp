// The catalogue in ui/Catalog.h tells a newcomer where each screen lives. It must name every
// screen the program registers (ui/Catalog.cpp), and every file it names must exist, so that a
// new screen or a moved module cannot leave it behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = TROCHIX_SOURCE_DIR;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.insert((*it)[1].str());
    return found;
}

TEST(Catalog, NamesEveryRegisteredScreen) {
    const std::string catalogue = Slurp(kRoot / "src/ui/Catalog.h");
    const std::set<std::string> screens =
        Matches(Slurp(kRoot / "src/ui/Catalog.cpp"), std::regex(R"(Make<(\w+)>)"));
    ASSERT_GE(screens.size(), 9u);
    for (const std::string& screen : screens)
        EXPECT_NE(catalogue.find("ui/screens/" + screen), std::string::npos) << screen;
}

TEST(Catalog, EveryFileItNamesExists) {
    const std::string catalogue = Slurp(kRoot / "src/ui/Catalog.h");
    const std::string folders = "text|model|motion|geometry|dynamics|spectrum|chain|output|files|ui";
    const std::set<std::string> modules =
        Matches(catalogue, std::regex(R"((?:^|[^\w/])((?:)" + folders + R"()/[\w/]+))"));
    ASSERT_GE(modules.size(), 20u);
    for (const std::string& m : modules)
        EXPECT_TRUE(fs::exists(kRoot / "src" / (m + ".h")) ||
                    fs::exists(kRoot / "src" / (m + ".cpp")))
            << m;
    const std::set<std::string> tests =
        Matches(catalogue, std::regex(R"((?:^|[^\w/])(tests/[\w/]+(?:\.h)?))"));
    ASSERT_GE(tests.size(), 10u);
    for (const std::string& t : tests)
        EXPECT_TRUE(fs::exists(kRoot / t) || fs::exists(kRoot / (t + ".cpp"))) << t;
}

} // namespace
