// The boundary-condition screen, the coefficient screen its Done opens, and the continuity
// screen.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "forms/PolyForm.h"
#include "motion/Continuity.h"
#include "ui/screens/BoundsScreen.h"
#include "ui/screens/ContinuityScreen.h"
#include "ui/screens/PolyScreen.h"

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;

namespace {

const std::string kCountRange =
    "Number of boundary conditions must be between 2 and  20 - please re-enter";
const QColor kYellow(255, 255, 0);
const QColor kGrey(192, 192, 192);
const char* const kRows[4] = {"txt_Sbound", "txt_Vbound", "txt_Abound", "txt_Jbound"};

// Segment 1 as the input screen hands it over: a polynomial row of 90 degrees from 30 to 120,
// positions typed as "0" and "1".
ui::BoundsScreen* OpenPreset(UiFixture& f) {
    model::CamModel& m = *f.model;
    m.NumSegments = 1;
    m.CurSeg = 1;
    m.SegDir[1] = m.SegDesc[1] = "P";
    m.SegBeta[1] = 90.0f;
    m.SegBetaRadArr[1] = static_cast<float>(90.0 / 57.29577950560105);
    m.SegStart[1] = 30.0f;
    m.SegEnd[1] = 120.0f;
    m.SegStartText[1] = "0";
    m.SegEndText[1] = "1";
    return f.open<ui::BoundsScreen>(ScreenId::Bounds);
}

QLineEdit* Box(QWidget* s, int row, int column) {
    return Child<QLineEdit>(s, IndexedName(kRows[row], column));
}

// Types into a box as the user does, then Enter.
void Enter(QWidget* s, const QString& name, const QString& text) {
    Type(Child(s, name), text);
    QTest::keyClick(Child(s, name), Qt::Key_Return);
}

// The background the box is painted with, away from its border and text.
QColor Background(QWidget* box) {
    const QImage image = box->grab().toImage();
    return image.pixelColor(6, image.height() / 2);
}

// Column c enabled (yellow) or disabled (grey) in all four boxes.
void ExpectColumn(QWidget* s, int c, bool enabled) {
    for (int r = 0; r < 4; ++r) {
        QLineEdit* box = Box(s, r, c);
        QVERIFY2(box->isEnabled() == enabled, qPrintable(box->objectName()));
        QCOMPARE(Background(box), enabled ? kYellow : kGrey);
    }
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& l : lines)
        list << QString::fromStdString(l);
    return list.join('\n');
}

// A rise and a return over two segments; J jumps at both boundaries, which is never tested.
// closingS is where the return ends: 0 closes the cycle.
ui::ContinuityScreen* OpenTwoSegments(UiFixture& f, float closingS) {
    model::CamModel& m = *f.model;
    m.NumSegments = 2;
    m.SegEnds[1][1] = {0.0f, 0.0f, 0.0f, 12.0f};
    m.SegEnds[1][2] = {1.0f, 0.0f, 0.0f, -12.0f};
    m.SegEnds[2][1] = {1.0f, 0.0f, 0.0f, 8.0f};
    m.SegEnds[2][2] = {closingS, 0.0f, 0.0f, -8.0f};
    f.navigator.ShowScreen(ScreenId::Continuity);
    return f.screen<ui::ContinuityScreen>(ScreenId::Continuity);
}

} // namespace

