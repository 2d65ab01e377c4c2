#pragma once

#include <string_view>

namespace platform {

// Takes the system-wide, per-user guard called `name` and holds it until the process ends (the
// system releases it then, even after a crash). False only when another living process already
// holds it; a guard that cannot be created for any other reason lets this process run.
bool acquireNamedGuard(std::string_view name);

} // namespace platform
