#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/paths/BlankTrim.h"

namespace arbovane {

// One fixed-size record of the settings file. Numbers are 32-bit signed, little-endian, whatever
// the host's byte order.
struct SettingsRecord {
    static constexpr std::size_t kSize = 5312;
    static constexpr std::size_t kTypeOffset = 0;
    static constexpr std::size_t kNameOffset = 4;
    static constexpr std::size_t kNameSize = 10;
    static constexpr std::size_t kValueOffset = 14;
    static constexpr std::size_t kValueSize = 5262;
    static constexpr std::size_t kNumberOffset = 5276;
    static constexpr std::size_t kUnusedOffset = 5280;
    // The value field must keep room for its zero byte.
    static constexpr std::size_t kMaxValueLength = kValueSize - 1;

    std::int32_t type = 0;
    std::string name;
    std::string value;
    std::int32_t number = 0;

    // Appends exactly kSize bytes. A name longer than its field keeps its first 10 characters; a
    // value longer than kMaxValueLength is cut at a UTF-8 character boundary. Bytes no field
    // covers are zero.
    void AppendTo(std::string& bytes) const;
    // Reads one record from exactly kSize bytes. A value field without a zero byte gives the whole
    // field.
    static SettingsRecord Parse(std::string_view bytes);

    bool operator==(const SettingsRecord&) const = default;
};

// The longest prefix of text of at most limit bytes that does not split a UTF-8 character.
std::string_view CutAtCharacterBoundary(std::string_view text, std::size_t limit);

}  // namespace arbovane
