#include "output/PrintRequest.h"

#include "forms/MotionProgram.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/QuietHost.h"
#include "output/FunctionList.h"
#include "output/SelectByCodes.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace trochix::output {

namespace {

constexpr int kMaxDecimals = 99;

// A whole number written as digits with an optional sign and blanks around it; nothing else.
std::optional<long> WholeNumber(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

TableChoice Refused(std::string why) {
    return {false, std::move(why)};
}

} // namespace

const std::array<const char*, 3> OutputDeviceNames = {"Screen", "Printer", "Disk File"};

const std::vector<std::string>& PrintEveryList() {
    static const std::vector<std::string> list = {"1", "2", "3", "4", "5", "10"};
    return list;
}

const std::vector<std::string>& DecimalsList() {
    static const std::vector<std::string> list = {"0", "1", "2", "3", "4", "5", "6"};
    return list;
}

std::string PrintEveryMessage(const model::CamModel& m) {
    return "Print Every must be a whole number of points from 1 to " +
           std::to_string(std::max(m.NumPoints, 1));
}

std::optional<int> ReadPrintEvery(const model::CamModel& m, model::Host& host,
                                  std::string_view text) {
    const std::optional<long> v = WholeNumber(text);
    if (v && *v >= 1 && *v <= std::max(m.NumPoints, 1))
        return static_cast<int>(*v);
    host.message(PrintEveryMessage(m), model::Icon::Exclamation, model::DefaultTitle());
    return std::nullopt;
}

const std::string& DecimalsMessage() {
    static const std::string text = "Decimal places must be a whole number from -99 to 99: "
                                    "0 to 6 give that many decimals, any other the exponent "
                                    "format";
    return text;
}

std::optional<int> ReadDecimals(model::Host& host, std::string_view text) {
    const std::optional<long> v = WholeNumber(text);
    if (v && *v >= -kMaxDecimals && *v <= kMaxDecimals)
        return static_cast<int>(*v);
    host.message(DecimalsMessage(), model::Icon::Exclamation, model::DefaultTitle());
    return std::nullopt;
}

int EffectivePrintEvery(const SelectionForm& form, int every) {
    return form.spectrum ? 1 : std::max(every, 1);
}

void WriteTableRequest(model::CamModel& m, const SelectionForm& form,
                       const PrintSettings& settings) {
    TakeSelection(m, form);
    m.NumPrintCols = form.NumPlotFuncs;
    for (int k = 1; k <= 4; ++k)
        m.PrintColName[k - 1] = k <= form.NumPlotFuncs ? form.fn[k].label : std::string();
    m.PrintEvery = EffectivePrintEvery(form, settings.every);
    m.Decimals = settings.decimals;
    m.OutputDevice = static_cast<int>(settings.device);
    m.SegmentPrint = false;
}

bool SegmentTableRequest(model::CamModel& m, int row) {
    const bool polynomial = motion::PrepareSegmentPrint(m, row);
    m.PrintColName = {"Displcmt", "Velocity", "Accel", "Jerk"};
    m.SpectrumSelected = false;
    m.PlotAllSegments = false;
    m.OutputDevice = static_cast<int>(OutputDevice::Screen);
    return polynomial;
}

TableChoice SelectTableByCodes(model::CamModel& m, const std::vector<std::string>& codes,
                               int segment, const PrintSettings& settings) {
    if (!m.SvajDone)
        return Refused("no motion program computed");
    if (codes.empty())
        return Refused("no function code given");
    if (codes.size() > 4)
        return Refused("a table takes 1 to 4 function codes, not " + std::to_string(codes.size()));
    if (std::string why = CodesRefusal(m, codes, "table", true); !why.empty())
        return Refused(std::move(why));
    const auto chosen =
        std::count_if(codes.begin(), codes.end(), [](const auto& c) { return c != "-"; });
    if (chosen == 0)
        return Refused("no function code given");
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const bool laterChosen = std::any_of(codes.begin() + static_cast<long>(i) + 1, codes.end(),
                                             [](const auto& c) { return c != "-"; });
        if (codes[i] == "-" && laterChosen)
            return Refused("column " + std::to_string(i + 1) +
                           " is empty: leave no gaps between columns");
    }
    if (segment < 0 || segment > m.NumSegments)
        return Refused("no segment " + std::to_string(segment) + ": the model has " +
                       std::to_string(m.NumSegments));
    if (settings.every < 1 || settings.every > std::max(m.NumPoints, 1))
        return Refused("print every " + std::to_string(settings.every) + ": give 1 to " +
                       std::to_string(std::max(m.NumPoints, 1)));

    // The form the print selection fills, so that both write one request.
    SelectionForm form = NewSelection(4, false);
    SetupMethod(form, Method::MixAndMatch);
    ActivateSelection(m, form);
    form.segment = segment;
    model::QuietHost quiet; // the codes leave no gap to report
    std::vector<std::string> columns(codes.begin(), codes.begin() + chosen);
    SelectCodes(m, quiet, form, columns);
    WriteTableRequest(m, form, settings);
    return {true, ""};
}

} // namespace trochix::output
