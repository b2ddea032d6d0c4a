#include "ui/Navigator.h"

#include "model/Host.h"
#include "ui/Activatable.h"
#include "ui/AppContext.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cassert>

namespace trochix::ui {

Navigator::Navigator() = default;

Navigator::~Navigator() {
    if (m_ctx)
        m_ctx->host.setReturnHome({});
    // Later screens may refer to earlier ones: delete in reverse order of the table.
    for (auto it = m_screens.rbegin(); it != m_screens.rend(); ++it)
        it->reset();
}

void Navigator::attach(AppContext& ctx) {
    m_ctx = &ctx;
    ctx.host.setReturnHome([this] { ReturnHome(); });
}

void Navigator::registerScreen(ScreenId id, Factory factory) {
    m_factories[model::ScreenIndex(id)] = std::move(factory);
}

bool Navigator::isAvailable(ScreenId id) const {
    return static_cast<bool>(m_factories[model::ScreenIndex(id)]);
}

QWidget* Navigator::screen(ScreenId id) {
    auto& slot = m_screens[model::ScreenIndex(id)];
    if (!slot) {
        const Factory& make = m_factories[model::ScreenIndex(id)];
        if (!make)
            return nullptr;
        assert(m_ctx && "Navigator::attach must run before the first screen is created");
        slot.reset(make(*m_ctx));
        slot->setObjectName(QString::fromLatin1(model::ScreenName(id)));
        if (m_hasCaptions)
            slot->setWindowTitle(QString::fromStdString(m_captions[model::ScreenIndex(id)]));
    }
    return slot.get();
}

void Navigator::setCaptions(const model::Captions& captions) {
    m_captions = captions;
    m_hasCaptions = true;
    for (int i = 0; i < model::kScreenCount; ++i)
        if (m_screens[i])
            m_screens[i]->setWindowTitle(QString::fromStdString(captions[i]));
}

bool Navigator::isOpen(ScreenId id) const {
    return std::find(m_open.begin(), m_open.end(), id) != m_open.end();
}

void Navigator::ReturnHome() {
    // Hiding a screen ends its modal loop; the loops unwind once the running handler returns.
    for (auto it = m_open.rbegin(); it != m_open.rend(); ++it)
        if (QWidget* w = m_screens[model::ScreenIndex(*it)].get())
            w->hide();
    // Screens shown some other way (a test's navigator has no loops).
    for (int i = 0; i < model::kScreenCount; ++i)
        if (m_screens[i] && i != model::ScreenIndex(ScreenId::HomeScreen) &&
            qobject_cast<QDialog*>(m_screens[i].get()))
            m_screens[i]->hide();
    // The home screen exists from start-up on; building one here would reset its flags.
    if (isCreated(ScreenId::HomeScreen))
        ShowScreen(ScreenId::HomeScreen);
}

void Navigator::Centre(QWidget& w) {
    const QScreen* display = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    if (!w.testAttribute(Qt::WA_Resized))
        w.adjustSize();
    const QRect area = display->availableGeometry();
    w.move(area.x() + (area.width() - w.width()) / 2,
           area.y() + (area.height() - w.height()) / 2);
}

bool Navigator::ShowScreen(ScreenId id) {
    QWidget* w = screen(id);
    assert(w && "a command opened a screen that is not registered");
    if (!w)
        return false;
    if (auto* a = dynamic_cast<Activatable*>(w))
        a->activate();
    if (w->isVisible() && isOpen(id)) {
        // Already in front further down the chain of modal screens: bring it forward only.
        w->raise();
        w->activateWindow();
        return true;
    }
    if (!w->isVisible())
        Centre(*w);
    present(id, *w);
    return true;
}

namespace {

// Ends a screen's modal loop when the screen is hidden (Done, Escape, the close box).
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : m_loop(loop) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            m_loop.quit();
        return false;
    }

private:
    QEventLoop& m_loop;
};

} // namespace

void Navigator::present(ScreenId id, QWidget& w) {
    if (!qobject_cast<QDialog*>(&w)) {
        // The home screen stays up for the whole run and never blocks.
        w.show();
        w.raise();
        w.activateWindow();
        return;
    }
    // A modal loop of our own rather than QDialog::exec(): a screen that was closed by a
    // handler still running (Select Another reopens its selection screen, whose Done reopens
    // the plot) must be able to come back while that handler is on the stack.
    m_open.push_back(id);
    QEventLoop loop;
    HideWatcher watcher(loop);
    w.installEventFilter(&watcher);
    w.setWindowModality(Qt::ApplicationModal);
    w.show();
    w.raise();
    w.activateWindow();
    if (w.isVisible())
        loop.exec(QEventLoop::DialogExec);
    w.removeEventFilter(&watcher);
    m_open.erase(std::find(m_open.rbegin(), m_open.rend(), id).base() - 1);
    reactivateTop();
}

void Navigator::reactivateTop() {
    for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) {
        QWidget* w = m_screens[model::ScreenIndex(*it)].get();
        if (w && w->isVisible()) {
            if (auto* a = dynamic_cast<Activatable*>(w))
                a->activate();
            return;
        }
    }
    // No modal screen left: the home screen is in front again.
    QWidget* home = m_screens[model::ScreenIndex(ScreenId::HomeScreen)].get();
    if (home && home->isVisible())
        if (auto* a = dynamic_cast<Activatable*>(home))
            a->activate();
}

} // namespace trochix::ui
