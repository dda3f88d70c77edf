#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace arbovane::fuzz {

// Cuts the input into parts at zero bytes: one fuzz input drives functions that take several
// texts. Missing parts are empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::string Next() {
        const std::size_t zero = rest_.find('\0');
        std::string part(rest_.substr(0, zero));
        rest_ = zero == std::string_view::npos ? std::string_view() : rest_.substr(zero + 1);
        return part;
    }
    std::string Rest() const { return std::string(rest_); }

private:
    std::string_view rest_;
};

// Stops the run where a property fails, so the input is kept as a crash.
inline void Require(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace arbovane::fuzz
