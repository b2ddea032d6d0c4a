#include "app/batch/BatchOptions.h"

#include "files/CamFiles.h"
#include "output/PrintRequest.h"

#include <algorithm>
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

bool NonNegativeNumber(const std::string& text) {
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return !text.empty() && r.ec == std::errc() && r.ptr == end && std::isfinite(v) && v >= 0.0;
}

bool CamFileName(const std::string& text) {
    return files::CamFileFormatOf(text).has_value();
}

bool PositiveNumber(const std::string& text) {
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return !text.empty() && r.ec == std::errc() && r.ptr == end && std::isfinite(v) && v > 0.0;
}

// One or two numbers separated by a comma, each accepted by `each`.
bool OneOrTwo(const std::string& text, bool (*each)(const std::string&)) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return each(text);
    return each(text.substr(0, comma)) && each(text.substr(comma + 1));
}

bool MapAxes(const std::string& text) {
    return text == "prime,roller" || text == "prime,offset" || text == "prime,pivot";
}

bool PoissonRatio(const std::string& text) {
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return !text.empty() && r.ec == std::errc() && r.ptr == end && v >= 0.0 && v <= 0.5;
}

bool PressureAngleLimit(const std::string& text) {
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return !text.empty() && r.ec == std::errc() && r.ptr == end && v > 0.0 && v < 90.0;
}

bool PressureAngleLimits(const std::string& text) {
    return OneOrTwo(text, PressureAngleLimit);
}

bool Moduli(const std::string& text) {
    return OneOrTwo(text, PositiveNumber);
}

bool PoissonRatios(const std::string& text) {
    return OneOrTwo(text, PoissonRatio);
}

// The items of a list, split at blanks and commas; empty items (doubled separators) dropped.
std::vector<std::string> Items(const std::string& text, std::string_view separators) {
    std::vector<std::string> items;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of(separators, at), text.size());
        if (end > at)
            items.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return items;
}

// Codes as the selection lists type them; which code names a function is the selection's
// business (a refused code is a refused table, not a usage error).
bool StoreTable(BatchOptions& o, const std::string& text) {
    std::vector<std::string> codes = Items(text, " \t,");
    if (codes.empty() || codes.size() > 4)
        return false;
    o.tableCodes = std::move(codes);
    return true;
}

// The entries of the print selection's "Print Every" box.
bool StoreEvery(BatchOptions& o, const std::string& text) {
    const std::vector<std::string>& list = output::PrintEveryList();
    if (std::find(list.begin(), list.end(), text) == list.end())
        return false;
    o.tableEvery = *WholeInt(text);
    return true;
}

// One count of places for every column, or one per column: the entries of the screen's
// "Decimal Places" boxes. Commas only, so that a list is never split across arguments.
bool StoreDecimals(BatchOptions& o, const std::string& text) {
    if (text.front() == ',' || text.back() == ',' || text.find(",,") != std::string::npos)
        return false;
    const std::vector<std::string> items = Items(text, ",");
    if (items.empty() || items.size() > 4)
        return false;
    std::array<int, 4> places{};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<int> n = WholeInt(items[i]);
        if (!n || *n < 0 || *n > 6)
            return false;
        places[i] = *n;
    }
    if (items.size() == 1)
        places.fill(places[0]);
    else
        for (std::size_t i = items.size(); i < places.size(); ++i)
            places[i] = 2; // the screen's default for a box no column uses
    o.tableDecimals = places;
    o.tableDecimalsGiven = static_cast<int>(items.size());
    return true;
}

// "all", or a segment number; whether the model has it is known only once it is loaded.
bool StoreSegment(BatchOptions& o, const std::string& text) {
    if (text == "all") {
        o.tableSegment = 0;
        return true;
    }
    const std::optional<int> n = WholeInt(text);
    if (!n || *n < 1)
        return false;
    o.tableSegment = *n;
    return true;
}

// FROM,TO: two positive numbers, the first the smaller.
bool StoreRatios(BatchOptions& o, const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    const std::string lo = text.substr(0, comma), hi = text.substr(comma + 1);
    if (!PositiveNumber(lo) || !PositiveNumber(hi))
        return false;
    double from = 0.0, to = 0.0;
    std::from_chars(lo.data(), lo.data() + lo.size(), from);
    std::from_chars(hi.data(), hi.data() + hi.size(), to);
    if (!(to > from))
        return false;
    o.ratioFrom = from;
    o.ratioTo = to;
    return true;
}

