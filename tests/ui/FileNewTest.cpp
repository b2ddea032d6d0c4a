#include "StandIns.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "model/Units.h"
#include "ui/Commands.h"
#include "ui/screens/HomeScreen.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace trochix;
using namespace trochix::uitest;
using model::Answer;
using model::Buttons;

namespace {

const std::string kSaveQuestion =
    "The current data has not been saved.  Do you want to save it before resetting?";
const std::string kConfirm = "Please confirm your order to reset all variables to initial values";

// A calculated, unsaved three-segment model at half-degree steps, in SI units.
void MakeCalculatedModel(model::CamModel& m) {
    m.NumSegments = 3;
    m.SegmentsText = "3";
    m.OmegaText = "250";
    m.CamOmega = 26.17994f;
    m.DeltaText = "0.5";
    m.DeltaTheta = 0.5f;
    m.NumPoints = 720;
    for (int s = 1; s <= 3; ++s) {
        m.SegBeta[s] = 120.0f;
        m.SegBetaText[s] = "120";
        m.SegDir[s] = s == 2 ? "D" : "R";
        m.SegStart[s] = 120.0f * static_cast<float>(s - 1);
        m.SegEnd[s] = 120.0f * static_cast<float>(s);
    }
    for (int i = 0; i <= 720; ++i) {
        m.Results[0][i] = 0.5f * static_cast<float>(i);
        m.Results[1][i] = 0.001f * static_cast<float>(i);
        m.Results[8][i] = -2.0f;
    }
    model::SelectUnitSystem(m, 3);
    m.UserName = "Ada";
    m.DesignNo = 7;
    m.SvajDone = true;
    m.ProfileDone = true;
    m.ModelSaved = false;
}

} // namespace

class FileNewTest : public QObject {
    Q_OBJECT
private slots:
    void cancelLeavesEveryValueUnchanged() {
        UiFixture f;
        RegisterHomeTargets(f);
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        MakeCalculatedModel(*f.model);
        home->activate();
        const auto before = std::make_unique<model::CamModel>(*f.model);

        f.host.answers = {Answer::No, Answer::Cancel};
        home->findChild<QAction*>("mnu_New")->trigger();

        QCOMPARE(f.host.messages.size(), std::size_t(2));
        QCOMPARE(f.host.messages[0].text, kSaveQuestion);
        QCOMPARE(f.host.messages[0].buttons, Buttons::YesNo);
        QCOMPARE(f.host.messages[1].text, kConfirm);
        QCOMPARE(f.host.messages[1].buttons, Buttons::OKCancel);
        const model::CamModel& m = *f.model;
        QVERIFY(m.Results == before->Results);
        QVERIFY(m.SegBeta == before->SegBeta);
        QVERIFY(m.SegDir == before->SegDir);
        QVERIFY(m.UnitLabel == before->UnitLabel);
        QCOMPARE(m.NumSegments, 3);
        QCOMPARE(m.NumPoints, 720);
        QCOMPARE(m.DeltaText, std::string("0.5"));
        QCOMPARE(m.OmegaText, std::string("250"));
        QCOMPARE(m.UnitSystem, 3);
        QCOMPARE(m.UserName, std::string("Ada"));
        QCOMPARE(m.DesignNo, 7);
        QVERIFY(m.SvajDone && m.ProfileDone && !m.ModelSaved);
        QVERIFY(home->findChild<QPushButton*>("cmd_DrawCam")->isEnabled());
    }

    void confirmedResetsTheModel() {
        UiFixture f;
        RegisterHomeTargets(f);
        int saves = 0;
        f.commands.add(ui::Command::SaveAs, [&] {
            ++saves;
            f.model->ModelSaved = true;
        });
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        MakeCalculatedModel(*f.model);
        home->activate();

        f.host.answers = {Answer::Yes, Answer::OK};
        home->New();

        QCOMPARE(saves, 1);
        QCOMPARE(f.host.messages.size(), std::size_t(2));
        const model::CamModel& m = *f.model;
        QCOMPARE(m.NumSegments, 1);
        QCOMPARE(m.SegmentsText, std::string("1"));
        QCOMPARE(m.DeltaText, std::string("1"));
        QCOMPARE(m.OmegaText, std::string("1"));
        QCOMPARE(m.NumPoints, 360);
        for (int i = 0; i <= 360; ++i)
            QCOMPARE(m.Results[0][i], static_cast<float>(i)); // 0, 1, ..., 360 degrees
        for (int i = 0; i <= 360; ++i)
            QCOMPARE(m.Results[1][i], 0.0f);
        QCOMPARE(m.SegBeta[1], 0.0f);
        QVERIFY(m.SegBetaText[2].empty());
        QCOMPARE(m.UnitSystem, 1);
        QCOMPARE(m.UnitLabel[1], std::string("in"));
        QVERIFY(!m.SvajDone);
        // The home screen shows the fresh start: buttons, File menu and unit tick.
        QCOMPARE(home->findChild<QPushButton*>("cmd_SizeCam")->isEnabled(), false);
        QCOMPARE(home->findChild<QPushButton*>("cmd_Plot")->isEnabled(), false);
        QCOMPARE(home->findChild<QAction*>("mnu_New")->isEnabled(), false);
        QVERIFY(home->findChild<QAction*>("mnu_unitpick_1")->isChecked());
    }
};

TROCHIX_UI_TEST(FileNewTest)
#include "FileNewTest.moc"
