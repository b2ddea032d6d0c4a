// frm_Response driven through its controls: reached from the Dynamics screen, it computes the
// motion on opening, shows S with the actual motion, the error and the residual table of every
// rise or fall, charts the spectrum of a segment with the design marked, and refuses bad boxes.
#include "ui/screens/ResponseScreen.h"
#include "PlotTestSupport.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "chain/ResponseStage.h"
#include "dynamics/ResponseText.h"
#include "files/Examples.h"
#include "model/ResultRow.h"
#include "ui/ChartView.h"
#include "ui/screens/DynamicsScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

using namespace trochix;
using namespace trochix::uitest;
using model::ResultRow;

class ResponseScreenTest : public QObject {
    Q_OBJECT
private slots:
    void everyExampleShowsItsResponse() {
        for (int n = 1; n <= files::kExampleCount; ++n) {
            UiFixture f;
            LoadComputedExample(f, n, 1.0f);
            auto* s = f.open<ui::ResponseScreen>(ScreenId::Response);
            QVERIFY2(f.model->ResponseDone, qPrintable(QString::number(n)));
            QVERIFY(f.host.messages.empty());
            const auto* motion = Child<ui::ChartView>(s, "grf_Motion");
            QCOMPARE(motion->graph().NumSets, 2);
            QCOMPARE(motion->graph().Sets[1].GraphData[90],
                     double(f.model->Results[ResultRow::ActualDisplacement][90]));
            const auto* error = Child<ui::ChartView>(s, "grf_Error");
            QCOMPARE(error->graph().Sets[0].GraphData[45],
                     double(f.model->Results[ResultRow::MotionError][45]));
            auto* table = Child<QTableWidget>(s, "grd_Residual");
            int rises = 0;
            for (int seg = 1; seg <= f.model->NumSegments; ++seg)
                rises += dynamics::IsRiseOrFallRow(*f.model, seg) ? 1 : 0;
            QCOMPARE(table->rowCount(), rises);
            // The spectrum of the first rise or fall, its design marked at the present ratio.
            const output::Graph& g = Child<ui::ChartView>(s, "grf_Spectrum")->graph();
            QCOMPARE(g.NumSets, 2);
            const int seg = Child<QComboBox>(s, "cbo_Segment")->currentData().toInt();
            const double present = chain::PresentRatio(*f.model, seg);
            const auto& mark = g.Sets[1].GraphData;
            const auto at =
                std::find_if(mark.begin(), mark.end(), [](double v) { return v != 0.0; });
            if (present >= 0.25 && present <= 5.0 && at != mark.end())
                QCOMPARE(g.XValues[static_cast<std::size_t>(at - mark.begin())], present);
        }
    }

    void fromRestAndTheTrainBox() {
        UiFixture f;
        LoadComputedExample(f, 3, 1.0f);
        auto* s = f.open<ui::ResponseScreen>(ScreenId::Response);
        const float steady = f.model->Results[ResultRow::ActualDisplacement][0];
        Child<QCheckBox>(s, "chk_FromRest")->setChecked(true);
        Click(s, "cmd_Calc");
        QVERIFY(f.model->Response.FromRest);
        QCOMPARE(f.model->Results[ResultRow::ActualDisplacement][0], 0.0f);
        QVERIFY(steady != 0.0f);

        auto* train = Child<QLineEdit>(s, "txt_TrainStiffness");
        train->setText("-3");
        Click(s, "cmd_Calc");
        QCOMPARE(f.host.lastText(),
                 std::string("The train stiffness must be 0 or more.  Please redo."));
        QCOMPARE(train->text(), QString("0"));
        QCOMPARE(f.model->TrainStiffness, 0.0f);
        train->setText("1e9");
        Click(s, "cmd_Calc");
        QCOMPARE(f.model->TrainStiffness, 1.0e9f);
        QVERIFY(f.model->Response.MaxError < 1e-4f);

        Child<QLineEdit>(s, "txt_RatioFrom")->setText("4");
        Child<QLineEdit>(s, "txt_RatioTo")->setText("2");
        f.host.clear();
        Click(s, "cmd_Spectrum");
        QCOMPARE(f.host.lastText(),
                 std::string("The ratios must run from a positive value to a larger one."));
    }

    void dynamicsButtonOpensTheView() {
        UiFixture f;
        LoadComputedExample(f, 2, 1.0f);
        auto* d = f.open<ui::DynamicsScreen>(ScreenId::Dynamics);
        Click(d, "cmd_Response");
        QVERIFY(f.navigator.lastShownIs(ScreenId::Response));
    }
};

TROCHIX_UI_TEST(ResponseScreenTest)
#include "ResponseScreenTest.moc"
