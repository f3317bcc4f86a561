// Any text as a share code, read into a started-up form. The first byte chooses how the rest is
// used, so that the fuzzer reaches past each gate: 0 the text of the code as pasted, 1 the bytes
// behind the prefix and base64 (inflate's input), 2 the profile inside a well-made code.
// Checked: no crash; a code that is refused leaves the form exactly as it was; a profile that is
// read comes back byte for byte from its own code.
#include <cstddef>
#include <cstdint>

#include "form/form_state.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "fuzz_support.h"
#include "profile/profile_lines.h"
#include "profile/share_code.h"

using namespace brakefell;

namespace {

QString CodeOf(std::uint8_t mode, QByteArrayView rest) {
    switch (mode % 3) {
        case 0:
            return QString::fromLatin1(rest);
        case 1:
            return QString::fromLatin1(kShareCodePrefix) +
                   QString::fromLatin1(rest.toByteArray().toBase64(QByteArray::Base64UrlEncoding |
                                                                   QByteArray::OmitTrailingEquals));
        default:
            return ShareCodeOfProfile(rest);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArrayView rest(reinterpret_cast<const char*>(data) + 1,
                              static_cast<qsizetype>(size - 1));
    const QString code = CodeOf(data[0], rest);

    FormState form(fuzz::ShippedCatalogue());
    FillStartUpLists(form);
    FillSkillSlots(form);
    const QByteArray before = WriteProfile(form);
    NobodyThere nobody;
    if (!LoadShareCode(code, form, nobody)) {
        if (WriteProfile(form) != before) {
            __builtin_trap();
        }
        return 0;
    }
    const std::optional<QByteArray> profile = ProfileOfShareCode(code);
    if (!profile || ProfileOfShareCode(ShareCodeOfProfile(*profile)) != profile) {
        __builtin_trap();
    }
    return 0;
}
