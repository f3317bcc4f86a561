#pragma once
// Share codes: a build as one line of text for boards and chats. "BF1." followed by the zlib-
// compressed bytes of the profile exactly as "저장" writes them, in base64url without padding.
// The bytes come back byte for byte and are read by the same profile reader as "열기".

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

#include "form/command_outcome.h"
#include "form/form_state.h"
#include "form/user_prompts.h"

namespace brakefell {

// The prefix names the format's version; a later format gets a prefix of its own.
inline constexpr char kShareCodePrefix[] = "BF1.";
// A profile is a few hundred bytes: a code that would expand beyond this is not one.
inline constexpr qsizetype kShareCodeLargestProfile = 1024 * 1024;

QString ShareCodeOfProfile(QByteArrayView profileBytes);

// The profile's bytes, or nullopt when the text is not a code of this version: another prefix,
// characters outside base64url, compressed data that is damaged, cut short, followed by more
// bytes, or larger than kShareCodeLargestProfile once expanded. Blanks and line breaks around
// the code (as chat programs add them) are ignored.
std::optional<QByteArray> ProfileOfShareCode(QStringView code);

// The code of the form's inputs.
QString ShareCodeOf(const FormState& form);

// Reads a code's profile into the form as "열기" reads a file. A text that is not a code, or whose
// profile cannot be read whole, shows one sentence and changes nothing.
CommandOutcome LoadShareCode(QStringView code, FormState& form, UserPrompts& prompts);

}  // namespace brakefell
