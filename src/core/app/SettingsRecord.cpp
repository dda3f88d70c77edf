#include "core/app/SettingsRecord.h"

#include <algorithm>

namespace arbovane {

namespace {

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFFu);
}

std::int32_t GetInt32(std::string_view bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i]))
                << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// Up to the first zero byte of the field, or the whole field when it holds none.
std::string_view ZeroEnded(std::string_view field) {
    return field.substr(0, std::min(field.find('\0'), field.size()));
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

}  // namespace

std::string_view CutAtCharacterBoundary(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    // A UTF-8 character has at most three continuation bytes; a longer run is not UTF-8, and is
    // cut at the limit itself.
    std::size_t cut = limit;
    for (int back = 0; back < 3 && cut > 0 && IsContinuationByte(text[cut]); ++back) --cut;
    if (IsContinuationByte(text[cut])) cut = limit;
    return text.substr(0, cut);
}

void SettingsRecord::AppendTo(std::string& bytes) const {
    // Written in place at the end: a whole file of records is formed without a copy of each.
    const std::size_t at = bytes.size();
    bytes.resize(at + kSize, '\0');
    PutInt32(bytes, at + kTypeOffset, type);
    const std::string_view shownName = std::string_view(name).substr(0, kNameSize);
    std::copy(shownName.begin(), shownName.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(at + kNameOffset));
    const std::string_view text = CutAtCharacterBoundary(value, kMaxValueLength);
    std::copy(text.begin(), text.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(at + kValueOffset));
    PutInt32(bytes, at + kNumberOffset, number);
}

SettingsRecord SettingsRecord::Parse(std::string_view bytes) {
    SettingsRecord record;
    if (bytes.size() < kSize) return record;
    record.type = GetInt32(bytes, kTypeOffset);
    record.name = std::string(ZeroEnded(bytes.substr(kNameOffset, kNameSize)));
    record.value = std::string(ZeroEnded(bytes.substr(kValueOffset, kValueSize)));
    record.number = GetInt32(bytes, kNumberOffset);
    return record;
}

}  // namespace arbovane
