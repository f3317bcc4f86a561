#include "profile/shared_build.h"

#include <charconv>
#include <system_error>

#include "form/messages.h"
#include "profile/build_options.h"
#include "profile/profile_lines.h"

namespace brakefell {
namespace {

bool ReadBuild(const SharedBuild& build, FormState& form) {
    return ReadProfile(build.profile, form).complete &&
           (!build.options || ReadBuildOptions(*build.options, form));
}

}  // namespace

SharedBuild BuildOf(const FormState& form) {
    return {WriteProfile(form), WriteBuildOptions(form)};
}

std::string BytesOfBuild(const SharedBuild& build) {
    std::string bytes = std::to_string(build.profile.size()) + ' ' +
                        (build.options ? std::to_string(build.options->size()) : "-") + '\n' +
                        build.profile;
    if (build.options) {
        bytes += *build.options;
    }
    return bytes;
}

std::optional<SharedBuild> BuildOfBytes(std::string_view bytes) {
    // "<profile length> <options length, or - for a build of the first version>\n", then both.
    const auto lengthAt = [&](std::size_t& at, char end) -> std::optional<std::size_t> {
        std::size_t length = 0;
        const auto [stop, error] =
            std::from_chars(bytes.data() + at, bytes.data() + bytes.size(), length);
        if (error != std::errc() || stop == bytes.data() + bytes.size() || *stop != end) {
            return std::nullopt;
        }
        at = static_cast<std::size_t>(stop - bytes.data()) + 1;
        return length;
    };
    std::size_t at = 0;
    const std::optional<std::size_t> profile = lengthAt(at, ' ');
    if (!profile) {
        return std::nullopt;
    }
    std::optional<std::size_t> options;
    if (bytes.substr(at, 2) == "-\n") {
        at += 2;
    } else if (options = lengthAt(at, '\n'); !options) {
        return std::nullopt;
    }
    const std::size_t rest = bytes.size() - at;
    if (*profile > rest || options.value_or(0) != rest - *profile) {
        return std::nullopt;
    }
    SharedBuild build{std::string(bytes.substr(at, *profile)), std::nullopt};
    if (options) {
        build.options = std::string(bytes.substr(at + *profile));
    }
    return build;
}

std::optional<FormState> BuildOverInputs(const SharedBuild& build, const FormState& now) {
    // Both readers apply line by line and stop at the first line they cannot apply, with the
    // lines before it applied: so they read into a copy, which is kept only when whole.
    std::optional<FormState> read(now);
    if (!ReadBuild(build, *read)) {
        read.reset();
    }
    return read;
}

bool ApplyBuild(const SharedBuild& build, FormState& form) {
    std::optional<FormState> read = BuildOverInputs(build, form);
    if (!read) {
        return false;
    }
    form.adopt(std::move(*read));
    return true;
}

CommandOutcome LoadBuild(const SharedBuild& build, FormState& form, UserPrompts& prompts) {
    if (!ApplyBuild(build, form)) {
        return FailedWithMessage(prompts, messages::kProfileOpenError);
    }
    return {};
}

}  // namespace brakefell