class PolynomialScreensTest : public QObject {
    Q_OBJECT
private slots:
    // Each opening presets the segment and empties what the last use typed.
    void presetsTheSegmentOnEveryOpening() {
        UiFixture f;
        auto* s = OpenPreset(f);
        QStringList captions;
        for (const QLabel* l : s->findChildren<QLabel*>())
            captions << l->text();
        for (const char* c : {"Global Theta (deg)", "Local Theta (deg)", "Segment Number",
                              "Number of Conditions Requested", "Number of Conditions Selected"})
            QVERIFY2(captions.contains(c), c);
        QCOMPARE(captions.count("Boundary Cond."), 4);
        ExpectTexts(s, {{"lbl_SVAJ_0", "S"},
                        {"lbl_SVAJ_1", "V"},
                        {"lbl_SVAJ_2", "A"},
                        {"lbl_SVAJ_3", "J"},
                        {"cmd_Done", "&Done"},
                        {"cmd_Cancel", "Ca&ncel"},
                        {"cmd_ClearBounds", "Clea&r"}});

        Enter(s, "txt_NoConds", "5");
        Enter(s, "txt_Vbound_0", "2");
        Enter(s, "txt_Theta_2", "45");
        Enter(s, "txt_Jbound_2", "7");
        QCOMPARE(f.model->BcRequested, 5);
        s->closeScreen();
        f.model->SegStartText[1] = "0.5";
        f.model->SegEndText[1] = "";
        s = f.open<ui::BoundsScreen>(ScreenId::Bounds);
        ExpectTexts(s, {{"lbl_segment", " 1"},
                        {"lbl_start", "0"},
                        {"lbl_end", " 90"},
                        {"lbl_Segangle_0", " 30"},
                        {"lbl_Segangle_4", " 120"},
                        {"lbl_Segangle_2", ""},
                        {"lbl_Selected", " 1"},
                        {"txt_NoConds", "2"}});
        QCOMPARE(f.model->BcRequested, 2);
        for (int c = 0; c < 5; ++c) {
            for (int r = 0; r < 4; ++r)
                QCOMPARE(Box(s, r, c)->text(), QString(r == 0 && c == 0 ? "0.5" : ""));
            ExpectColumn(s, c, false);
        }
        ExpectTexts(s, {{"txt_Theta_1", ""}, {"txt_Theta_2", ""}, {"txt_Theta_3", ""}});
        QCOMPARE(EnabledFlags(s, {"txt_Theta_1", "txt_Theta_2", "txt_Theta_3", "cmd_Done"}),
                 QString("0000"));
        QCOMPARE(QApplication::focusWidget(), Child(s, "txt_NoConds"));
        QVERIFY(f.host.messages.empty());
    }

    // The count box commits on Enter, on leaving it and on a double-click. A refused or empty
    // count keeps the request of before (4) and closes the boxes.
    void conditionCount() {
        const struct {
            const char* text;
            const char* how;
            bool accepted;
        } cases[] = {{"1", "enter", false}, {"21", "leave", false}, {"-4", "double-click", false},
                     {"", "enter", false},  {"20", "leave", true},  {"3", "double-click", true}};
        for (const auto& c : cases) {
            const Row row{c.text};
            UiFixture f;
            auto* s = OpenPreset(f);
            // Open the end columns first, so that a refusal is seen to close them again.
            Enter(s, "txt_NoConds", "4");
            ExpectColumn(s, 0, true);
            auto* count = Child<QLineEdit>(s, "txt_NoConds");
            Type(count, c.text);
            if (c.how == std::string("enter"))
                QTest::keyClick(count, Qt::Key_Return);
            else if (c.how == std::string("leave"))
                QTest::keyClick(count, Qt::Key_Tab);
            else
                QTest::mouseDClick(count, Qt::LeftButton);
            const bool refused = !c.accepted && *c.text;
            QCOMPARE(f.texts(), refused ? Strings{kCountRange} : Strings());
            if (refused)
                QCOMPARE(f.host.messages[0].title, std::string("TROCHIX"));
            QCOMPARE(f.model->BcRequested, c.accepted ? QString(c.text).toInt() : 4);
            ExpectColumn(s, 0, c.accepted);
            ExpectColumn(s, 4, c.accepted);
            for (int k = 1; k <= 3; ++k) {
                ExpectColumn(s, k, false); // no angle typed yet
                QWidget* theta = Child(s, IndexedName("txt_Theta", k));
                QCOMPARE(theta->isEnabled(), c.accepted);
                QCOMPARE(Background(theta), c.accepted ? kYellow : kGrey);
            }
            if (c.accepted) // two of the requested conditions are filled: type the next one
                QCOMPARE(QApplication::focusWidget(), Box(s, 1, 0));
            QVERIFY(!Child(s, "cmd_Done")->isEnabled());
        }
    }

