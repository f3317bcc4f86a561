// Any bytes as a catalogue file: the reader must never crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/catalogue_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brakefell::SkillCatalogue catalogue;
    const auto result = brakefell::ParseSkillCatalogue(
        std::string_view(reinterpret_cast<const char*>(data), size), catalogue);
    if (result.skillsStored > brakefell::kSkillCount + 1) {
        __builtin_trap();
    }
    return 0;
}
