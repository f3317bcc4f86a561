#include "profile/share_code.h"

#include <zlib.h>

#include <array>

#include "form/messages.h"

namespace brakefell {
namespace {

constexpr auto kBase64Options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
constexpr char16_t kBlockSeparator = u'.';

QByteArray Compress(QByteArrayView bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    QByteArray packed(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return {};
    }
    packed.truncate(static_cast<qsizetype>(size));
    return packed;
}

// One whole zlib stream and nothing after it, expanded chunk by chunk so that a small code that
// claims a huge profile stops at the limit instead of filling the memory.
std::optional<QByteArray> Expand(QByteArrayView packed) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    QByteArray expanded;
    std::array<char, 16 * 1024> chunk;
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const qsizetype produced = static_cast<qsizetype>(chunk.size() - stream.avail_out);
        if (expanded.size() + produced > kShareCodeLargestBlock) {
            status = Z_MEM_ERROR;
            break;
        }
        expanded.append(chunk.data(), produced);
    }
    const bool whole = status == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!whole) {
        return std::nullopt;
    }
    return expanded;
}

QString BlockOf(QByteArrayView bytes) {
    return QString::fromLatin1(Compress(bytes).toBase64(kBase64Options));
}

std::optional<QByteArray> BytesOfBlock(QStringView block) {
    QByteArray text;
    text.reserve(block.size());
    for (const QChar c : block) {
        const char16_t u = c.unicode();
        const bool base64url = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
                               (u >= u'0' && u <= u'9') || u == u'-' || u == u'_';
        if (!base64url) {
            return std::nullopt;
        }
        text.append(static_cast<char>(u));
    }
    // A length of 1 more than a multiple of 4 holds no whole byte: no encoder writes it.
    if (text.isEmpty() || text.size() % 4 == 1) {
        return std::nullopt;
    }
    const auto decoded = QByteArray::fromBase64Encoding(
        text, kBase64Options | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        return std::nullopt;
    }
    return Expand(*decoded);
}

}  // namespace

QString ShareCodeOf(const SharedBuild& build) {
    if (!build.options) {
        return QString::fromLatin1(kProfileOnlyCodePrefix) + BlockOf(build.profile);
    }
    return QString::fromLatin1(kShareCodePrefix) + BlockOf(build.profile) + kBlockSeparator +
           BlockOf(*build.options);
}

std::optional<SharedBuild> BuildOfShareCode(QStringView code) {
    code = code.trimmed();
    const bool whole = code.startsWith(QLatin1StringView(kShareCodePrefix));
    if (!whole && !code.startsWith(QLatin1StringView(kProfileOnlyCodePrefix))) {
        return std::nullopt;
    }
    const QStringView body = code.sliced(QLatin1StringView(kShareCodePrefix).size());
    const qsizetype separator = body.indexOf(kBlockSeparator);
    if ((separator >= 0) != whole || (whole && body.indexOf(kBlockSeparator, separator + 1) >= 0)) {
        return std::nullopt;
    }
    const QStringView profileBlock = whole ? body.first(separator) : body;
    const QStringView optionsBlock = whole ? body.sliced(separator + 1) : QStringView();
    // Measured before anything is decoded: a pasted novel is refused at once.
    if (profileBlock.size() > kShareCodeLongestBlock ||
        optionsBlock.size() > kShareCodeLongestBlock) {
        return std::nullopt;
    }
    SharedBuild build;
    std::optional<QByteArray> profile = BytesOfBlock(profileBlock);
    if (!profile) {
        return std::nullopt;
    }
    build.profile = std::move(*profile);
    if (whole) {
        build.options = BytesOfBlock(optionsBlock);
        if (!build.options) {
            return std::nullopt;
        }
    }
    return build;
}

QString ShareCodeOf(const FormState& form) {
    return ShareCodeOf(BuildOf(form));
}

CommandOutcome LoadShareCode(QStringView code, FormState& form, UserPrompts& prompts) {
    const std::optional<SharedBuild> build = BuildOfShareCode(code);
    if (!build || !ApplyBuild(*build, form)) {
        return FailedWithMessage(prompts, messages::kShareCodeError);
    }
    return {};
}

}  // namespace brakefell