// One option of the command line and where its value goes. Exactly one target is set: a flag
// (no value), a text kept as given (checked by `accepts` when set), a whole number lo..hi, or
// a value `store` checks and keeps itself.
struct OptionRule {
    std::string_view name;
    bool BatchOptions::*flag = nullptr;
    std::string BatchOptions::*text = nullptr;
    bool (*accepts)(const std::string&) = nullptr;
    bool (*store)(BatchOptions&, const std::string&) = nullptr;
    int BatchOptions::*number = nullptr;
    int lo = 0;
    int hi = 0;
    const char* takes = ""; // what a refused value should have been
    int exportIndex = -1;   // an export's file, by its place in files::kExports
};

const OptionRule kOptions[] = {
    {.name = "--example", .number = &BatchOptions::example, .lo = 1, .hi = 5, .takes = "1 to 5"},
    {.name = "--open", .text = &BatchOptions::openPath},
    {.name = "--recalc", .flag = &BatchOptions::recalc},
    {.name = "--step",
     .text = &BatchOptions::stepText,
     .accepts = PositiveNumber,
     .takes = "a positive number of degrees"},
    {.name = "--units", .number = &BatchOptions::units, .lo = 1, .hi = 5, .takes = "1 to 5"},
    {.name = "--save", .text = &BatchOptions::savePath},
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
    {.name = "--table",
     .store = StoreTable,
     .takes = "1 to 4 function codes such as \"DI VE AC JE\""},
    {.name = "--every", .store = StoreEvery, .takes = "1, 2, 3, 4, 5 or 10"},
    {.name = "--decimals",
     .store = StoreDecimals,
     .takes = "0 to 6 places, or one such number per column separated by commas"},
    {.name = "--segment", .store = StoreSegment, .takes = "all or a segment number from 1"},
    {.name = "--table-out", .text = &BatchOptions::tableOutPath},
    {.name = "--surface-out",
     .text = &BatchOptions::surfaceOutPath,
     .accepts = CamFileName,
     .takes = "a file name ending in .dxf, .nc, .csv, .step or .stp"},
    {.name = "--cutter",
     .text = &BatchOptions::cutterText,
     .accepts = PositiveNumber,
     .takes = "a positive length"},
    {.name = "--tolerance",
     .text = &BatchOptions::toleranceText,
     .accepts = PositiveNumber,
     .takes = "a positive length"},
    {.name = "--thickness",
     .text = &BatchOptions::thicknessText,
     .accepts = PositiveNumber,
     .takes = "a positive length"},
    {.name = "--bore",
     .text = &BatchOptions::boreText,
     .accepts = NonNegativeNumber,
     .takes = "a length of 0 or more"},
    {.name = "--allow-undercut", .flag = &BatchOptions::allowUndercut},
    {.name = "--suggest", .flag = &BatchOptions::suggest},
    {.name = "--pa",
     .text = &BatchOptions::paText,
     .accepts = PressureAngleLimits,
     .takes = "one limit in degrees above 0 and below 90, or the rise's and the fall's "
              "separated by a comma"},
    {.name = "--min-rho",
     .text = &BatchOptions::minRhoText,
     .accepts = NonNegativeNumber,
     .takes = "a length of 0 or more"},
    {.name = "--best-offset", .flag = &BatchOptions::bestOffset},
    {.name = "--contact", .flag = &BatchOptions::contact},
    {.name = "--design-map", .text = &BatchOptions::designMapPath},
    {.name = "--map-axes",
     .text = &BatchOptions::mapAxesText,
     .accepts = MapAxes,
     .takes = "prime,roller, prime,offset or prime,pivot"},
    {.name = "--map-size", .number = &BatchOptions::mapSize, .lo = 2, .hi = 1000, .takes = "2 to 1000"},
    {.name = "--response", .flag = &BatchOptions::response},
    {.name = "--from-rest", .flag = &BatchOptions::fromRest},
    {.name = "--train-stiffness",
     .text = &BatchOptions::trainStiffnessText,
     .accepts = NonNegativeNumber,
     .takes = "a stiffness of 0 or more"},
    {.name = "--response-spectrum", .text = &BatchOptions::spectrumOutPath},
    {.name = "--ratios",
     .store = StoreRatios,
     .takes = "FROM,TO: two positive ratios, the first the smaller"},
    {.name = "--width",
     .text = &BatchOptions::widthText,
     .accepts = PositiveNumber,
     .takes = "a positive length"},
    {.name = "--modulus",
     .text = &BatchOptions::modulusText,
     .accepts = Moduli,
     .takes = "one positive modulus, or the cam's and the follower's separated by a comma"},
    {.name = "--poisson",
     .text = &BatchOptions::poissonText,
     .accepts = PoissonRatios,
     .takes = "one ratio from 0 to 0.5, or the cam's and the follower's separated by a comma"},
};

