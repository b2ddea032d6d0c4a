#include "app/batch/BatchOptions.h"

#include <charconv>
#include <set>

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

std::optional<double> WholeNumber(const std::string& text) {
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    if (text.empty() || r.ec != std::errc() || r.ptr != end)
        return std::nullopt;
    return v;
}

ParseResult Error(const std::string& what) { return {std::nullopt, what}; }

} // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
    BatchOptions o;
    std::set<std::string> seen;
    bool harmonicsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
            return {o, {}};
        }
        static const std::set<std::string> flags = {"--recalc", "--continuity"};
        static const std::set<std::string> valued = {
            "--example",     "--open",           "--step",          "--units",
            "--save",        "--export-all",     "--export-profile", "--export-cadkey",
            "--fft",         "--harmonics",      "--fft-out"};
        if (!flags.count(a) && !valued.count(a))
            return Error("unknown argument " + a);
        if (!seen.insert(a).second)
            return Error(a + " given more than once");
        if (a == "--recalc") {
            o.recalc = true;
            continue;
        }
        if (a == "--continuity") {
            o.continuity = true;
            continue;
        }
        if (i + 1 >= args.size())
            return Error(a + " needs a value");
        const std::string& v = args[++i];
        if (a == "--example") {
            const auto n = WholeInt(v);
            if (!n || *n < 1 || *n > 5)
                return Error("--example takes 1 to 5, not " + v);
            o.example = *n;
        } else if (a == "--open") {
            o.openPath = v;
        } else if (a == "--step") {
            const auto d = WholeNumber(v);
            if (!d || !(*d > 0.0))
                return Error("--step takes a positive number of degrees, not " + v);
            o.stepText = v;
        } else if (a == "--units") {
            const auto k = WholeInt(v);
            if (!k || *k < 1 || *k > 5)
                return Error("--units takes 1 to 5, not " + v);
            o.units = *k;
        } else if (a == "--save") {
            o.savePath = v;
        } else if (a == "--export-all") {
            o.exportAllPath = v;
        } else if (a == "--export-profile") {
            o.exportProfilePath = v;
        } else if (a == "--export-cadkey") {
            o.exportCadkeyPath = v;
        } else if (a == "--fft") {
            const auto r = WholeInt(v);
            if (!r || *r < 1 || *r > 16)
                return Error("--fft takes a Results row 1 to 16, not " + v);
            o.fftRow = *r;
        } else if (a == "--harmonics") {
            const auto h = WholeInt(v);
            if (!h || *h < 1)
                return Error("--harmonics takes a whole number above 0, not " + v);
            o.harmonics = *h;
            harmonicsGiven = true;
        } else if (a == "--fft-out") {
            o.fftOutPath = v;
        }
        if (v.empty())
            return Error(a + " needs a value");
    }
    if ((o.example != 0) == !o.openPath.empty())
        return Error("give exactly one of --example N and --open FILE");
    if (o.fftRow != 0 && o.fftOutPath.empty())
        return Error("--fft needs --fft-out FILE");
    if (o.fftRow == 0 && (!o.fftOutPath.empty() || harmonicsGiven))
        return Error("--fft-out and --harmonics go with --fft ROW");
    return {o, {}};
}

std::string UsageText() {
    return R"(usage: trochix-batch (--example N | --open FILE.cam) [--recalc] [--step D]
         [--units K] [--save FILE.cam] [--export-all FILE] [--export-profile FILE]
         [--export-cadkey FILE] [--continuity] [--fft ROW [--harmonics H] --fft-out FILE]

  --example N            load example N (1..5, in the Examples menu's order)
  --open FILE.cam        read a model file
  --units K              unit system K (1 ips, 2 fps, 3 SI, 4 cgs, 5 mm-Kg-s)
  --step D               step in degrees, snapped to 1, 0.5 or 0.25 as the input
                         screen does; this clears the results, so add --recalc
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

Whatever their order on the line, the options are carried out in this order:
load (--example or --open), --units, --step, --recalc, --continuity, --fft,
--save, then the exports. The run stops at the first step that fails.
Messages go to standard error, one per line, after their icon word.
Exit status: 0 success; 1 a file refused, a run-time fault, or a step that
could not be completed; 2 a usage error.
)";
}

} // namespace trochix::batch
