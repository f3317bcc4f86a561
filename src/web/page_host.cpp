#include "web/page_host.h"

#include <string>

namespace brakefell::web {

using emscripten::val;

val JsBytes(std::string_view bytes) {
    // A view into the module's memory, copied at once into an array of the page's own.
    const val view(emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
    return val::global("Uint8Array").new_(view);
}

std::string BytesOfJs(const val& array) {
    std::string bytes(array["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<unsigned char*>(bytes.data())))
        .call<void>("set", array);
    return bytes;
}

PathKind HostStorage::kindOf(std::string_view path) const {
    const std::string kind = host_.call<std::string>("kind", std::string(path));
    if (kind == "file") {
        return PathKind::File;
    }
    if (kind == "folder") {
        return PathKind::Folder;
    }
    return kind == "none" ? PathKind::None : PathKind::Other;
}

std::optional<UtcMillis> HostStorage::modifiedTime(std::string_view path) const {
    const val time = host_.call<val>("modified", std::string(path));
    if (time.isNull() || time.isUndefined()) {
        return std::nullopt;
    }
    return static_cast<UtcMillis>(time.as<double>());
}

std::optional<FileContents> HostStorage::read(std::string_view path, std::size_t limit) const {
    const val contents = host_.call<val>("read", std::string(path), static_cast<double>(limit));
    if (contents.isNull() || contents.isUndefined()) {
        return std::nullopt;
    }
    return FileContents{BytesOfJs(contents["bytes"]), contents["whole"].as<bool>()};
}

ReplaceStatus HostStorage::replace(std::string_view path, std::string_view bytes) {
    const std::string status =
        host_.call<std::string>("replace", std::string(path), JsBytes(bytes));
    if (status == "done") {
        return ReplaceStatus::Done;
    }
    return status == "notOpened" ? ReplaceStatus::NotOpened : ReplaceStatus::WriteFailed;
}

std::vector<std::string> HostStorage::entryNames(std::string_view folder) const {
    const val names = host_.call<val>("list", std::string(folder));
    std::vector<std::string> entries;
    const auto count = names["length"].as<std::size_t>();
    for (std::size_t i = 0; i < count; ++i) {
        entries.push_back(names[i].as<std::string>());
    }
    return entries;
}

bool HostStorage::rename(std::string_view from, std::string_view to) {
    return host_.call<bool>("rename", std::string(from), std::string(to));
}

bool HostStorage::makeFolders(std::string_view path) {
    return host_.call<bool>("makeFolders", std::string(path));
}

std::string HostDeflate::compress(std::string_view bytes) const {
    return BytesOfJs(host_.call<val>("compress", JsBytes(bytes)));
}

std::optional<std::string> HostDeflate::expand(std::string_view packed, std::size_t limit) const {
    const val expanded = host_.call<val>("expand", JsBytes(packed), static_cast<double>(limit));
    if (expanded.isNull() || expanded.isUndefined()) {
        return std::nullopt;
    }
    return BytesOfJs(expanded);
}

UtcMillis HostClock::now() const {
    return static_cast<UtcMillis>(host_.call<double>("now"));
}

void HostPrompts::showMessage(std::u16string_view sentence) {
    host_.call<void>("showMessage", std::u16string(sentence));
}

}  // namespace brakefell::web
