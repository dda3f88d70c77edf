// The settings reader: any bytes in a settings file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/ProgramSettings.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"
#include "core/app/SettingsRecord.h"
#include "fuzz/FuzzInput.h"

using namespace arbovane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ProgramSettings store;
    DecodeSettings(bytes, store);
    // What the program writes reads back as the same store and is written again the same. The
    // first write may still change what it read: a value longer than a record can carry is cut,
    // and records 21 and 25 are trimmed when read, which a cut can make matter.
    const std::string written = EncodeSettings(store);
    fuzz::Require(written.size() % SettingsRecord::kSize == 0);
    ProgramSettings again;
    DecodeSettings(written, again);
    const std::string rewritten = EncodeSettings(again);
    ProgramSettings third;
    DecodeSettings(rewritten, third);
    fuzz::Require(third == again);
    fuzz::Require(EncodeSettings(third) == rewritten);
    return 0;
}
