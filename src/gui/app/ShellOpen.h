#pragma once

#include <string>

namespace arbovane {

struct GuiContext;

// Opens the target with the shell's "open" verb; when the system cannot, says so and why.
bool OpenWithShell(GuiContext& context, const std::string& target);

}  // namespace arbovane
