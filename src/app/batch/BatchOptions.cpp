#include "app/batch/BatchOptions.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <set>
#include <string_view>

namespace trochix::batch {

namespace {

std::optional<int> WholeInt(const std::string& text) {
    int v = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    if (text.empty() || r.ec != std::errc() || r.ptr != end)
        return std::nullopt;
    return v;
}

bool PositiveNumber(const std::string& text) {
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return !text.empty() && r.ec == std::errc() && r.ptr == end && std::isfinite(v) && v > 0.0;
}

// One option of the command line and where its value goes. Exactly one target is set: a flag
// (no value), a text kept as given (checked by `accepts` when set), or a whole number lo..hi.
struct OptionSpec {
    std::string_view name;
    bool BatchOptions::*flag = nullptr;
    std::string BatchOptions::*text = nullptr;
    bool (*accepts)(const std::string&) = nullptr;
    int BatchOptions::*number = nullptr;
    int lo = 0;
    int hi = 0;
    const char* takes = ""; // what a refused value should have been
};

const OptionSpec kOptions[] = {
    {.name = "--example", .number = &BatchOptions::example, .lo = 1, .hi = 5, .takes = "1 to 5"},
    {.name = "--open", .text = &BatchOptions::openPath},
    {.name = "--recalc", .flag = &BatchOptions::recalc},
    {.name = "--step",
     .text = &BatchOptions::stepText,
     .accepts = PositiveNumber,
     .takes = "a positive number of degrees"},
    {.name = "--units", .number = &BatchOptions::units, .lo = 1, .hi = 5, .takes = "1 to 5"},
    {.name = "--save", .text = &BatchOptions::savePath},
    {.name = "--export-all", .text = &BatchOptions::exportAllPath},
    {.name = "--export-profile", .text = &BatchOptions::exportProfilePath},
    {.name = "--export-cadkey", .text = &BatchOptions::exportCadkeyPath},
    {.name = "--continuity", .flag = &BatchOptions::continuity},
    {.name = "--fft",
     .number = &BatchOptions::fftRow,
     .lo = 1,
     .hi = 16,
     .takes = "a Results row 1 to 16"},
    {.name = "--harmonics",
     .number = &BatchOptions::harmonics,
     .lo = 1,
     .hi = INT_MAX,
     .takes = "a whole number above 0"},
    {.name = "--fft-out", .text = &BatchOptions::fftOutPath},
};

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& spec : kOptions)
        if (spec.name == name)
            return &spec;
    return nullptr;
}

// Stores one option's value; the error text when the value is refused, else "".
std::string Apply(const OptionSpec& spec, BatchOptions& o, const std::string& value) {
    if (spec.flag) {
        o.*spec.flag = true;
        return {};
    }
    if (spec.text) {
        if (spec.accepts && !spec.accepts(value))
            return std::string(spec.name) + " takes " + spec.takes + ", not " + value;
        o.*spec.text = value;
    } else {
        const std::optional<int> n = WholeInt(value);
        if (!n || *n < spec.lo || *n > spec.hi)
            return std::string(spec.name) + " takes " + spec.takes + ", not " + value;
        o.*spec.number = *n;
    }
    if (value.empty())
        return std::string(spec.name) + " needs a value";
    return {};
}

// The rules between options, once every option has been read.
std::string CheckCombination(const BatchOptions& o, const std::set<std::string_view>& seen) {
    if ((o.example != 0) == !o.openPath.empty())
        return "give exactly one of --example N and --open FILE";
    if (o.fftRow != 0 && o.fftOutPath.empty())
        return "--fft needs --fft-out FILE";
    if (o.fftRow == 0 && (!o.fftOutPath.empty() || seen.count("--harmonics")))
        return "--fft-out and --harmonics go with --fft ROW";
    if (!o.stepText.empty() && !o.recalc)
        return "--step needs --recalc: a new step clears the results";
    return {};
}

ParseResult Error(const std::string& what) { return {std::nullopt, what}; }

} // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
    BatchOptions o;
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
            return {o, {}};
        }
        const OptionSpec* spec = FindOption(a);
        if (!spec)
            return Error("unknown argument " + a);
        if (!seen.insert(spec->name).second)
            return Error(a + " given more than once");
        std::string value;
        if (!spec->flag) {
            if (i + 1 >= args.size())
                return Error(a + " needs a value");
            value = args[++i];
            // A forgotten value, not a file that happens to be named like an option.
            if (value.starts_with("--"))
                return Error(a + " needs a value, not " + value);
        }
        if (const std::string refused = Apply(*spec, o, value); !refused.empty())
            return Error(refused);
    }
    if (const std::string refused = CheckCombination(o, seen); !refused.empty())
        return Error(refused);
    return {o, {}};
}

std::string UsageText() {
    return R"(usage: trochix-batch (--example N | --open FILE.cam) [--recalc [--step D]]
         [--units K] [--save FILE.cam] [--export-all FILE] [--export-profile FILE]
         [--export-cadkey FILE] [--continuity] [--fft ROW [--harmonics H] --fft-out FILE]

  --example N            load example N (1..5, in the Examples menu's order)
  --open FILE.cam        read a model file
  --units K              unit system K (1 ips, 2 fps, 3 SI, 4 cgs, 5 mm-Kg-s)
  --step D               step in degrees, snapped to 1, 0.5 or 0.25 as the input
                         screen does; this clears the results, so it needs --recalc
  --recalc               recompute every segment, the sizing, profile and dynamics
  --continuity           print the continuity table, then ContinuityOK=True or
                         ContinuityOK=False largest=<value>
  --fft ROW              transform Results row ROW (1..16) over one revolution; write
                         harmonics 0..N/2 to --fft-out FILE (number, real, imaginary,
                         magnitude, phase, power) and print the harmonic sum, power
                         and rms over H harmonics (--harmonics H, default 15)
  --save FILE.cam        save the model
  --export-all FILE      all functions as text (File > Export > Spreadsheet)
  --export-profile FILE  profile X and Y (File > Export > Profile)
  --export-cadkey FILE   profile points over 0..360 degrees (File > Export > Cadkey)

An output FILE of "-" is standard output; a pipe, terminal or device is written
straight through, a link is followed to the file it names. A value never starts
with "--" (write ./--name for a file named so).
Whatever their order on the line, the options are carried out in this order:
load (--example or --open), --units, --step, --recalc, --continuity, --fft,
--save, then the exports. The run stops at the first step that fails.
Messages go to standard error, one per line, after their icon word.
Exit status: 0 success; 1 a file refused, a run-time fault, or a step that
could not be completed; 2 a usage error.
)";
}

} // namespace trochix::batch
