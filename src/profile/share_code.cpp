#include "profile/share_code.h"

#include "form/messages.h"
#include "text/strings.h"

namespace brakefell {
namespace {

constexpr char16_t kBlockSeparator = u'.';

std::u16string BlockOf(const Deflate& deflate, std::string_view bytes) {
    return Utf16OfLatin1(Base64UrlOf(deflate.compress(bytes)));
}

std::optional<std::string> BytesOfBlock(const Deflate& deflate, std::u16string_view block) {
    // Beyond Latin-1 is beyond base64url too: a "?" is refused with the rest.
    const std::optional<std::string> packed = BytesOfBase64Url(Latin1OfUtf16(block));
    if (!packed) {
        return std::nullopt;
    }
    return deflate.expand(*packed, kShareCodeLargestBlock);
}

}  // namespace

std::u16string ShareCodeOf(const Deflate& deflate, const SharedBuild& build) {
    if (!build.options) {
        return Utf16OfLatin1(kProfileOnlyCodePrefix) + BlockOf(deflate, build.profile);
    }
    return Utf16OfLatin1(kShareCodePrefix) + BlockOf(deflate, build.profile) + kBlockSeparator +
           BlockOf(deflate, *build.options);
}

std::optional<SharedBuild> BuildOfShareCode(const Deflate& deflate, std::u16string_view code) {
    code = TrimmedSpaces(code);
    // A link to the page carries the code after its "#".
    if (const std::size_t hash = code.find(u'#'); hash != std::u16string_view::npos) {
        code = code.substr(hash + 1);
    }
    const std::u16string_view prefix = code.substr(0, std::string_view(kShareCodePrefix).size());
    const bool whole = EqualsAscii(prefix, kShareCodePrefix);
    if (!whole && !EqualsAscii(prefix, kProfileOnlyCodePrefix)) {
        return std::nullopt;
    }
    const std::u16string_view body = code.substr(prefix.size());
    const std::size_t separator = body.find(kBlockSeparator);
    const bool separated = separator != std::u16string_view::npos;
    if (separated != whole ||
        (whole && body.find(kBlockSeparator, separator + 1) != std::u16string_view::npos)) {
        return std::nullopt;
    }
    const std::u16string_view profileBlock = whole ? body.substr(0, separator) : body;
    const std::u16string_view optionsBlock =
        whole ? body.substr(separator + 1) : std::u16string_view();
    // Measured before anything is decoded: a pasted novel is refused at once.
    if (profileBlock.size() > kShareCodeLongestBlock ||
        optionsBlock.size() > kShareCodeLongestBlock) {
        return std::nullopt;
    }
    SharedBuild build;
    std::optional<std::string> profile = BytesOfBlock(deflate, profileBlock);
    if (!profile) {
        return std::nullopt;
    }
    build.profile = std::move(*profile);
    if (whole) {
        build.options = BytesOfBlock(deflate, optionsBlock);
        if (!build.options) {
            return std::nullopt;
        }
    }
    return build;
}

std::u16string ShareCodeOf(const Deflate& deflate, const FormState& form) {
    return ShareCodeOf(deflate, BuildOf(form));
}

CommandOutcome LoadShareCode(const Deflate& deflate, std::u16string_view code, FormState& form,
                             UserPrompts& prompts) {
    const std::optional<SharedBuild> build = BuildOfShareCode(deflate, code);
    if (!build || !ApplyBuild(*build, form)) {
        return FailedWithMessage(prompts, messages::kShareCodeError);
    }
    return {};
}

}  // namespace brakefell
