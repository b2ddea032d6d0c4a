// The catalogue in ui/Catalog.h tells a newcomer where each screen lives. It must name every
// screen the program registers (ui/Catalog.cpp), by its file or, for screens sharing one, by
// class beside that file, and every file it names must exist, so that a
// new screen or a moved module cannot leave it behind.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = TROCHIX_SOURCE_DIR;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Every path in the text that starts with one of the folders ("motion/Polynomial"): a folder
// name not preceded by part of a longer path, then names joined by '/'.
std::set<std::string> Paths(const std::string& text, const std::vector<std::string>& folders) {
    std::set<std::string> found;
    for (const std::string& folder : folders) {
        const std::string start = folder + "/";
        for (auto at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) {
            if (at > 0 && (IsNameChar(text[at - 1]) || text[at - 1] == '/'))
                continue;
            auto end = at + start.size();
            while (end < text.size() && (IsNameChar(text[end]) || text[end] == '/'))
                ++end;
            if (text.compare(end, 2, ".h") == 0)
                end += 2;
            found.insert(text.substr(at, end - at));
        }
    }
    return found;
}

// The class names T of Make<T> in the registration.
std::set<std::string> Registered(const std::string& text) {
    std::set<std::string> found;
    for (auto at = text.find("Make<"); at != std::string::npos; at = text.find("Make<", at + 1)) {
        const auto end = text.find('>', at);
        found.insert(text.substr(at + 5, end - at - 5));
    }
    return found;
}

TEST(Catalog, NamesEveryRegisteredScreen) {
    const std::string catalogue = Slurp(kRoot / "src/ui/Catalog.h");
    const std::set<std::string> screens = Registered(Slurp(kRoot / "src/ui/Catalog.cpp"));
    ASSERT_GE(screens.size(), 9u);
    for (const std::string& screen : screens)
        EXPECT_TRUE(catalogue.find("ui/screens/" + screen) != std::string::npos ||
                    catalogue.find("(" + screen + ",") != std::string::npos ||
                    catalogue.find(" " + screen + ",") != std::string::npos ||
                    catalogue.find(" " + screen + ")") != std::string::npos)
            << screen;
}

TEST(Catalog, EveryFileItNamesExists) {
    const std::string catalogue = Slurp(kRoot / "src/ui/Catalog.h");
    const std::set<std::string> modules =
        Paths(catalogue, {"text", "model", "motion", "geometry", "dynamics", "spectrum", "chain",
                          "output", "files", "ui"});
    ASSERT_GE(modules.size(), 20u);
    for (const std::string& m : modules)
        EXPECT_TRUE(fs::exists(kRoot / "src" / (m + ".h")) ||
                    fs::exists(kRoot / "src" / (m + ".cpp")))
            << m;
    const std::set<std::string> tests = Paths(catalogue, {"tests"});
    ASSERT_GE(tests.size(), 10u);
    for (const std::string& t : tests)
        EXPECT_TRUE(fs::exists(kRoot / t) || fs::exists(kRoot / (t + ".cpp"))) << t;
}

} // namespace
