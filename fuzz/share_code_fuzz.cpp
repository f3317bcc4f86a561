// Any text as a share code, read into a started-up form. The first byte chooses how the rest is
// used, so that the fuzzer reaches past each gate: 0 the text of the code as pasted, 1 the bytes
// behind the first version's prefix and base64 (inflate's input), 2 the profile inside a
// well-made first-version code, 3 the list of options inside a well-made whole code (beside the
// default profile), 4 the rest split in two at its first byte, as the two raw blocks of a whole
// code. Checked: no crash; a code that is refused leaves the form exactly as it was; a build that
// is read comes back byte for byte from its own code.
#include <cstddef>
#include <cstdint>

#include "form/form_state.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "fuzz_support.h"
#include "profile/share_code.h"
#include "profile/shared_build.h"

using namespace brakefell;

namespace {

QString Block(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toBase64(QByteArray::Base64UrlEncoding |
                                                            QByteArray::OmitTrailingEquals));
}

QString CodeOf(std::uint8_t mode, QByteArrayView rest, const SharedBuild& defaults) {
    switch (mode % 5) {
        case 0:
            return QString::fromLatin1(rest);
        case 1:
            return QString::fromLatin1(kProfileOnlyCodePrefix) + Block(rest);
        case 2:
            return ShareCodeOf(SharedBuild{rest.toByteArray(), std::nullopt});
        case 3:
            return ShareCodeOf(SharedBuild{defaults.profile, rest.toByteArray()});
        default: {
            const qsizetype split = rest.isEmpty() ? 0 : std::min<qsizetype>(rest[0], rest.size());
            return QString::fromLatin1(kShareCodePrefix) + Block(rest.first(split)) + u'.' +
                   Block(rest.sliced(split));
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

    const QByteArrayView rest(reinterpret_cast<const char*>(data) + 1,
                              static_cast<qsizetype>(size - 1));
    const QString code = CodeOf(data[0], rest, before);
    NobodyThere nobody;
    if (!LoadShareCode(code, form, nobody)) {
        if (BuildOf(form) != before) {
            __builtin_trap();
        }
        return 0;
    }
    const std::optional<SharedBuild> build = BuildOfShareCode(code);
    if (!build || BuildOfShareCode(ShareCodeOf(*build)) != build) {
        __builtin_trap();
    }
    return 0;
}