// The table above and one rule per export of the registry.
const std::vector<OptionRule>& Rules() {
    static const std::vector<OptionRule> all = [] {
        std::vector<OptionRule> rules(std::begin(kOptions), std::end(kOptions));
        for (int i = 0; i < files::kExportCount; ++i)
            rules.push_back(
                {.name = files::kExports[static_cast<std::size_t>(i)].option, .exportIndex = i});
        return rules;
    }();
    return all;
}

const OptionRule* FindOption(std::string_view name) {
    for (const OptionRule& rule : Rules())
        if (rule.name == name)
            return &rule;
    return nullptr;
}

// Stores one option's value; the error text when the value is refused, else "".
std::string Apply(const OptionRule& rule, BatchOptions& o, const std::string& value) {
    if (rule.flag) {
        o.*rule.flag = true;
        return {};
    }
    if (value.empty())
        return std::string(rule.name) + " needs a value";
    if (rule.exportIndex >= 0) {
        o.exportPaths[static_cast<std::size_t>(rule.exportIndex)] = value;
    } else if (rule.store) {
        if (!rule.store(o, value))
            return std::string(rule.name) + " takes " + rule.takes + ", not " + value;
    } else if (rule.text) {
        if (rule.accepts && !rule.accepts(value))
            return std::string(rule.name) + " takes " + rule.takes + ", not " + value;
        o.*rule.text = value;
    } else {
        const std::optional<int> n = WholeInt(value);
        if (!n || *n < rule.lo || *n > rule.hi)
            return std::string(rule.name) + " takes " + rule.takes + ", not " + value;
        o.*rule.number = *n;
    }
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
    const bool table = !o.tableCodes.empty();
    if (table && o.tableOutPath.empty())
        return "--table needs --table-out FILE";
    const bool spectrum = !o.spectrumOutPath.empty();
    // --segment also names the rise or fall of a response spectrum.
    if (!table && (!o.tableOutPath.empty() || seen.count("--every") || seen.count("--decimals") ||
                   (seen.count("--segment") && !spectrum)))
        return "--table-out, --every, --decimals and --segment go with --table";
    if (spectrum && o.tableSegment == 0)
        return "--response-spectrum needs --segment K, the rise or fall of the chart";
    if (!spectrum && seen.count("--ratios"))
        return "--ratios goes with --response-spectrum";
    if (!o.response && o.fromRest)
        return "--from-rest goes with --response";
    if (!o.response && !spectrum && !o.trainStiffnessText.empty())
        return "--train-stiffness goes with --response or --response-spectrum";
    const bool surface = !o.surfaceOutPath.empty();
    if (!surface && (!o.cutterText.empty() || !o.toleranceText.empty() ||
                     !o.thicknessText.empty() || !o.boreText.empty() || o.allowUndercut))
        return "--cutter, --tolerance, --thickness, --bore and --allow-undercut go with "
               "--surface-out";
    if (!o.suggest && (!o.paText.empty() || !o.minRhoText.empty() || o.bestOffset))
        return "--pa, --min-rho and --best-offset go with --suggest";
    if (o.designMapPath.empty() && (!o.mapAxesText.empty() || seen.count("--map-size")))
        return "--map-axes and --map-size go with --design-map";
    if (!o.contact && (!o.widthText.empty() || !o.modulusText.empty() || !o.poissonText.empty()))
        return "--width, --modulus and --poisson go with --contact";
    const int columns = static_cast<int>(o.tableCodes.size());
    if (o.tableDecimalsGiven > 1 && o.tableDecimalsGiven != columns)
        return "--decimals gives " + std::to_string(o.tableDecimalsGiven) +
               " places for a table of " + std::to_string(columns) +
               " columns: give one number, or one per column";
    return {};
}

