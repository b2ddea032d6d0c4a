// The Dynamics screen's contact frame: the width and material boxes and the verdict panel
// ("Contact kept", or the jump ranges in red; the smallest force, the preload or spring rate
// that keeps the margin, the top speed, the largest contact pressure and shear).
//
// A box commits when it is left after an edit (forms/ContactForm.h says what it accepts); an
// accepted value computes the contact again when the dynamics stand.
#pragma once

#include "forms/ContactForm.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace trochix::ui {

struct AppContext;
class CommitOnLeave;

class ContactPanel : public QGroupBox {
    Q_OBJECT
public:
    ContactPanel(AppContext& ctx, CommitOnLeave& commits, QWidget* parent);

    // The boxes from the model, the verdict blanked (the screen has just cleared the results).
    void fill();
    // The verdict of the contact stage; blank while it holds no results.
    void showVerdict();
    // The verdict blanked while the screen's results are hidden.
    void clearVerdict();

public slots:
    void Box_LostFocus(dynamics::ContactBox box);

private:
    QLineEdit*& box(dynamics::ContactBox b) { return m_box[static_cast<std::size_t>(b)]; }

    AppContext& m_ctx;
    CommitOnLeave& m_commits;
    std::array<QLineEdit*, dynamics::kContactBoxes> m_box{};
    std::array<bool, dynamics::kContactBoxes> m_changed{};
    std::array<QLabel*, dynamics::kContactBoxes> m_unit{};
    QLabel* m_headline = nullptr;
    std::array<QLabel*, 6> m_lines{}; // force, preload, spring, speed, pressure, shear
};

} // namespace trochix::ui