    // An inner angle lies strictly inside the segment; its global angle is 30 + theta.
    void innerAngle() {
        for (const auto& [theta, global] : {std::pair{"45", " 75"},
                                            {"0.5", " 30.5"},
                                            {"89.9", " 119.9"},
                                            {"0", ""},
                                            {"90", ""},
                                            {"120", ""},
                                            {"-10", ""}}) {
            const bool accepted = *global;
            const Row row{theta};
            UiFixture f;
            auto* s = OpenPreset(f);
            Enter(s, "txt_NoConds", "3");
            Enter(s, "txt_Theta_2", theta);
            QCOMPARE(f.texts(),
                     accepted ? Strings() : Strings{" Value must be between zero and  90"});
            if (!accepted)
                QCOMPARE(f.host.messages[0].title, std::string("TROCHIX"));
            ExpectTexts(s, {{"txt_Theta_2", accepted ? theta : ""}, {"lbl_Segangle_2", global}});
            ExpectColumn(s, 2, accepted);
            ExpectColumn(s, 1, false);
            ExpectColumn(s, 3, false);
        }
    }

    // Done opens at exactly the requested count, counting every column; leaving a box counts
    // as Enter does, and one box more closes it again. Clear empties and closes every box;
    // Cancel and Escape must not leave an earlier segment's solution valid.
    void doneAtTheExactCountClearAndCancel() {
        UiFixture f;
        auto* s = OpenPreset(f);
        Enter(s, "txt_NoConds", "5");
        auto* done = Child(s, "cmd_Done");
        Enter(s, "txt_Vbound_0", "0");
        ExpectTexts(s, {{"lbl_Selected", " 3"}});
        QVERIFY(!done->isEnabled());
        Enter(s, "txt_Theta_1", "45");
        Enter(s, "txt_Sbound_1", ".5");
        ExpectTexts(s, {{"lbl_Selected", " 4"}});
        QVERIFY(!done->isEnabled());
        Type(Box(s, 1, 4), "0");
        QTest::keyClick(Box(s, 1, 4), Qt::Key_Tab);
        ExpectTexts(s, {{"lbl_Selected", " 5"}});
        QVERIFY(done->isEnabled());
        QCOMPARE(QApplication::focusWidget(), done);
        QVERIFY(f.host.messages.empty());
        Enter(s, "txt_Abound_4", "0");
        ExpectTexts(s, {{"lbl_Selected", " 6"}});
        QCOMPARE(f.texts(), Strings{"You have input more boundary conditions than specified"});
        QCOMPARE(f.host.messages[0].title, std::string("TROCHIX"));
        QVERIFY(!done->isEnabled());

        Click(s, "cmd_ClearBounds");
        QVERIFY(s->isVisible());
        for (QLineEdit* box : s->findChildren<QLineEdit*>()) {
            QCOMPARE(box->text(), QString());
            if (box->objectName() != "txt_NoConds")
                QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
        }
        ExpectTexts(s, {{"lbl_Segangle_1", ""}});
        QVERIFY(!done->isEnabled());
        Enter(s, "txt_NoConds", "2");
        Enter(s, "txt_Sbound_0", "0");
        f.model->BcValid = true; // from an earlier segment
        Click(s, "cmd_Cancel");
        QVERIFY(!s->isVisible() && !f.model->BcValid);
        ExpectTexts(s, {{"txt_NoConds", ""}, {"txt_Sbound_0", ""}});
        s = OpenPreset(f);
        f.model->BcValid = true;
        QTest::keyClick(s, Qt::Key_Escape);
        QVERIFY(!s->isVisible() && !f.model->BcValid);
        QCOMPARE(f.navigator.timesShown(ScreenId::Poly), 0);
    }

