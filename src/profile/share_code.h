#pragma once
// Share codes: a build as one line of text for boards and chats.
//
//   BF2.<profile>.<options>   the whole build (shared_build.h)
//   BF1.<profile>             the profile alone, as the first version wrote it
//
// Each block is the zlib-compressed bytes, in base64url without padding: the profile exactly as
// "저장" writes it, and the list of the inputs a profile does not hold (build_options.h). The bytes
// come back byte for byte and are read by the same readers as "열기".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "form/command_outcome.h"
#include "form/form_state.h"
#include "platform/deflate.h"
#include "platform/user_prompts.h"
#include "profile/shared_build.h"

namespace brakefell {

inline constexpr char kShareCodePrefix[] = "BF2.";
inline constexpr char kProfileOnlyCodePrefix[] = "BF1.";
// A profile is a few hundred bytes: a block that would expand beyond this is not one.
inline constexpr std::size_t kShareCodeLargestBlock = 1024 * 1024;
// The longest block in a code: the largest block's compressed form can only be smaller, give or
// take zlib's few bytes of framing, and base64 writes 4 characters for 3 bytes. A longer block is
// refused before anything is decoded.
inline constexpr std::size_t kShareCodeLongestBlock = (kShareCodeLargestBlock + 1024) / 3 * 4;

// "BF2." with both blocks; a build without options (one read from a first-version code) keeps
// its "BF1." code.
std::u16string ShareCodeOf(const Deflate& deflate, const SharedBuild& build);

// The build, or nullopt when the text is not a code: another prefix, another number of blocks,
// a block longer than kShareCodeLongestBlock, characters outside base64url, compressed data that
// is damaged, cut short, followed by more bytes, or larger than kShareCodeLargestBlock once
// expanded. Blanks and line breaks around the code (as chat programs add them) are ignored, and
// so is everything up to a "#": a link to the page (".../#BF2....") reads as its code.
std::optional<SharedBuild> BuildOfShareCode(const Deflate& deflate, std::u16string_view code);

// The code of the form's inputs.
std::u16string ShareCodeOf(const Deflate& deflate, const FormState& form);

// Reads a code's build into the form as "열기" reads a profile. A text that is not a code, or
// whose build cannot be read whole, shows one sentence and changes nothing.
CommandOutcome LoadShareCode(const Deflate& deflate, std::u16string_view code, FormState& form,
                             UserPrompts& prompts);

}  // namespace brakefell
