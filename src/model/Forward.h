// Forward declarations of the model types that most headers only pass by reference.
#pragma once

namespace trochix::model {
struct CamModel;
class Host;
} // namespace trochix::model
