// The command line of trochix-batch: what each option sets and the exact usage errors.
#include "app/batch/BatchOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace trochix::batch;

namespace {

using Args = std::vector<std::string>;

std::string ErrorOf(const Args& args) {
    const ParseResult r = ParseArguments(args);
    EXPECT_FALSE(r.options.has_value());
    return r.error;
}

} // namespace

TEST(BatchOptions, EveryOptionSetsItsField) {
    // clang-format off
    const ParseResult r = ParseArguments(
        {"--open", "in.cam", "--recalc", "--step", "0.5", "--units", "3", "--save", "out.cam",
         "--export-all", "a.txt", "--export-profile", "p.pts", "--export-cadkey", "c.cad",
         "--continuity", "--fft", "16", "--harmonics", "7", "--fft-out", "f.txt"});
    // clang-format on
    ASSERT_TRUE(r.options) << r.error;
    const BatchOptions& o = *r.options;
    EXPECT_EQ(o.example, 0);
    // The exports in the menu's order: Spreadsheet, Cadkey, Profile.
    EXPECT_EQ((Args{o.openPath, o.stepText, o.savePath, o.exportPaths[0], o.exportPaths[1],
                    o.exportPaths[2], o.fftOutPath}),
              (Args{"in.cam", "0.5", "out.cam", "a.txt", "c.cad", "p.pts", "f.txt"}));
    EXPECT_EQ((std::vector<int>{o.units, o.fftRow, o.harmonics}), (std::vector<int>{3, 16, 7}));
    EXPECT_TRUE(o.recalc && o.continuity && !o.help);

    const ParseResult example = ParseArguments({"--example", "5"});
    ASSERT_TRUE(example.options);
    EXPECT_EQ(example.options->example, 5);
    EXPECT_EQ(example.options->harmonics, 15); // the harmonics box's default
    EXPECT_EQ(example.options->stepText, "");
    EXPECT_FALSE(example.options->recalc);

    // A table: codes split at blanks and commas, one number of decimals for every column or
    // one per column, a segment by number or all.
    const struct {
        Args args;
        std::vector<std::string> codes;
        int every;
        std::array<int, 4> decimals;
        int segment;
    } tables[] = {
        {{"--table", "DI VE AC JE", "--table-out", "-"},
         {"DI", "VE", "AC", "JE"},
         1,
         {2, 2, 2, 2},
         0},
        {{"--table", " ph,,rh  ", "--every", "10", "--decimals", "5", "--table-out", "-"},
         {"ph", "rh"},
         10,
         {5, 5, 5, 5},
         0},
        {{"--table", "DI - AC", "--decimals", "0,6,3", "--segment", "3", "--table-out", "-"},
         {"DI", "-", "AC"},
         1,
         {0, 6, 3, 2},
         3},
        {{"--segment", "all", "--table", "MA", "--decimals", "4", "--every", "4", "--table-out",
          "-"},
         {"MA"},
         4,
         {4, 4, 4, 4},
         0},
    };
    for (const auto& t : tables) {
        Args args = {"--example", "1"};
        args.insert(args.end(), t.args.begin(), t.args.end());
        const ParseResult parsed = ParseArguments(args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->tableCodes, t.codes);
        EXPECT_EQ(parsed.options->tableEvery, t.every);
        EXPECT_EQ(parsed.options->tableDecimals, t.decimals);
        EXPECT_EQ(parsed.options->tableSegment, t.segment);
        EXPECT_EQ(parsed.options->tableOutPath, "-");
    }

    // Help wins over everything after it, also over what would be an error.
    for (const Args& args : {Args{"--help"}, Args{"-h", "--bogus"}}) {
        const ParseResult help = ParseArguments(args);
        ASSERT_TRUE(help.options);
        EXPECT_TRUE(help.options->help);
    }
}