    // S(0) = 0 and S(1) = 1 give S = x: coefficients 0 and 1 on the coefficient screen.
    void solvesAStraightLineAndShowsIt() {
        UiFixture f;
        auto* s = OpenPreset(f);
        Enter(s, "txt_NoConds", "2");
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible() && f.navigator.lastShownIs(ScreenId::Poly));
        // Points of S = x over the segment from 30 to 120 degrees, at 1-degree steps.
        QCOMPARE(f.model->Results[1][30 + 45], 0.5f);
        QCOMPARE(f.model->Results[1][120], 1.0f);

        auto* poly = f.screen<ui::PolyScreen>(ScreenId::Poly);
        QVERIFY(poly->isVisible());
        ExpectTexts(poly,
                    {{"lbl_Title", "Boundary Conditions Selected and Resulting Displacement "
                                   "Equation Coefficients"},
                     {"lbl_Bounds", "Boundary Conditions Selected for this Polynomial"},
                     {"lbl_Exponents", "Coefficients for S Equation with Theta/Beta as Variable"},
                     {"lbl_Name_0", "Segment"},
                     {"lbl_Name_1", "Start"},
                     {"lbl_Name_2", "Beta"},
                     {"lbl_Name_3", "End"},
                     {"lbl_SegData_0", " 1"},
                     {"lbl_SegData_1", " 30"},
                     {"lbl_SegData_2", " 90"},
                     {"lbl_SegData_3", " 120"},
                     {"cmd_Print", "&Print Data"}});
        auto* conditions = Child<QPlainTextEdit>(poly, "pct_Poly_0");
        auto* coefficients = Child<QPlainTextEdit>(poly, "pct_Poly_1");
        QCOMPARE(conditions->toPlainText(),
                 Joined(motion::Polytable_Form(*f.model, f.host).conditions));
        QVERIFY(QFontInfo(coefficients->font()).fixedPitch()); // the columns line up
        const QString pad11(11, ' ');
        QCOMPARE(coefficients->toPlainText(), QString(6, ' ') + "      Equation Resulting\n" +
                                                  "   Exponent        Coefficient\n" + pad11 +
                                                  " 0 " + pad11 + "0.000\n" + pad11 + " 1 " +
                                                  pad11 + "1.000");

        QTemporaryDir dir;
        const QString pdf = dir.filePath("poly.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        Click(poly, "cmd_Print");
        QCOMPARE(PdfPages(pdf), 1);
        QVERIFY(poly->isVisible() && f.host.messages.empty());
    }

    // Tab from an inner angle goes down into its column: the column opens while a valid angle
    // is typed, and closes again while the text is no angle inside the segment; the refusal is
    // said once, when the box is left.
    void tabEntersTheColumnOfATypedAngle() {
        UiFixture f;
        auto* s = OpenPreset(f);
        Enter(s, "txt_NoConds", "3");
        QWidget* theta1 = Child(s, "txt_Theta_1");
        Type(theta1, "45");
        ExpectColumn(s, 1, true);
        ExpectTexts(s, {{"lbl_Segangle_1", " 75"}});
        QTest::keyClick(theta1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Box(s, 0, 1));

        QWidget* theta2 = Child(s, "txt_Theta_2");
        Type(theta2, "120");
        ExpectColumn(s, 2, false);
        ExpectTexts(s, {{"lbl_Segangle_2", ""}});
        QVERIFY(f.host.messages.empty());
        QTest::keyClick(theta2, Qt::Key_Tab);
        QCOMPARE(f.texts(), Strings{" Value must be between zero and  90"});
        ExpectTexts(s, {{"txt_Theta_2", ""}});
        QCOMPARE(QApplication::focusWidget(), Child(s, "txt_Theta_3"));
        QCOMPARE(f.host.messages.size(), std::size_t(1));
    }

