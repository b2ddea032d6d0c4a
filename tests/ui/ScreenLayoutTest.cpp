// Every screen the pictures name, opened on a computed model and shrunk to the smallest size it
// allows: no two texts fall on one another and no label is cut short. Widgets are compared where
// they can be seen, clipped by every parent, so that rows scrolled out of a scroll area do not
// count.
#include "ScreenModels.h"
#include "UiTestRegistry.h"
#include "ui/Navigator.h"
#include "ui/picture/ScreenPicture.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace trochix;
using namespace trochix::uitest;

namespace {

bool BearsText(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return !l->text().trimmed().isEmpty();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return !b->text().isEmpty() || !b->icon().isNull();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// The part of `w` that can be seen, in the screen's coordinates: its rectangle clipped by every
// parent's (a scroll area's viewport among them).
QRect SeenRect(const QWidget* w, const QWidget* screen) {
    QRect seen(w->mapTo(screen, QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p && p != screen; p = p->parentWidget())
        seen &= QRect(p->mapTo(screen, QPoint(0, 0)), p->size());
    return seen & screen->rect();
}

bool InsideScrollArea(const QWidget* w, const QWidget* screen) {
    for (const QWidget* p = w->parentWidget(); p && p != screen; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

QString Describe(const QWidget* w, const QWidget* screen) {
    QString text = w->property("text").toString();
    if (text.isEmpty())
        text = w->property("currentText").toString();
    const QRect r(w->mapTo(screen, QPoint(0, 0)), w->size());
    return QString("%1 %2 \"%3\" at %4,%5 %6x%7")
        .arg(w->metaObject()->className(), w->objectName(), text.left(30))
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// What is wrong with the screen's texts as it is laid out now; empty when nothing is.
QStringList TextFaults(QWidget* screen) {
    QStringList faults;
    std::vector<std::pair<QWidget*, QRect>> texts;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(screen) || !BearsText(w))
            continue;
        const QRect seen = SeenRect(w, screen);
        if (seen.isEmpty()) {
            if (!InsideScrollArea(w, screen))
                faults << "out of sight: " + Describe(w, screen);
            continue;
        }
        texts.emplace_back(w, seen);
        if (auto* l = qobject_cast<QLabel*>(w)) {
            const bool cut = l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                                           : l->minimumSizeHint().width() > l->width();
            if (cut && l->pixmap().isNull())
                faults << "text cut short: " + Describe(w, screen);
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            QWidget* a = texts[i].first;
            QWidget* b = texts[j].first;
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            if (texts[i].second.intersects(texts[j].second))
                faults << "overlap: " + Describe(a, screen) + " / " + Describe(b, screen);
        }
    return faults;
}

} // namespace

class ScreenLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void textsFitAtTheSmallestSize() {
        QTemporaryDir dir;
        QStringList faults;
        for (const std::string& name : ui::ScreenPictureNames()) {
            UiFixture f;
            OpenModelFor(f, name);
            // Opened as the picture opens it: the state each screen shows after activation.
            std::string error;
            QVERIFY2(ui::RenderScreenPicture(f.ctx, name, dir.filePath("s.png").toStdString(),
                                             error),
                     (name + ": " + error).c_str());
            QWidget* screen = f.navigator.screen(*ui::ScreenPictureId(name));
            screen->setAttribute(Qt::WA_DontShowOnScreen, true);
            screen->show();
            if (screen->layout())
                screen->layout()->activate();
            const QSize smallest = screen->minimumSizeHint().expandedTo(screen->minimumSize());
            screen->resize(smallest);
            if (screen->layout())
                screen->layout()->activate();
            QCoreApplication::processEvents();
            for (const QString& fault : TextFaults(screen))
                faults << QString::fromStdString(name) + " at " +
                              QString("%1x%2: ").arg(screen->width()).arg(screen->height()) +
                              fault;
            screen->hide();
        }
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join('\n')));
    }
};

TROCHIX_UI_TEST(ScreenLayoutTest)
#include "ScreenLayoutTest.moc"
