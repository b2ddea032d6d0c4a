#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "model/Units.h"
#include "ui/HeaderPanels.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

using namespace trochix;
using namespace trochix::uitest;

namespace {
QString Text(const QWidget& w, const char* name) {
    const auto* label = w.findChild<QLabel*>(name);
    return label ? label->text() : QString("<missing %1>").arg(name);
}
} // namespace

class HeaderPanelsTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheCoreTexts() {
        UiFixture f;
        model::CamModel& m = *f.model;
        m.UserName = "Ada";
        m.DesignNo = 3;
        m.CamOmega = 10.471976f; // 100 rpm
        m.CamDirection = 1;
        m.NumSegments = 2;
        m.SegStart[2] = 180.0f;
        m.SegEnd[2] = 270.0f;
        m.PrimeRadius = 1.5f;
        m.RollerRadiusText = "0.50";
        model::SelectUnitSystem(m, 3);

        ui::HeaderPanels panels;
        panels.fill(model::FillHeaders(m, 2));
        QCOMPARE(Text(panels, "lbl_Header"), QString("Ada\n Design No. 3\n12-08-2026\n at 09:30:05"));
        QCOMPARE(Text(panels, "lbl_HdrOmega"), QString("100.0"));
        QCOMPARE(Text(panels, "lbl_HdrRotates"), QString("Ccw"));
        QCOMPARE(Text(panels, "lbl_HdrSegment"), QString("2"));
        QCOMPARE(Text(panels, "lbl_HdrStart"), QString("180"));
        QCOMPARE(Text(panels, "lbl_HdrEnd"), QString("270"));
        QCOMPARE(Text(panels, "lbl_HdrDelta"), QString("1"));
        QCOMPARE(Text(panels, "lbl_HdrPrime"), QString("1.50"));
        QCOMPARE(Text(panels, "lbl_HdrFolwr"), QString("0.50"));
        auto* size = panels.findChild<QGroupBox*>("fra_CamSize");
        QCOMPARE(size->title(), QString("Cam Size Data"));
        QVERIFY(size->isHidden()); // not sized yet
        // Length captions follow the unit system: Prime Radius, Offset, Min Rho +, Min Rho -
        // and Folwr Rad show "m".
        int metres = 0;
        for (const QLabel* l : size->findChildren<QLabel*>())
            metres += l->text() == "m";
        QCOMPARE(metres, 5);
    }

    void sizeDataAppearsOnceSized() {
        UiFixture f;
        f.model->ProfileDone = true;
        ui::HeaderPanels panels;
        panels.fill(model::FillHeaders(*f.model, 0));
        QVERIFY(!panels.findChild<QGroupBox*>("fra_CamSize")->isHidden());
        QCOMPARE(Text(panels, "lbl_HdrSegment"), QString("All"));
        f.model->ProfileDone = false;
        panels.fill(model::FillHeaders(*f.model, 0));
        QVERIFY(panels.findChild<QGroupBox*>("fra_CamSize")->isHidden());
    }
};

TROCHIX_UI_TEST(HeaderPanelsTest)
#include "HeaderPanelsTest.moc"
