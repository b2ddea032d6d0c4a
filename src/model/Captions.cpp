#include "model/Captions.h"

namespace trochix::model {

namespace {

struct ScreenRow {
    const char* name;
    const char* suffix;
};

// In ScreenId order.
constexpr std::array<ScreenRow, kScreenCount> kScreens = {{
    {"frm_Title", ""},
    {"frm_HomeScreen", "Home Screen"},
    {"frm_InputData", "Input Screen"},
    {"frm_Bounds", "Input Boundary Conditions"},
    {"frm_Poly", "Polynomial Data"},
    {"frm_Continuity", "Segment Continuity Check"},
    {"frm_SizeCam", "Size Cam"},
    {"frm_Animate", "Draw Cam"},
    {"frm_Dynamics", "Cam Dynamics"},
    {"frm_FFT", "Fourier Transform"},
    {"frm_PlotType", "Select Plot Type"},
    {"frm_PlotSelect1", "Select Plot Data"},
    {"frm_PlotSelect2", "Select Plot Data"},
    {"frm_PlotSelect3", "Select Plot Data"},
    {"frm_PlotSelect4", "Select Plot Data"},
    {"frm_Plot1", ""},
    {"frm_Plot2", ""},
    {"frm_Myplot2", ""},
    {"frm_Plot3", ""},
    {"frm_MyPlot3", ""},
    {"frm_Plot4", ""},
    {"frm_PrintSelect", "Print Select"},
    {"frm_PrintData", "Output Screen"},
    {"frm_User", ""},
    {"frm_Quit", ""},
    {"frm_About", ""},
    {"frm_MakeCam", "Make Cam"},
    {"frm_DesignMap", "Design Map"},
    {"frm_Response", "Follower Response"},
}};

} // namespace

const char* ScreenName(ScreenId id) {
    return kScreens[ScreenIndex(id)].name;
}

const char* ScreenTitleSuffix(ScreenId id) {
    return kScreens[ScreenIndex(id)].suffix;
}

Captions SetCaptions(const std::string& appTitle) {
    Captions captions;
    for (int i = 0; i < kScreenCount; ++i) {
        const std::string suffix = kScreens[i].suffix;
        captions[i] = suffix.empty() ? appTitle : appTitle + "         " + suffix;
    }
    return captions;
}

} // namespace trochix::model