    // Boxes under a refused angle are counted but not read, so Done refuses. With the angle
    // again, S(0) = 0, S(45 of 90) = 0.25, S(1) = 1 is x^2 (hand-solved: c1/2 + c2/4 = 1/4 and
    // c1 + c2 = 1 give c1 = 0, c2 = 1).
    void innerColumnIsReadThroughItsAngle() {
        UiFixture f;
        auto* s = OpenPreset(f);
        Enter(s, "txt_NoConds", "3");
        Enter(s, "txt_Theta_1", "45");
        Enter(s, "txt_Sbound_1", "0.25");
        ExpectTexts(s, {{"lbl_Segangle_1", " 75"}});
        Enter(s, "txt_Theta_1", "95");
        ExpectColumn(s, 1, false);
        ExpectTexts(s, {{"lbl_Segangle_1", ""}, {"txt_Sbound_1", "0.25"}});
        Enter(s, "txt_Theta_3", "10");
        Enter(s, "txt_Theta_3", "");
        ExpectTexts(s, {{"lbl_Segangle_3", ""}});
        f.host.clear();
        Click(s, "cmd_Done");
        QCOMPARE(f.texts(), Strings{"Something wrong - Have input different number of boundary "
                                    "conditions than specified"});
        QVERIFY(s->isVisible() && !f.model->BcValid);
        QCOMPARE(f.navigator.timesShown(ScreenId::Poly), 0);

        Enter(s, "txt_Theta_1", "45");
        Click(s, "cmd_Done");
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QVERIFY(f.model->BcValid && f.navigator.lastShownIs(ScreenId::Poly));
        const float tolerance = 1e-6f; // a 3 x 3 system in double, stored as float
        QVERIFY(std::abs(f.model->PolyCoef[1][1]) < tolerance);
        QVERIFY(std::abs(f.model->PolyCoef[2][1]) < tolerance);
        QVERIFY(std::abs(f.model->PolyCoef[3][1] - 1.0f) < tolerance);
        QCOMPARE(f.model->BcPos[3][1], 0.5f);
    }

    // The table is refilled from the model at every opening, and prints on one page.
    void showsTheInterfaceTable() {
        UiFixture f;
        auto* s = OpenTwoSegments(f, 0.0f);
        ExpectTexts(s, {{"lbl_Explanation",
                         "The function values at the beginning and ends of adjacent cam segments "
                         "are grouped together so that the continuity (or lack thereof) can be "
                         "easily seen for each of the cam functions, S, V, A, and J.  They must "
                         "be continuous through acceleration (A) for good dynamic performance."},
                        {"cmd_PlotPrint", "&Print Data"}});
        s->closeScreen();
        s = OpenTwoSegments(f, 0.5f);
        auto* area = Child<QPlainTextEdit>(s, "pct_Continuity");
        QCOMPARE(area->toPlainText(), Joined(motion::Continuity_Form(*f.model, f.host)));
        QVERIFY(area->toPlainText().contains(" .5 ")); // the changed end, rounded
        QVERIFY(QFontInfo(area->font()).fixedPitch());
        QTemporaryDir dir;
        const QString pdf = dir.filePath("continuity.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        Click(s, "cmd_PlotPrint");
        QCOMPARE(PdfPages(pdf), 1);
        QVERIFY(f.host.messages.empty() && s->isVisible());
    }

    // Done and Escape check the cycle; only an open one gets the warning (its text is tested
    // with the check).
    void leavingChecksTheCycle() {
        for (const auto& [closingS, escape] :
             {std::pair{0.25f, false}, {0.25f, true}, {0.0f, false}}) {
            const Row row{QString("%1%2").arg(closingS).arg(escape ? ", Escape" : "")};
            UiFixture f;
            f.model->ContinuityOK = closingS != 0.0f; // the opposite, from an earlier check
            auto* s = OpenTwoSegments(f, closingS);
            if (escape)
                QTest::keyClick(s, Qt::Key_Escape);
            else
                Click(s, "cmd_Done");
            QVERIFY(!s->isVisible());
            QCOMPARE(f.model->ContinuityOK, closingS == 0.0f);
            QCOMPARE(f.texts(), closingS == 0.0f
                                    ? Strings()
                                    : Strings{motion::ContinuityWarningText(closingS)});
        }
    }
};

TROCHIX_UI_TEST(PolynomialScreensTest)
#include "PolynomialScreensTest.moc"
