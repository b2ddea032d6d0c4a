#include "model/QuietHost.h"

#include "model/StreamHost.h"

namespace trochix::model {

Answer QuietHost::message(const std::string&, Icon, const std::string&, Buttons buttons,
                          Answer defaultAnswer) {
    return DefaultAnswer(buttons, defaultAnswer);
}

DateTime QuietHost::now() {
    return LocalNow();
}

} // namespace trochix::model
