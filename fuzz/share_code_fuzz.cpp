// Any text as a share code, read into a started-up form. The first byte chooses how the rest is
// used, so that the fuzzer reaches past each gate: 0 the text of the code as pasted, 1 the bytes
// behind the first version's prefix and base64 (inflate's input), 2 the profile inside a
// well-made first-version code, 3 the list of options inside a well-made whole code (beside the
// default profile), 4 the rest split in two at its first byte, as the two raw blocks of a whole
// code. Checked: no crash; a code that is refused leaves the form exactly as it was; a build that
// is read comes back byte for byte from its own code.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "desktop_adapters/zlib_deflate.h"
#include "form/form_state.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "fuzz_support.h"
#include "profile/share_code.h"
#include "profile/shared_build.h"
#include "text/strings.h"

using namespace brakefell;

namespace {

const ZlibDeflate kDeflate;

std::u16string Block(std::string_view bytes) {
    return Utf16OfLatin1(Base64UrlOf(bytes));
}

std::u16string CodeOf(std::uint8_t mode, std::string_view rest, const SharedBuild& defaults) {
    switch (mode % 5) {
        case 0:
            return Utf16OfLatin1(rest);
        case 1:
            return Utf16OfLatin1(kProfileOnlyCodePrefix) + Block(rest);
        case 2:
            return ShareCodeOf(kDeflate, SharedBuild{std::string(rest), std::nullopt});
        case 3:
            return ShareCodeOf(kDeflate, SharedBuild{defaults.profile, std::string(rest)});
        default: {
            const std::size_t split =
                rest.empty()
                    ? 0
                    : std::min<std::size_t>(static_cast<unsigned char>(rest[0]), rest.size());
            return Utf16OfLatin1(kShareCodePrefix) + Block(rest.substr(0, split)) + u'.' +
                   Block(rest.substr(split));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    FormState form(fuzz::ShippedCatalogue());
    FillStartUpLists(form);
    FillSkillSlots(form);
    const SharedBuild before = BuildOf(form);

    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::u16string code = CodeOf(data[0], rest, before);
    NobodyThere nobody;
    if (!LoadShareCode(kDeflate, code, form, nobody)) {
        if (BuildOf(form) != before) {
            __builtin_trap();
        }
        return 0;
    }
    const std::optional<SharedBuild> build = BuildOfShareCode(kDeflate, code);
    if (!build || BuildOfShareCode(kDeflate, ShareCodeOf(kDeflate, *build)) != build) {
        __builtin_trap();
    }
    return 0;
}
