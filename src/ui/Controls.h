// The widget pieces every screen is built from, so that a screen is its layout and its
// handlers. Nothing here knows the model: handlers read the controls, call the core and show
// what it produced (ScreenBase.h).
//
// Names. Every control the program names carries that objectName; element i of a row of like
// controls is IndexedName("txt_Beta", 3) == "txt_Beta_3". Tests find controls by these names.
//
// Makers. Each returns a named control parented to `parent`, ready for a layout:
//   MakeButton(parent, "Ca&lc All", "cmd_CalcAll")        caption with its access key
//   MakeLineEdit(parent, "txt_Omega", Qt::AlignRight)     a text box
//   MakeCaption(parent, "No. Sgmts")                      a label
//   MakeButtonRow({copy, print}, {done}, 120)            a row of buttons, left and right
// A box takes focus, selects and edits as Qt's own; what a screen adds is below.
//
// Showing the model. SetBoxText and SetListText put a model text into a box or a list without
// moving the cursor of a box being typed in; call them under a QSignalBlocker so that filling
// runs no change handler, and refresh inside a Pause of the screen's CommitOnLeave so that
// focus moved by enabling or disabling controls commits nothing.
//
// Entering a box. SelectAllOnFocus(box): the whole text is selected when the box gets the
// focus, by Tab or by a click, so that typing replaces it.
//
// Committing a box. Most boxes of the program take their value when the user is done with
// them, not on every keystroke. A CommitOnLeave, owned by the screen, runs a box's commit
// handler when
//   - the box loses the focus (a click elsewhere, a shortcut) - but not when another window
//     or a list's popup only borrows the focus for a moment;
//   - Enter is pressed in it (the key goes no further: it never presses a dialog button);
//   - Tab or Backtab leaves it, before the focus moves, so that Tab lands on a control the
//     entry has just enabled (a commit that puts the focus somewhere itself keeps it there);
//   - optionally, the box is double-clicked.
// A box committed by Enter or Tab is not committed again when it then loses the focus with
// the text the commit left in it, so a refusal is said once. While a commit runs (its message
// box takes the focus) and while the screen is paused, focus changes commit nothing.
//
//   m_commits = new CommitOnLeave(this);
//   m_commits->watch(m_omega, [this] { Omega_LostFocus(); });
//   m_commits->watch(m_noConds, [this] { CommitConditionCount(); },
//                    CommitOnLeave::Standard | CommitOnLeave::DoubleClick);
//   void Screen::Refresh() {
//       const CommitOnLeave::Pause pause(*m_commits); // enabling moves the focus: no commits
//       ...
//   }
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace trochix::ui {

// "txt_Beta_3": the name of element i of the row of controls `prefix`.
QString IndexedName(const char* prefix, int i);

QPushButton* MakeButton(QWidget* parent, const char* caption, const QString& objectName);
QLineEdit* MakeLineEdit(QWidget* parent, const QString& objectName,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QLabel* MakeCaption(QWidget* parent, const char* text);
// A figure the program computed: right-aligned, selectable so that it can be copied.
QLabel* MakeResultLabel(QWidget* parent, const char* name, int minWidth = 80);
// A row of buttons: `left` from the left edge, `right` against the right edge, each at least
// minWidth wide.
QHBoxLayout* MakeButtonRow(std::initializer_list<QWidget*> left,
                           std::initializer_list<QWidget*> right, int minWidth = 0);

// Sets a box's text only when it differs, so that the cursor of a box being typed in stays put.
void SetBoxText(QLineEdit* box, const std::string& text);
// Shows text in a list box: the matching item, or the text itself in an editable box, or no
// selection.
void SetListText(QComboBox* list, const std::string& text);

void SelectAllOnFocus(QLineEdit* box);
// The same for the text of an editable list, which keeps the focus itself.
void SelectAllOnFocus(QComboBox* list);

class CommitOnLeave : public QObject {
    Q_OBJECT
public:
    enum Trigger {
        Leave = 1,       // focus out
        Enter = 2,       // Return or Enter
        Tab = 4,         // Tab or Backtab, before the focus moves
        DoubleClick = 8, // a double-click in the box
        Standard = Leave | Enter | Tab,
    };

    explicit CommitOnLeave(QObject* parent);

    // Runs `commit` when `box` (a line edit or an editable list) is done with by one of the
    // triggers.
    void watch(QWidget* box, std::function<void()> commit, int triggers = Standard);
    bool watches(const QObject* box) const;
    // True while a commit runs or the screen is paused.
    bool quiet() const { return m_running || m_paused > 0; }

    // Commits nothing while it lives (the screen is filling or enabling its controls).
    class Pause {
    public:
        explicit Pause(CommitOnLeave& commits) : m_commits(commits) { ++m_commits.m_paused; }
        ~Pause() { --m_commits.m_paused; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        CommitOnLeave& m_commits;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Box {
        QPointer<QWidget> widget;
        std::function<void()> commit;
        int triggers;
    };
    const Box* find(const QObject* box) const;
    void run(const Box& box);

    std::vector<Box> m_boxes;
    bool m_running = false;
    int m_paused = 0;
    // The box last committed by a key, with its text then.
    const QObject* m_keyCommitted = nullptr;
    QString m_keyCommittedText;
};

} // namespace trochix::ui
