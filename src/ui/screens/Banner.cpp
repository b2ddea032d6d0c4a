#include "ui/screens/Banner.h"

#include "ui/Look.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace trochix::ui {

Banner MakeBanner(QWidget* parent, const char* panelName, double scale) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(panelName);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setProperty("banner", true);

    auto* heading = new QLabel(
        "A Program for the Synthesis and Analysis of Cam-Follower Systems", panel);
    heading->setObjectName("lbl_Heading");
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    SetFontScale(*heading, 1.25 * scale);

    auto* name = new QLabel("TROCHIX", panel);
    name->setObjectName("lbl_Name");
    name->setAlignment(Qt::AlignCenter);
    SetFontScale(*name, 3.2 * scale, true);

    auto* version = new QLabel(panel);
    version->setObjectName("lbl_Version");
    version->setAlignment(Qt::AlignCenter);

    auto* inner = new QVBoxLayout(panel);
    const int margin = static_cast<int>(36 * scale);
    inner->setContentsMargins(margin + 4, margin, margin + 4, margin);
    inner->setSpacing(static_cast<int>(18 * scale));
    inner->addWidget(heading);
    inner->addWidget(name);
    inner->addWidget(version);
    return {panel, inner, version};
}

} // namespace trochix::ui
