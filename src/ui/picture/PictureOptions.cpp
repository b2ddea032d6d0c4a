#include "ui/picture/PictureOptions.h"

#include "ui/PictureFile.h"
#include "ui/picture/ScreenPicture.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace trochix::ui {

namespace {

const std::vector<std::string> kOptions = {
    "--example", "--open", "--recalc",     "--plot",   "--draw",       "--layout",   "--style",
    "--segment", "--out",  "--chart-only", "--screen", "--design-map", "--map-axes", "--map-size"};

// Options that take no value.
bool IsFlag(const std::string& a) {
    return a == "--draw" || a == "--recalc" || a == "--chart-only" || a == "--design-map";
}

bool IsOption(const std::string& a) {
    return a.rfind("--", 0) == 0;
}

std::optional<int> WholeNumber(const std::string& s, int lo, int hi) {
    if (s.empty() || s.size() > 3 ||
        !std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int v = std::stoi(s);
    return v >= lo && v <= hi ? std::optional<int>(v) : std::nullopt;
}

std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// "home, input, ...", wrapped for the usage text when `indent` is given.
std::string ScreenNameList(const std::string& indent = {}) {
    std::string out, line;
    for (const std::string& name : ScreenPictureNames()) {
        const std::string piece = (line.empty() ? "" : " ") + name + ",";
        if (!indent.empty() && line.size() + piece.size() > 84) {
            out += indent + line + "\n";
            line = name + ",";
        } else {
            line += piece;
        }
    }
    line.pop_back();
    return indent.empty() ? line : out + indent + line + "\n";
}

PictureParse Refuse(std::string why) {
    return {std::nullopt, std::move(why)};
}

} // namespace

bool WantsPicture(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return std::find(kOptions.begin(), kOptions.end(), a) != kOptions.end();
    });
}

PictureParse ParsePictureArguments(const std::vector<std::string>& args) {
    PictureOptions o;
    std::vector<std::string> seen;
    bool layoutGiven = false, styleGiven = false, segmentGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (std::find(kOptions.begin(), kOptions.end(), a) == kOptions.end())
            return Refuse("unknown argument: " + a);
        if (std::find(seen.begin(), seen.end(), a) != seen.end())
            return Refuse(a + " given twice");
        seen.push_back(a);
        if (a == "--draw") {
            o.draw = true;
            continue;
        }
        if (a == "--recalc") {
            o.recalc = true;
            continue;
        }
        if (a == "--chart-only") {
            o.chartOnly = true;
            continue;
        }
        if (a == "--design-map") {
            o.designMap = true;
            continue;
        }
        if (i + 1 >= args.size() || IsOption(args[i + 1]))
            return Refuse(a + " needs a value");
        const std::string& v = args[++i];
        if (a == "--example") {
            const auto n = WholeNumber(v, 1, 5);
            if (!n)
                return Refuse("--example takes 1 to 5, not " + v);
            o.example = *n;
        } else if (a == "--open") {
            o.openPath = v;
        } else if (a == "--plot") {
            o.plotCodes = Words(v);
            if (o.plotCodes.empty() || o.plotCodes.size() > 4)
                return Refuse("--plot takes 1 to 4 function codes, as \"DI VE AC JE\"");
        } else if (a == "--layout") {
            if (v != "single" && v != "two" && v != "four" && v != "polar")
                return Refuse("--layout is single, two, four or polar, not " + v);
            o.layout = v;
            layoutGiven = true;
        } else if (a == "--style") {
            if (v != "aligned" && v != "annotated")
                return Refuse("--style is aligned or annotated, not " + v);
            o.style = v;
            styleGiven = true;
        } else if (a == "--segment") {
            if (v == "all") {
                o.segment = 0;
            } else if (const auto k = WholeNumber(v, 1, 16)) {
                o.segment = *k;
            } else {
                return Refuse("--segment is all or 1 to 16, not " + v);
            }
            segmentGiven = true;
        } else if (a == "--out") {
            o.outPath = v;
        } else if (a == "--map-axes") {
            if (v != "prime,roller" && v != "prime,offset" && v != "prime,pivot")
                return Refuse("--map-axes is prime,roller, prime,offset or prime,pivot, not " + v);
            o.mapAxis = v.substr(6);
        } else if (a == "--map-size") {
            const auto n = WholeNumber(v, 2, 400);
            if (!n)
                return Refuse("--map-size takes 2 to 400, not " + v);
            o.mapSize = *n;
        } else if (a == "--screen") {
            if (!ScreenPictureId(v))
                return Refuse("--screen is one of " + ScreenNameList() + ", not " + v);
            o.screen = v;
        }
    }
    if ((o.example != 0) == !o.openPath.empty())
        return Refuse("give one model: --example N or --open FILE");
    const bool plot = !o.plotCodes.empty() || (layoutGiven && o.layout == "polar");
    const bool screen = !o.screen.empty();
    if (int{plot} + int{o.draw} + int{o.designMap} + int{screen} != 1)
        return Refuse("give one picture: --plot CODES, --draw, --design-map or --screen NAME");
    if (!plot && (layoutGiven || styleGiven || segmentGiven || o.chartOnly))
        return Refuse("--layout, --style, --segment and --chart-only belong to --plot");
    const bool mapOptions = std::find(seen.begin(), seen.end(), "--map-axes") != seen.end() ||
                            std::find(seen.begin(), seen.end(), "--map-size") != seen.end();
    if (!o.designMap && mapOptions)
        return Refuse("--map-axes and --map-size belong to --design-map");
    if (o.outPath.empty())
        return Refuse("--out FILE is needed");
    if (!PictureFormatOf(o.outPath))
        return Refuse("--out must name a .png, .svg or .pdf file, not " + o.outPath);
    return {o, ""};
}

