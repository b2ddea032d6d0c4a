// Runs a box's commit handler when the user is done with it: the box loses the focus (not
// when a message box or a list's popup only borrows it), or Enter or Tab is pressed in it.
// A box committed by a key is not committed again when it then loses the focus with the same
// text. While a commit runs, or while a Pause lives, focus changes commit nothing.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace trochix::ui {

class LeaveCommits : public QObject {
    Q_OBJECT
public:
    explicit LeaveCommits(QObject* parent) : QObject(parent) {}

    void watch(QWidget* box, std::function<void()> commit);
    bool quiet() const { return m_running || m_paused > 0; }

    class Pause {
    public:
        explicit Pause(LeaveCommits& c) : m_c(c) { ++m_c.m_paused; }
        ~Pause() { --m_c.m_paused; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        LeaveCommits& m_c;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Box {
        QPointer<QWidget> widget;
        std::function<void()> commit;
    };
    void run(const Box& box);

    std::vector<Box> m_boxes;
    bool m_running = false;
    int m_paused = 0;
    const QObject* m_keyCommitted = nullptr;
    QString m_keyCommittedText;
};

} // namespace trochix::ui
