#include "model/Captions.h"

#include <gtest/gtest.h>

#include <set>

using namespace trochix::model;

// Every window title, written out by hand: application title, nine blanks, suffix.
TEST(Captions, EveryScreenTitle) {
    const std::string app = "TROCHIX for Windows";
    const std::string gap = "         ";
    struct Row {
        ScreenId id;
        const char* name;
        std::string title;
    };
    const Row rows[] = {
        {ScreenId::Title, "frm_Title", app},
        {ScreenId::HomeScreen, "frm_HomeScreen", app + gap + "Home Screen"},
        {ScreenId::InputData, "frm_InputData", app + gap + "Input Screen"},
        {ScreenId::Bounds, "frm_Bounds", app + gap + "Input Boundary Conditions"},
        {ScreenId::Poly, "frm_Poly", app + gap + "Polynomial Data"},
        {ScreenId::Continuity, "frm_Continuity", app + gap + "Segment Continuity Check"},
        {ScreenId::SizeCam, "frm_SizeCam", app + gap + "Size Cam"},
        {ScreenId::Animate, "frm_Animate", app + gap + "Draw Cam"},
        {ScreenId::Dynamics, "frm_Dynamics", app + gap + "Cam Dynamics"},
        {ScreenId::FFT, "frm_FFT", app + gap + "Fourier Transform"},
        {ScreenId::PlotType, "frm_PlotType", app + gap + "Select Plot Type"},
        {ScreenId::PlotSelect1, "frm_PlotSelect1", app + gap + "Select Plot Data"},
        {ScreenId::PlotSelect2, "frm_PlotSelect2", app + gap + "Select Plot Data"},
        {ScreenId::PlotSelect3, "frm_PlotSelect3", app + gap + "Select Plot Data"},
        {ScreenId::PlotSelect4, "frm_PlotSelect4", app + gap + "Select Plot Data"},
        {ScreenId::Plot1, "frm_Plot1", app},
        {ScreenId::Plot2, "frm_Plot2", app},
        {ScreenId::Myplot2, "frm_Myplot2", app},
        {ScreenId::Plot3, "frm_Plot3", app},
        {ScreenId::MyPlot3, "frm_MyPlot3", app},
        {ScreenId::Plot4, "frm_Plot4", app},
        {ScreenId::PrintSelect, "frm_PrintSelect", app + gap + "Print Select"},
        {ScreenId::PrintData, "frm_PrintData", app + gap + "Output Screen"},
        {ScreenId::User, "frm_User", app},
        {ScreenId::Quit, "frm_Quit", app},
        {ScreenId::About, "frm_About", app},
    };
    ASSERT_EQ(std::size(rows), static_cast<std::size_t>(kScreenCount));
    const Captions captions = SetCaptions(app);
    std::set<std::string> names;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(ScreenName(r.id), std::string(r.name));
        EXPECT_EQ(captions[ScreenIndex(r.id)], r.title);
        names.insert(ScreenName(r.id));
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kScreenCount)); // one instance per name
}

TEST(Captions, FollowTheApplicationTitle) {
    const Captions captions = SetCaptions("CAM");
    EXPECT_EQ(captions[ScreenIndex(ScreenId::SizeCam)], "CAM         Size Cam");
    EXPECT_EQ(captions[ScreenIndex(ScreenId::About)], "CAM");
}
