#pragma once

namespace arbovane {

// Lets pending window messages run; used only inside list-filling loops.
void PumpMessages();

}  // namespace arbovane