std::string PictureUsage() {
    return "Pictures without a window:\n"
           "  trochix (--example N | --open FILE [--recalc]) --plot \"CODES\"\n"
           "          [--layout single|two|four|polar] [--style aligned|annotated]\n"
           "          [--segment all|K] [--chart-only] --out FILE\n"
           "  trochix (--example N | --open FILE [--recalc]) --draw --out FILE\n"
           "  trochix (--example N | --open FILE [--recalc]) --design-map\n"
           "          [--map-axes prime,roller|prime,offset|prime,pivot] [--map-size N] --out "
           "FILE\n"
           "  trochix (--example N | --open FILE [--recalc]) --screen NAME --out FILE\n"
           "CODES are up to four two-letter function codes (DI VE AC JE PH RH FO TO XC YC RA TH\n"
           "XS YS FR FL CF HP HW AD ER AA). FILE ends in .png, .svg or .pdf.\n"
           "--open FILE shows the results the file holds; --recalc recomputes them all first.\n"
           "--design-map draws the Design Map screen's map (N nodes along each axis, 2 to 400,\n"
           "default 100) at the default limits: 30 degrees, surface radius 0.1 of the roller.\n"
           "--chart-only leaves out the buttons, the option frames and an empty title box: the\n"
           "charts with their headers, for a report.\n"
           "--screen NAME writes the whole screen as it shows after opening it on the model;\n"
           "NAME is one of\n" +
           ScreenNameList("    ") +
           "Exit status: 0 written, 1 refused (message on standard error), 2 usage error.\n";
}

StartCommand ParseCommandLine(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h")
            return {StartKind::Help, std::nullopt, ""};
        if (a == "--version")
            return {StartKind::Version, std::nullopt, ""};
        // A value (never starting with "--") such as the file of --open may be named "-h".
        const bool takesValue =
            !IsFlag(a) && std::find(kOptions.begin(), kOptions.end(), a) != kOptions.end();
        if (takesValue && i + 1 < args.size() && !IsOption(args[i + 1]))
            ++i;
    }
    if (WantsPicture(args)) {
        PictureParse parsed = ParsePictureArguments(args);
        if (!parsed.options)
            return {StartKind::UsageError, std::nullopt, std::move(parsed.error)};
        return {StartKind::Picture, std::move(parsed.options), ""};
    }
    StartCommand screens;
    for (const std::string& a : args) {
        if (a.starts_with('-'))
            return {StartKind::UsageError, std::nullopt, "unknown option " + a};
        if (!screens.openPath.empty())
            return {StartKind::UsageError, std::nullopt,
                    "one model file at a time: " + screens.openPath + " and " + a};
        screens.openPath = a;
    }
    return screens;
}

std::string ProgramUsage() {
    return "usage: trochix              start the screens (needs a display)\n"
           "       trochix FILE.cam     start the screens with the model file open, as\n"
           "                            File > Open opens it\n"
           "       trochix --help       print this text\n"
           "       trochix --version    print the version\n"
           "\n" +
           PictureUsage();
}

} // namespace trochix::ui