ParseResult Error(const std::string& what) {
    return {std::nullopt, what};
}

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
        if (a == "--version") {
            o.version = true;
            return {o, {}};
        }
        const OptionRule* rule = FindOption(a);
        if (!rule)
            return Error("unknown argument " + a);
        if (!seen.insert(rule->name).second)
            return Error(a + " given more than once");
        std::string value;
        if (!rule->flag) {
            if (i + 1 >= args.size())
                return Error(a + " needs a value");
            value = args[++i];
            // A forgotten value, not a file that happens to be named like an option.
            if (value.starts_with("--"))
                return Error(a + " needs a value, not " + value);
        }
        if (const std::string refused = Apply(*rule, o, value); !refused.empty())
            return Error(refused);
    }
    if (const std::string refused = CheckCombination(o, seen); !refused.empty())
        return Error(refused);
    return {o, {}};
}

std::string UsageText() {
    std::string exports, exportLines;
    for (const files::ExportEntry& e : files::kExports) {
        exports += std::string(" [") + e.option + " FILE]";
        std::string line = std::string("  ") + e.option + " FILE";
        line.resize(std::max<std::size_t>(line.size() + 2, 25), ' ');
        exportLines += line + e.usage + "\n";
    }
    return R"(usage: trochix-batch (--example N | --open FILE.cam) [--recalc [--step D]]
         [--units K] [--save FILE.cam] [--continuity]
         [--fft ROW [--harmonics H] --fft-out FILE]
         [--table "CODES" [--every N] [--decimals D|D1,D2,..] [--segment all|K]
          --table-out FILE]
        )" +
           exports + R"(
         [--surface-out FILE [--cutter R] [--tolerance T] [--thickness H]
          [--bore D] [--allow-undercut]]
         [--suggest [--pa RISE[,FALL]] [--min-rho R] [--best-offset]]
         [--contact [--width W] [--modulus E1[,E2]] [--poisson NU1[,NU2]]]
         [--design-map FILE.csv [--map-axes prime,roller|prime,offset|prime,pivot]
          [--map-size N]]
         [--response [--from-rest]] [--train-stiffness K]
         [--response-spectrum FILE --segment K [--ratios FROM,TO]]
       trochix-batch --help | --version

  --example N            load example N (1..5, in the Examples menu's order)
  --open FILE.cam        read a model file
  --units K              unit system K (1 ips, 2 fps, 3 SI, 4 cgs, 5 mm-Kg-s)
  --step D               step in degrees, snapped to 1, 0.5 or 0.25 as the input
                         screen does; this clears the results, so it needs --recalc
  --recalc               recompute every segment, the sizing, profile and dynamics;
                         without it a file's results are taken as it holds them
  --continuity           print the continuity table, then ContinuityOK=True or
                         ContinuityOK=False largest=<value>
  --suggest              size the cam as small as its limits allow: the smallest prime
                         radius (an arm: the smallest pivot distance) whose pressure
                         angle stays within the limits and whose surface nowhere bends
                         tighter than the smallest radius; prints Suggest: prime=<Rp>
                         offset=<e> [pivot=<C>] bound=<pressure angle|curvature>
                         pa=<rise>,<fall> rho=<smallest surface radius>; the rest of
                         the run (--save included) uses the cam sized that way
  --pa RISE[,FALL]       the pressure angle limits in degrees (default 30,30)
  --min-rho R            the smallest surface radius (default: a tenth of the roller
                         radius, 0 for a flat face)
  --best-offset          also choose the offset of a translating roller
  --contact              print whether the follower keeps contact and what the contact
                         carries: Jump=none (or the ranges of cam angle where the
                         contact force is not above zero), MinForce=<F> at <deg>,
                         PreloadNeeded=<F0> and SpringNeeded=<k> (each alone keeps
                         the smallest force at 10% of the largest), TopSpeed=<rpm>,
                         HertzMax=<p0> at <deg>, ShearMax=<tau> depth=<z>
  --width W              the contact's width (default: the plate's thickness)
  --modulus E1[,E2]      moduli of cam and follower in the stress unit (force per
                         length squared; default steel); one value for both
  --poisson NU1[,NU2]    Poisson ratios of cam and follower (default 0.3)
  --design-map FILE.csv  the design map: N x N designs (--map-size N, 2..1000, default
                         100) of prime radius against the roller radius, the offset
                         or an arm's pivot distance (--map-axes; default the first the
                         follower has), around the model's design, at the limits 30
                         degrees and surface radius 0.1 of the roller; one line per
                         design: prime radius, the other axis, max pressure angle,
                         min surface radius, undercut (1 or 0); empty fields where the
                         follower cannot take the design. Prints DesignMap: prime=A..B
                         <axis>=C..D nodes=NxN
  --response             the follower's real motion on its spring, damping and mass
                         (the steady periodic state): per rise or fall
                         Residual seg <K>: <amplitude> (<fraction of lift>), the
                         vibration as the dwell after it starts (none: no dwell
                         follows), then MaxError=<|x - S|> at <deg>; fills the rows
                         AD, ER and AA for --table
  --from-rest            one revolution started at rest at cam angle 0 instead
  --train-stiffness K    the follower train's stiffness between cam and mass (default
                         0: the spring rate stands for the whole train)
  --response-spectrum FILE  the residual after segment K's law, started at rest, as a
                         fraction of its lift, against its duration in natural
                         periods: lines Ratio,Residual,Design (1 marks the design)
  --ratios FROM,TO       the range of the chart (default 0.25,5)
  --fft ROW              transform Results row ROW (1..16) over one revolution; write
                         harmonics 0..N/2 to --fft-out FILE (number, real, imaginary,
                         magnitude, phase, power) and print the harmonic sum, power
                         and rms over H harmonics (--harmonics H, default 15)
  --table "CODES"        a table as Print to Disk File writes it: 1 to 4 function
                         codes of the selection lists, one per column, separated by
                         blanks or commas (DI VE AC JE, PH RH, ...; RE IM MA AN, the
                         spectrum, need --fft); written to --table-out FILE
  --every N              print every N points (1, 2, 3, 4, 5 or 10; default 1); a
                         spectrum lists every harmonic
  --decimals D           decimal places (0..6, default 2) for every column, or
                         D1,D2,.. one per column
  --segment all|K        the whole revolution (default) or segment K alone; with
                         --response-spectrum the rise or fall charted
  --save FILE.cam        save the model
)" + exportLines +
           R"(  --surface-out FILE     the machined cam, by the extension of FILE
                         ()" +
           files::CamFileExtensions() + R"(): the drawing, the
                         cutter's NC program, the surface's points every degree, or
                         the plate as a solid in millimetres; prints Surface:
                         arcs=N maxdev=D undercut=none (or the ranges of cam angle)
                         and AsMade: S=<error> at <deg> A=<error> at <deg>, the
                         largest errors of the motion the surface gives; an undercut
                         cam is refused
  --cutter R             the cutter's radius (default: the roller radius)
  --tolerance T          how far the arcs may stray from the exact surface
                         (default 0.0025 mm in the model's length unit)
  --thickness H          the plate's thickness (default: half the prime radius)
  --bore D               the bore's diameter (default: none)
  --allow-undercut       make an undercut cam as the cutter leaves it, loops trimmed
  --help, -h             print this text
  --version              print the version

An output FILE of "-" is standard output; a pipe, terminal or device is written
straight through, a link is followed to the file it names. A value never starts
with "--" (write ./--name for a file named so).
Whatever their order on the line, the options are carried out in this order:
load (--example or --open), --units, --step, --recalc, --suggest, --continuity,
--contact, --design-map, --response, --response-spectrum, --fft, --table, --save,
the exports, then --surface-out. The run stops at the first step that fails.
Messages go to standard error, one per line, after their icon word.
Exit status: 0 success; 1 a file refused, a run-time fault, a table whose
functions cannot be listed, or a step that could not be completed; 2 a usage
error (also a --segment the model does not have).
)";
}

} // namespace trochix::batch
