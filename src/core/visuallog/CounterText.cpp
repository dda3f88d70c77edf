#include "core/visuallog/CounterText.h"

#include <array>
#include <charconv>

namespace arbovane {

std::string CounterText(double value) {
    // to_chars never looks at the locale, which the GUI library sets from the environment.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace arbovane
