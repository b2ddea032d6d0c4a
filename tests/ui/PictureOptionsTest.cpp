// The command line of pictures rendered without a window: what it accepts and what it refuses.
#include "ui/picture/PictureOptions.h"
#include "UiTestRegistry.h"

#include <QTest>

#include <string>
#include <vector>

using namespace trochix;
using Args = std::vector<std::string>;

class PictureOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void acceptedCommandLines() {
        const auto plot =
            ui::ParsePictureArguments({"--example", "3", "--plot", "DI  ve ac", "--layout", "four",
                                       "--style", "aligned", "--segment", "2", "--out", "p.SVG"});
        QVERIFY2(plot.options.has_value(), plot.error.c_str());
        QCOMPARE(plot.options->example, 3);
        QCOMPARE(plot.options->plotCodes, (Args{"DI", "ve", "ac"}));
        QCOMPARE(plot.options->layout, std::string("four"));
        QCOMPARE(plot.options->style, std::string("aligned"));
        QCOMPARE(plot.options->segment, 2);
        QVERIFY(!plot.options->recalc);

        const auto draw = ui::ParsePictureArguments(
            {"--open", "my cam.cam", "--draw", "--recalc", "--out", "cam.pdf"});
        QVERIFY2(draw.options.has_value(), draw.error.c_str());
        QVERIFY(draw.options->draw && draw.options->recalc);
        QCOMPARE(draw.options->openPath, std::string("my cam.cam"));

        // The polar layout has its one function fixed, so it needs no codes.
        const auto polar =
            ui::ParsePictureArguments({"--example", "1", "--layout", "polar", "--out", "r.png"});
        QVERIFY2(polar.options.has_value(), polar.error.c_str());
        QVERIFY(polar.options->plotCodes.empty());
        QVERIFY(!polar.options->chartOnly);

        // The charts alone, for a report; the flag takes no value, so "-h" after it is help.
        const auto charts = ui::ParseCommandLine(
            {"--example", "3", "--plot", "DI VE", "--chart-only", "--out", "c.pdf"});
        QCOMPARE(static_cast<int>(charts.kind), static_cast<int>(ui::StartKind::Picture));
        QVERIFY(charts.picture->chartOnly);
        QCOMPARE(static_cast<int>(ui::ParseCommandLine({"--chart-only", "-h"}).kind),
                 static_cast<int>(ui::StartKind::Help));
        QCOMPARE(static_cast<int>(ui::ParseCommandLine({"--recalc", "-h"}).kind),
                 static_cast<int>(ui::StartKind::Help));
        // The usage text names it, with the plot it belongs to.
        const std::string usage = ui::ProgramUsage();
        QVERIFY(usage.find("[--segment all|K] [--chart-only] --out FILE") != std::string::npos);
        QVERIFY(usage.find("--chart-only leaves out the buttons") != std::string::npos);
    }

    void usageErrorsSayWhatIsWrong() {
        const struct {
            Args args;
            const char* says;
        } cases[] = {
            {{"--example", "6", "--draw", "--out", "a.png"}, "--example takes 1 to 5"},
            {{"--example", "1", "--open", "a.cam", "--draw", "--out", "a.png"}, "one model"},
            {{"--draw", "--out", "a.png"}, "one model"},
            {{"--example", "1", "--out", "a.png"}, "one picture"},
            {{"--example", "1", "--plot", "DI", "--draw", "--out", "a.png"}, "one picture"},
            {{"--example", "1", "--draw", "--segment", "2", "--out", "a.png"}, "belong to --plot"},
            {{"--example", "1", "--draw", "--chart-only", "--out", "a.png"}, "belong to --plot"},
            {{"--example", "1", "--screen", "nowhere", "--out", "a.png"},
             "--screen is one of title, home, input,"},
            {{"--example", "1", "--screen", "home", "--draw", "--out", "a.png"}, "one picture"},
            {{"--example", "1", "--screen", "home", "--segment", "2", "--out", "a.png"},
             "belong to --plot"},
            {{"--example", "1", "--plot", "DI", "--chart-only", "--chart-only", "--out", "a.png"},
             "given twice"},
            {{"--example", "1", "--plot", "DI"}, "--out FILE is needed"},
            {{"--example", "1", "--plot", "DI", "--out", "a.gif"}, ".png, .svg or .pdf"},
            {{"--example", "1", "--plot", "DI VE AC JE FO", "--out", "a.png"}, "1 to 4"},
            {{"--example", "1", "--plot", "--out", "a.png"}, "--plot needs a value"},
            {{"--example", "1", "--draw", "--out", "--segment"}, "--out needs a value"},
            {{"--example", "1", "--plot", "DI", "--layout", "three", "--out", "a.png"},
             "single, two, four or polar"},
            {{"--example", "1", "--plot", "DI", "--segment", "17", "--out", "a.png"},
             "all or 1 to 16"},
            {{"--example", "1", "--draw", "--draw", "--out", "a.png"}, "given twice"},
            {{"--example", "1", "--draw", "--out", "a.png", "extra"}, "unknown argument"},
        };
        for (const auto& c : cases) {
            const auto r = ui::ParsePictureArguments(c.args);
            QVERIFY(!r.options.has_value());
            QVERIFY2(r.error.find(c.says) != std::string::npos, r.error.c_str());
        }
    }

    // Help and version win wherever they stand, but not as the value of an option; any other
    // option of ours is a picture's, and everything else starting with '-' is unknown.
    void whatTheCommandLineAsksFor() {
        using ui::StartKind;
        const struct {
            Args args;
            StartKind kind;
        } cases[] = {
            {{"model.cam"}, StartKind::Screens},
            {{"--example", "1", "--draw", "-h"}, StartKind::Help},
            {{"--open", "--version", "--draw"}, StartKind::Version},
            {{"--open", "-h", "--draw", "--out", "a.png"}, StartKind::Picture},
            {{"--example", "1", "--out", "a.png"}, StartKind::UsageError},
            {{"-platform", "offscreen"}, StartKind::UsageError},
            {{"model.cam", "--bogus"}, StartKind::UsageError},
            {{"one.cam", "two.cam"}, StartKind::UsageError},
        };
        for (const auto& c : cases) {
            const ui::StartCommand got = ui::ParseCommandLine(c.args);
            QCOMPARE(static_cast<int>(got.kind), static_cast<int>(c.kind));
            QCOMPARE(got.picture.has_value(), c.kind == StartKind::Picture);
        }
        QVERIFY(ui::ParseCommandLine({"-x"}).error.find("-x") != std::string::npos);
        // The one plain argument is the file the screens open.
        QCOMPARE(ui::ParseCommandLine({"my cam.cam"}).openPath, std::string("my cam.cam"));
        QCOMPARE(ui::ParseCommandLine({}).openPath, std::string());
        QCOMPARE(ui::ParseCommandLine({"one.cam", "two.cam"}).error,
                 std::string("one model file at a time: one.cam and two.cam"));
        QCOMPARE(
            ui::ParseCommandLine({"--open", "-h", "--draw", "--out", "a.png"}).picture->openPath,
            std::string("-h"));
    }

    // Only the picture options switch the program away from its screens.
    void picturesAreAskedByTheirOptions() {
        QVERIFY(!ui::WantsPicture({}));
        QVERIFY(!ui::WantsPicture({"-platform", "offscreen"}));
        QVERIFY(ui::WantsPicture({"--draw"}));
        QVERIFY(ui::WantsPicture({"x", "--example"}));
    }
};

TROCHIX_UI_TEST(PictureOptionsTest)
#include "PictureOptionsTest.moc"
