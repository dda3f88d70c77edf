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
    // What a store holds is written as whole records and reads back as the same store, once the
    // values are of a length a record can carry.
    const std::string written = EncodeSettings(store);
    fuzz::Require(written.size() % SettingsRecord::kSize == 0);
    ProgramSettings again;
    DecodeSettings(written, again);
    const std::string rewritten = EncodeSettings(again);
    fuzz::Require(rewritten == written);
    return 0;
}
