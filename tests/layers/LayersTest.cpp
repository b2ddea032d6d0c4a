// The core is built in layers, each including only those below it:
//   text < model < motion < geometry | dynamics | spectrum < chain < forms < output < files
//   < step (the STEP writer, the one folder built with OpenCASCADE, in a library of its own)
// geometry, dynamics and spectrum stand side by side and include none of each other; forms holds
// the screens' Qt-free logic, which runs the chain. No core folder includes Qt or ui/, and the
// batch tool includes no Qt either. A folder that is not in the table fails until it is given
// its place. Only chain/ (and the start-up values) sets or clears a stage's flag.
#include <gtest/gtest.h>

// GCC 12 with the sanitizers at -O1 reports a false maybe-uninitialized inside <regex>.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::map<std::string, int> kRank = {
    {"text", 0},  {"model", 1}, {"motion", 2}, {"geometry", 3}, {"dynamics", 3}, {"spectrum", 3},
    {"chain", 4}, {"forms", 5}, {"output", 6}, {"files", 7},    {"step", 8},
};

struct Include {
    std::string file; // path below src/
    int line;
    std::string target; // text between the quotes or angle brackets
    bool angled;
};

std::vector<Include> IncludesUnder(const fs::path& src, const std::string& folder) {
    std::vector<Include> out;
    const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const auto& entry : fs::recursive_directory_iterator(src / folder)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        std::ifstream in(entry.path());
        std::string text;
        for (int n = 1; std::getline(in, text); ++n) {
            std::smatch m;
            if (std::regex_search(text, m, directive))
                out.push_back({fs::relative(entry.path(), src).generic_string(), n, m[2].str(),
                               m[1].str() == "<"});
        }
    }
    return out;
}

bool IsQt(const Include& inc) {
    return inc.angled && (inc.target.rfind("Q", 0) == 0 || inc.target.rfind("qt", 0) == 0);
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// Every fault in one folder: an upward or sideways include, Qt, or ui/.
std::vector<std::string> Violations(const fs::path& src, const std::string& folder) {
    std::vector<std::string> out;
    const int rank = kRank.at(folder);
    for (const Include& inc : IncludesUnder(src, folder)) {
        const std::string where =
            inc.file + ":" + std::to_string(inc.line) + " includes " + inc.target;
        if (IsQt(inc)) {
            out.push_back(where + " (Qt in the core)");
            continue;
        }
        if (inc.angled)
            continue;
        const std::string target = FolderOf(inc.target);
        if (target == folder)
            continue;
        const auto it = kRank.find(target);
        if (it == kRank.end())
            out.push_back(where + " (not a core folder)");
        else if (it->second >= rank)
            out.push_back(where + " (not below " + folder + ")");
    }
    return out;
}

const fs::path kSource = fs::path(TROCHIX_SOURCE_DIR) / "src";

TEST(Layers, EveryCoreFolderIncludesOnlyFoldersBelowIt) {
    for (const auto& entry : fs::directory_iterator(kSource)) {
        const std::string folder = entry.path().filename().string();
        if (!entry.is_directory() || folder == "ui" || folder == "app")
            continue;
        ASSERT_TRUE(kRank.count(folder)) << "src/" << folder << " has no place in the layers";
        for (const std::string& v : Violations(kSource, folder))
            ADD_FAILURE() << v;
    }
}

TEST(Layers, TheBatchToolIncludesNoQtAndNoScreens) {
    for (const Include& inc : IncludesUnder(kSource, "app/batch"))
        EXPECT_FALSE(IsQt(inc) || FolderOf(inc.target) == "ui")
            << inc.file << ":" << inc.line << " includes " << inc.target;
}

// Every assignment to a stage flag in the sources under `root`, but in chain/ and the start-up
// values (model/CamModel.h, model/Initialize.cpp).
std::vector<std::string> FlagWrites(const fs::path& root) {
    std::vector<std::string> out;
    const std::regex write(R"(\b(SvajDone|ProfileDone|DynamicsDone|FftDone)\s*=[^=])");
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        const std::string file = fs::relative(entry.path(), root).generic_string();
        if (file.rfind("chain/", 0) == 0 || file == "model/Initialize.cpp" ||
            file == "model/CamModel.h")
            continue;
        std::ifstream in(entry.path());
        std::string text;
        for (int n = 1; std::getline(in, text); ++n) {
            const std::string code = text.substr(0, text.find("//"));
            if (std::regex_search(code, write))
                out.push_back(file + ":" + std::to_string(n));
        }
    }
    return out;
}

TEST(Layers, OnlyTheChainWritesAStageFlag) {
    EXPECT_EQ(FlagWrites(kSource), std::vector<std::string>{});
}

// The check itself must see a fault when there is one: a scratch tree with one upward, one
// sideways and one Qt include.
TEST(Layers, TheCheckFindsUpwardSidewaysAndQtIncludes) {
    const fs::path root = fs::temp_directory_path() / "trochix_layers_probe";
    fs::remove_all(root);
    fs::create_directories(root / "motion");
    fs::create_directories(root / "dynamics");
    std::ofstream(root / "motion" / "A.cpp") << "#include \"motion/A.h\"\n#include \"files/X.h\"\n";
    std::ofstream(root / "dynamics" / "B.h")
        << "#include \"model/CamModel.h\"\n#include \"geometry/G.h\"\n#include <QString>\n";
    EXPECT_EQ(Violations(root, "motion"),
              std::vector<std::string>{"motion/A.cpp:2 includes files/X.h (not below motion)"});
    EXPECT_EQ(Violations(root, "dynamics"),
              (std::vector<std::string>{"dynamics/B.h:2 includes geometry/G.h (not below dynamics)",
                                        "dynamics/B.h:3 includes QString (Qt in the core)"}));
    fs::create_directories(root / "chain");
    std::ofstream(root / "motion" / "C.cpp") << "if (m.FftDone == x)\n  m.ProfileDone = true;\n";
    std::ofstream(root / "chain" / "D.cpp") << "m.SvajDone = false;\n";
    EXPECT_EQ(FlagWrites(root), std::vector<std::string>{"motion/C.cpp:2"});
    fs::remove_all(root);
}

} // namespace
