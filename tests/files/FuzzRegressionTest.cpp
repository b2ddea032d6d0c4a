// The checks of the fuzz targets on inputs at the edges of what they take, and on every input
// they once found faulty (tests/fuzz-regressions/model and number, one input a file).
#include "FuzzChecks.h"

#include "FilesTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::files::testing;

namespace {

// The inputs kept for one target.
std::vector<std::filesystem::path> Findings(const char* kind) {
    std::vector<std::filesystem::path> out;
    const std::filesystem::path dir =
        std::filesystem::path(TROCHIX_SOURCE_DIR) / "tests/fuzz-regressions" / kind;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec))
        out.push_back(e.path());
    return out;
}

} // namespace

TEST(FuzzRegressions, NumberTexts) {
    const std::string edges[] = {
        "",
        "-",
        "+",
        ".",
        "E5",
        "1e",
        "1e999",
        "-1e999",
        "1e-999",
        "3.4028236e38",
        "-3.4028235e38",
        "1.4e-45",
        "7e-46",
        "nan",
        "NaN",
        "inf",
        "-Inf",
        "0x1p3",
        "1D+300",
        "  -.5E-3 x",
        std::string(400, '9'),
        "." + std::string(400, '0') + "1",
        std::string{'1', '\0', '2'},
        "\xff\xfe",
        "1,234.5",
        "--5",
    };
    for (const std::string& text : edges)
        EXPECT_EQ(fuzz::CheckNumberText(text), "") << '"' << text << '"';
    for (const auto& file : Findings("number"))
        EXPECT_EQ(fuzz::CheckNumberText(ReadBytes(file.string())), "") << file;
}

TEST(FuzzRegressions, ModelFiles) {
    auto whole = std::make_unique<model::CamModel>();
    FillStoredFields(*whole, 11, 1.0f);
    const std::string text = files::ModelFileText(*whole, "x.cam");
    std::string nul = text;
    nul[text.find("Ann")] = '\0'; // a NUL inside a text
    const std::string edges[] = {
        "",
        "\r\n",
        "\n\n\n",
        std::string(100000, '\n'),
        "\"TROCHIX for Windows\"",
        text,                            // read, written and read back the same
        text + text,                     // two models: the last one counts
        text.substr(0, text.size() / 2), // cut short
        nul,
        std::string("\"TROCHIX for Windows\"\r\n\"6.0\"\r\n\"0.9\"\r\n"), // older layout, cut
        // Keyed lines; a second model's keys fall back to their defaults.
        text + "Harmonics=40\r\nTerm=\"a=b\"\r\nFaceWidth=-0\r\n",
        text + "StartFresh=#FALSE#\r\n" + text,
    };
    for (const std::string& bytes : edges)
        EXPECT_EQ(fuzz::CheckModelFile(bytes), "") << bytes.substr(0, 60);
    for (const auto& file : Findings("model"))
        EXPECT_EQ(fuzz::CheckModelFile(ReadBytes(file.string())), "") << file;
}
