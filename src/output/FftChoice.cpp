#include "output/FftChoice.h"

#include "model/FunctionNames.h"
#include "output/FunctionList.h"

#include <algorithm>

namespace trochix::output {

std::vector<spectrum::FftFunction> FftFunctionList(const model::CamModel& model) {
    std::vector<spectrum::FftFunction> list;
    for (int row : FunctionRows(model))
        list.push_back({model::FuncShort.at(static_cast<std::size_t>(row)), row});
    return list;
}

std::string FftFunctionText(const model::CamModel& model, std::string_view typed) {
    const auto list = FftFunctionList(model);
    const auto named = [&](const spectrum::FftFunction& f) { return f.name == typed; };
    if (std::any_of(list.begin(), list.end(), named))
        return std::string(typed);
    const int row = MatchFunction(typed);
    const auto coded = std::find_if(list.begin(), list.end(),
                                    [row](const spectrum::FftFunction& f) { return f.row == row; });
    return coded == list.end() ? std::string(typed) : coded->name;
}

} // namespace trochix::output