TEST(BatchOptions, UsageErrorsSayWhatWasWrong) {
    const struct {
        Args args;
        const char* error;
    } cases[] = {
        {{"--example", "1", "--bogus"}, "unknown argument --bogus"},
        {{"example", "1"}, "unknown argument example"},
        {{"--example", "1", "--recalc", "--recalc"}, "--recalc given more than once"},
        {{"--example", "1", "--example", "2"}, "--example given more than once"},
        {{"--example"}, "--example needs a value"},
        {{"--example", "1", "--save", ""}, "--save needs a value"},
        {{"--example", "6"}, "--example takes 1 to 5, not 6"},
        {{"--example", "1.0"}, "--example takes 1 to 5, not 1.0"},
        {{"--example", "1", "--units", "0"}, "--units takes 1 to 5, not 0"},
        {{"--example", "1", "--step", "abc"}, "--step takes a positive number of degrees, not abc"},
        {{"--example", "1", "--step", "-1"}, "--step takes a positive number of degrees, not -1"},
        {{"--example", "1", "--step", "-0.5"},
         "--step takes a positive number of degrees, not -0.5"},
        {{"--example", "1", "--fft", "17", "--fft-out", "f"},
         "--fft takes a Results row 1 to 16, not 17"},
        {{"--example", "1", "--fft", "1", "--fft-out", "f", "--harmonics", "0"},
         "--harmonics takes a whole number above 0, not 0"},
        {{}, "give exactly one of --example N and --open FILE"},
        {{"--example", "1", "--open", "a.cam"}, "give exactly one of --example N and --open FILE"},
        {{"--example", "1", "--fft", "1"}, "--fft needs --fft-out FILE"},
        {{"--example", "1", "--fft-out", "f"}, "--fft-out and --harmonics go with --fft ROW"},
        {{"--example", "1", "--harmonics", "3"}, "--fft-out and --harmonics go with --fft ROW"},
        // A value that looks like an option is a forgotten value, not a file named so.
        {{"--example", "1", "--save", "--recalc"}, "--save needs a value, not --recalc"},
        {{"--open", "--example", "1"}, "--open needs a value, not --example"},
        {{"--example", "1", "--fft", "1", "--fft-out", "--continuity"},
         "--fft-out needs a value, not --continuity"},
        {{"--example", "--units", "2"}, "--example needs a value, not --units"},
        // Numbers that are not finite.
        {{"--example", "1", "--recalc", "--step", "inf"},
         "--step takes a positive number of degrees, not inf"},
        {{"--example", "1", "--recalc", "--step", "infinity"},
         "--step takes a positive number of degrees, not infinity"},
        {{"--example", "1", "--recalc", "--step", "nan"},
         "--step takes a positive number of degrees, not nan"},
        {{"--example", "1", "--recalc", "--step", "1e999"},
         "--step takes a positive number of degrees, not 1e999"},
        // A new step clears the results: without --recalc every result would be zero.
        {{"--example", "1", "--step", "0.5"},
         "--step needs --recalc: a new step clears the results"},
        // Tables.
        {{"--example", "1", "--table", "DI"}, "--table needs --table-out FILE"},
        {{"--example", "1", "--table-out", "t.txt"},
         "--table-out, --every, --decimals and --segment go with --table"},
        {{"--example", "1", "--every", "5"},
         "--table-out, --every, --decimals and --segment go with --table"},
        {{"--example", "1", "--decimals", "3"},
         "--table-out, --every, --decimals and --segment go with --table"},
        {{"--example", "1", "--segment", "all"},
         "--table-out, --every, --decimals and --segment go with --table"},
        {{"--example", "1", "--table", " , ", "--table-out", "t"},
         "--table takes 1 to 4 function codes such as \"DI VE AC JE\", not  , "},
        {{"--example", "1", "--table", "DI VE AC JE PH", "--table-out", "t"},
         "--table takes 1 to 4 function codes such as \"DI VE AC JE\", not DI VE AC JE PH"},
        {{"--example", "1", "--table", "", "--table-out", "t"}, "--table needs a value"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--every", "6"},
         "--every takes 1, 2, 3, 4, 5 or 10, not 6"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--every", "0"},
         "--every takes 1, 2, 3, 4, 5 or 10, not 0"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--every", "05"},
         "--every takes 1, 2, 3, 4, 5 or 10, not 05"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--decimals", "7"},
         "--decimals takes 0 to 6 places, or one such number per column separated by commas, "
         "not 7"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--decimals", "-1"},
         "--decimals takes 0 to 6 places, or one such number per column separated by commas, "
         "not -1"},
        {{"--example", "1", "--table", "DI VE", "--table-out", "t", "--decimals", "1,,2"},
         "--decimals takes 0 to 6 places, or one such number per column separated by commas, "
         "not 1,,2"},
        {{"--example", "1", "--table", "DI VE", "--table-out", "t", "--decimals", "1,2,"},
         "--decimals takes 0 to 6 places, or one such number per column separated by commas, "
         "not 1,2,"},
        {{"--example", "1", "--table", "DI VE", "--table-out", "t", "--decimals", "1 2"},
         "--decimals takes 0 to 6 places, or one such number per column separated by commas, "
         "not 1 2"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--decimals", "1,2,3,4,5"},
         "--decimals takes 0 to 6 places, or one such number per column separated by commas, "
         "not 1,2,3,4,5"},
        {{"--example", "1", "--table", "DI VE AC", "--table-out", "t", "--decimals", "1,2"},
         "--decimals gives 2 places for a table of 3 columns: give one number, or one per "
         "column"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--segment", "0"},
         "--segment takes all or a segment number from 1, not 0"},
        {{"--example", "1", "--table", "DI", "--table-out", "t", "--segment", "ALL"},
         "--segment takes all or a segment number from 1, not ALL"},
        {{"--example", "1", "--table", "DI", "--table-out", "--every", "5"},
         "--table-out needs a value, not --every"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.args), c.error) << ::testing::PrintToString(c.args);
}
