// Everything a screen test needs: a fresh model after start-up, a recording host and navigator,
// scripted dialogs, and every screen and command registered as in the program. One per test.
#pragma once

#include "RecordingNavigator.h"
#include "ScriptedDialogs.h"
#include "model/CamModel.h"
#include "model/Captions.h"
#include "model/Colours.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "ui/AppContext.h"
#include "ui/Catalog.h"
#include "ui/Commands.h"
#include "ui/Controls.h"
#include "ui/ScreenBase.h"
#include "ui/screens/HomeScreen.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <initializer_list>
#include <memory>
#include <utility>
#include <sstream>
#include <string>
#include <vector>

namespace trochix::uitest {

using model::ScreenId;
using Strings = std::vector<std::string>;

// The named child; without it the test cannot go on.
template <class T = QWidget> T* Child(const QObject* parent, const QString& name) {
    T* w = parent->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

// "txt_Beta_3": the program's name of element 3 of a row of controls.
using ui::IndexedName;

inline void Click(const QObject* screen, const QString& button) {
    QTest::mouseClick(Child<QPushButton>(screen, button), Qt::LeftButton);
}

// Puts the focus into a box (or an editable list) and replaces its text by typing.
inline void Type(QWidget* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// The text each named control shows (a list's current text).
inline QString Shown(const QObject* screen, const QString& name) {
    const QObject* o = Child<QObject>(screen, name);
    const QVariant text = o->property("text");
    return (text.isValid() ? text : o->property("currentText")).toString();
}
inline void ExpectTexts(const QObject* screen,
                        std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [name, text] : texts)
        QVERIFY2(Shown(screen, name) == QString::fromUtf8(text),
                 qPrintable(QString("%1: \"%2\"").arg(name, Shown(screen, name))));
}

// '1' for each enabled, '0' for each disabled button or action, in the order named.
inline QString EnabledFlags(const QObject* screen, std::initializer_list<const char*> names) {
    QString flags;
    for (const char* name : names)
        flags += Child<QObject>(screen, name)->property("enabled").toBool() ? '1' : '0';
    return flags;
}

// The seven home buttons, in screen order: "1000001" after start-up.
inline QString HomeButtons(const QObject* home) {
    return EnabledFlags(home, {"cmd_SVAJ", "cmd_SizeCam", "cmd_DrawCam", "cmd_Dynamics",
                               "cmd_Plot", "cmd_Print", "cmd_Quit"});
}

// Pages of a PDF file (page objects, not the page tree); -1 when it is no PDF.
inline int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-"))
        return -1;
    return static_cast<int>(
        QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Names the table row being checked in the log when one of its checks fails.
struct Row {
    QString name;
    ~Row() {
        if (QTest::currentTestFailed())
            qWarning("in the row for \"%s\"", qPrintable(name));
    }
};

struct UiFixture {
    std::unique_ptr<model::CamModel> model = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    RecordingNavigator navigator;
    ScriptedDialogs dialogs;
    ui::Commands commands;
    ui::AppContext ctx{*model, host, navigator, dialogs, commands};
    int quitCalls = 0;

    UiFixture() {
        model::SetColours(ctx.colours);
        model::Initialize(*model, host);
        ctx.quit = [this] { ++quitCalls; };
        navigator.attach(ctx);
        ui::RegisterAll(ctx);
        navigator.setCaptions(model::SetCaptions(model->AppTitle));
    }

    template <class T> T* screen(ScreenId id) { return navigator.screenAs<T>(id); }
    ui::HomeScreen* home() { return screen<ui::HomeScreen>(ScreenId::HomeScreen); }

    // Shown as the active window, so that keys and focus behave as for the user.
    template <class T> T* open(ScreenId id) {
        navigator.ShowScreen(id);
        T* s = screen<T>(id);
        QApplication::setActiveWindow(s);
        if (!QTest::qWaitForWindowActive(s))
            qWarning("screen did not become active");
        return s;
    }

    // A home-screen menu entry, which must be enabled.
    void trigger(const QString& action) {
        QAction* a = Child<QAction>(home(), action);
        QVERIFY2(a->isEnabled(), qPrintable(action));
        a->trigger();
    }

    Strings texts() const {
        Strings t;
        for (const auto& m : host.messages)
            t.push_back(m.text);
        return t;
    }

    // Empty screens for those later modules will provide; real screens keep their place.
    void standIns(std::initializer_list<ScreenId> ids) {
        for (ScreenId id : ids)
            if (!navigator.isAvailable(id))
                navigator.registerScreen(id, [id](ui::AppContext& c) -> QWidget* {
                    return new ui::ScreenBase(c, id);
                });
    }
    void homeTargets() {
        standIns({ScreenId::InputData, ScreenId::SizeCam, ScreenId::Animate, ScreenId::Dynamics,
                  ScreenId::PlotType, ScreenId::PrintSelect, ScreenId::FFT});
    }
};

} // namespace trochix::uitest
