// frm_User: the user's name or project, the design number and the model's name.
#pragma once

#include "ui/ScreenBase.h"

class QLineEdit;
class QPushButton;

namespace trochix::ui {

class UserScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit UserScreen(AppContext& ctx);
    void activate() override;

public slots:
    void Done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_userName;
    QLineEdit* m_designNo;
    QLineEdit* m_fileName;
    QPushButton* m_done;
};

} // namespace trochix::ui
