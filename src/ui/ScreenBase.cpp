#include "ui/ScreenBase.h"

namespace trochix::ui {

ScreenBase::ScreenBase(AppContext& ctx, ScreenId id) : m_ctx(ctx), m_id(id) {
    setObjectName(QString::fromLatin1(model::ScreenName(id)));
    setModal(true);
}

std::string ScreenBase::screenName() const { return model::ScreenName(m_id); }

void ScreenBase::closeScreen() { done(QDialog::Accepted); }

} // namespace trochix::ui
