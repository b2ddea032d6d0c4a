// The Dynamics screen's contact frame driven through its controls: the verdict after
// Calculate, a follower that jumps shown in red, and the width and material boxes' refusals
// and what an accepted value changes.
#include "ui/screens/ContactPanel.h"
#include "PlotTestSupport.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/ResultRow.h"
#include "text/NumberText.h"
#include "ui/screens/DynamicsScreen.h"

#include <QLabel>

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;

namespace {

QString LabelText(QWidget* s, const char* name) {
    return Child<QLabel>(s, name)->text();
}

void Enter(QWidget* s, const char* name, const QString& text) {
    QLineEdit* box = Child<QLineEdit>(s, name);
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

class ContactPanelTest : public QObject {
    Q_OBJECT
private slots:
    void calculateShowsTheVerdict() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = f.open<ui::DynamicsScreen>(ScreenId::Dynamics);
        // Opening withdraws the dynamics: no verdict yet, the boxes show the defaults in use.
        QCOMPARE(LabelText(s, "lbl_ContactVerdict"), QString());
        ExpectTexts(s, {{"txt_Width", "1.5"},
                        {"txt_CamPoisson", "0.3"},
                        {"txt_Margin", "0.1"},
                        {"lbl_ContactUnit_1", "lb/in^2"}});
        // Steel, 2.07e11 Pa, in psi.
        QVERIFY(std::fabs(Child<QLineEdit>(s, "txt_CamModulus")->text().toDouble() - 3.00229e7) <
                100.0);
        Click(s, "cmd_Calc");
        const model::ContactFigures& c = f.model->Contact;
        QVERIFY(f.model->ContactDone);
        QCOMPARE(LabelText(s, "lbl_ContactVerdict"), QString("Contact kept"));
        QCOMPARE(LabelText(s, "lbl_TopSpeed").toStdString(),
                 "Top speed " + text::FNRoundStr(c.TopSpeed, 1) + " rpm");
        QCOMPARE(LabelText(s, "lbl_PreloadNeeded").toStdString(),
                 "Preload needed " + text::FNRoundStr(c.PreloadNeeded, 1) + " lb with this spring");
        QVERIFY(LabelText(s, "lbl_HertzMax").startsWith("Largest contact pressure "));
        QVERIFY(LabelText(s, "lbl_ShearMax").contains(" lb/in^2 at depth "));
        QCOMPARE(f.texts(), Strings());
    }

    // No spring and no preload: the follower leaves the cam where it decelerates; Start Fresh
    // recomputes at once and the verdict names the ranges, in red.
    void aJumpIsShownInRed() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = f.open<ui::DynamicsScreen>(ScreenId::Dynamics);
        Click(s, "cmd_Calc");
        Enter(s, "txt_Preload", "0");
        Enter(s, "txt_Spring", "0");
        QVERIFY(f.model->ContactDone);
        QVERIFY(!f.model->Contact.JumpRanges.empty());
        QLabel* verdict = Child<QLabel>(s, "lbl_ContactVerdict");
        QVERIFY(verdict->text().startsWith("Jump: "));
        QVERIFY(verdict->text().endsWith(" deg"));
        QVERIFY(verdict->styleSheet().contains("#c0161b"));
        QCOMPARE(LabelText(s, "lbl_TopSpeed"),
                 QString("No speed keeps contact: the force at rest is not above zero"));
    }

    void refusedBoxesKeepTheModel() {
        const struct {
            const char* box;
            const char* typed;
            const char* message;
            const char* shown;
        } cases[] = {
            {"txt_Width", "0", "The contact width must be a positive length.  Please redo.", "1.5"},
            {"txt_Width", "wide", "The contact width must be a positive length.  Please redo.",
             "1.5"},
            {"txt_FollowerModulus", "-3e7",
             "The modulus of elasticity must be positive.  Please redo.", nullptr},
            {"txt_CamPoisson", "0.6", "Poisson's ratio must be between 0 and 0.5.  Please redo.",
             "0.3"},
            {"txt_Margin", "1",
             "The force margin must be between 0 and 0.9 of the largest force.  Please redo.",
             "0.1"},
        };
        for (const auto& c : cases) {
            UiFixture f;
            LoadComputedExample(f, 1, 1.0f);
            auto* s = f.open<ui::DynamicsScreen>(ScreenId::Dynamics);
            Click(s, "cmd_Calc");
            const float before = f.model->Contact.HertzMax;
            Enter(s, c.box, c.typed);
            QCOMPARE(f.texts(), Strings{c.message});
            if (c.shown)
                QCOMPARE(Child<QLineEdit>(s, c.box)->text(), QString(c.shown));
            QCOMPARE(f.model->ContactWidth, 0.0f);
            QCOMPARE(f.model->FollowerModulus, 0.0f);
            QCOMPARE(f.model->CamPoisson, 0.3f);
            QCOMPARE(f.model->ContactMargin, 0.1f);
            QVERIFY(f.model->ContactDone);
            QCOMPARE(f.model->Contact.HertzMax, before);
        }
    }

    // Twice the width halves the load per length: p0 falls by sqrt(2). The dynamics stand.
    void anAcceptedWidthRecomputesTheContact() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = f.open<ui::DynamicsScreen>(ScreenId::Dynamics);
        Click(s, "cmd_Calc");
        const double before = f.model->Contact.HertzMax;
        Enter(s, "txt_Width", "3");
        QCOMPARE(f.texts(), Strings());
        QCOMPARE(f.model->ContactWidth, 3.0f);
        QVERIFY(f.model->ContactDone && f.model->DynamicsDone);
        QVERIFY(std::fabs(f.model->Contact.HertzMax - before / std::sqrt(2.0)) < 1e-4 * before);
        QVERIFY(!f.model->ModelSaved);
        QVERIFY(s->resultsShown());
    }
};

TROCHIX_UI_TEST(ContactPanelTest)
#include "ContactPanelTest.moc"
