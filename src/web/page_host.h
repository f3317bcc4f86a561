#pragma once
// What the page gives the core: its storage, compression, clock and the person in front of it,
// all answered by one JavaScript object (web/site/host.js) that the page hands to each
// calculator. Nothing here decides anything; each call is passed on and its answer read back.

#include <emscripten/val.h>

#include "platform/clock.h"
#include "platform/deflate.h"
#include "platform/storage.h"
#include "platform/user_prompts.h"

namespace brakefell::web {

// Bytes between the core's std::string and the page's Uint8Array, copied each way.
emscripten::val JsBytes(std::string_view bytes);
std::string BytesOfJs(const emscripten::val& array);

class HostStorage final : public Storage {
  public:
    explicit HostStorage(emscripten::val host) : host_(std::move(host)) {}

    PathKind kindOf(std::string_view path) const override;
    std::optional<UtcMillis> modifiedTime(std::string_view path) const override;
    std::optional<FileContents> read(std::string_view path, std::size_t limit) const override;
    ReplaceStatus replace(std::string_view path, std::string_view bytes) override;
    std::vector<std::string> entryNames(std::string_view folder) const override;
    bool rename(std::string_view from, std::string_view to) override;
    bool makeFolders(std::string_view path) override;

  private:
    emscripten::val host_;
};

class HostDeflate final : public Deflate {
  public:
    explicit HostDeflate(emscripten::val host) : host_(std::move(host)) {}

    std::string compress(std::string_view bytes) const override;
    std::optional<std::string> expand(std::string_view packed, std::size_t limit) const override;

  private:
    emscripten::val host_;
};

class HostClock final : public Clock {
  public:
    explicit HostClock(emscripten::val host) : host_(std::move(host)) {}

    UtcMillis now() const override;

  private:
    emscripten::val host_;
};

// The page chooses files with its own controls before it asks the core to read them, so the
// core's own dialogs are always cancelled here.
class HostPrompts final : public UserPrompts {
  public:
    explicit HostPrompts(emscripten::val host) : host_(std::move(host)) {}

    void showMessage(std::u16string_view sentence) override;
    std::optional<std::string> chooseFileToOpen(const std::string&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const std::string&) override { return {}; }

  private:
    emscripten::val host_;
};

}  // namespace brakefell::web
