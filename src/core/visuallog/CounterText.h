#pragma once

#include <string>

namespace arbovane {

// A counter as its label shows it: the shortest general form with at most 15 significant digits,
// so every whole count up to 999999999999999 is a plain integer ("0", "5000000000").
std::string CounterText(double value);

}  // namespace arbovane
