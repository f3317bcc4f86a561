#include "session/calculation_history.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <optional>
#include <set>

#include "platform/paths.h"
#include "profile/share_code.h"
#include "text/file_lines.h"
#include "text/strings.h"
#include "text/utc_time_text.h"

namespace brakefell {
namespace {

// 200 lines of a few hundred characters each; a file many times larger is not one of ours.
constexpr std::size_t kLargestFile = 4 * 1024 * 1024;

std::string LineOf(const Deflate& deflate, const HistoryEntry& entry) {
    return IsoUtcText(entry.time) + ' ' + Latin1OfUtf16(ShareCodeOf(deflate, entry.build));
}

std::optional<HistoryEntry> EntryOf(const Deflate& deflate, std::string_view line) {
    const std::size_t blank = line.find(' ');
    if (blank == 0 || blank == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<UtcMillis> time = UtcMillisOfIsoText(line.substr(0, blank));
    if (!time) {
        return std::nullopt;
    }
    std::optional<SharedBuild> build =
        BuildOfShareCode(deflate, Utf16OfLatin1(line.substr(blank + 1)));
    if (!build) {
        return std::nullopt;
    }
    return HistoryEntry{*time, std::move(*build)};
}

}  // namespace

CalculationHistory::CalculationHistory(const Platform& platform, std::string path)
    : platform_(platform), path_(std::move(path)) {}

std::string CalculationHistory::SetAsidePath(const Storage& storage, std::string_view path,
                                             UtcMillis now) {
    std::string plain = std::string(path) + ".damaged";
    if (storage.kindOf(plain) == PathKind::None) {
        return plain;
    }
    return std::string(path) + '.' + CompactUtcText(now) + ".damaged";
}

const std::vector<HistoryEntry>& CalculationHistory::entries() {
    if (!read_) {
        mergeFile();
    }
    return entries_;
}

void CalculationHistory::mergeFile() {
    read_ = true;
    // Only a file of its own is read or set aside; a folder in its place is left alone (and the
    // history is then not written).
    Storage& storage = platform_.storage;
    if (path_.empty() || storage.kindOf(path_) != PathKind::File) {
        return;
    }
    // A file far larger than 200 entries, or one that cannot be read whole, is damaged.
    const std::optional<FileContents> file = storage.read(path_, kLargestFile);
    bool damaged = !file || !file->whole;
    const std::string_view bytes = damaged ? std::string_view() : std::string_view(file->bytes);
    // Lines already in memory are known; only the others are decoded.
    std::set<std::string, std::less<>> known(lines_.begin(), lines_.end());
    std::vector<HistoryEntry> newEntries;
    std::vector<std::string> newLines;
    int badLines = 0;
    for (FileLines lines(bytes); !damaged && !lines.atEnd();) {
        const std::string_view line = lines.next();
        if (line.empty() || known.count(line) != 0) {
            continue;
        }
        std::optional<HistoryEntry> entry = EntryOf(platform_.deflate, line);
        if (!entry) {
            ++badLines;
            continue;
        }
        known.emplace(line);
        newEntries.push_back(std::move(*entry));
        newLines.emplace_back(line);
    }
    if (damaged || badLines > 0) {
        // Set aside, not deleted: the player's builds may still be read out of it by hand. The
        // good lines live on in a new file.
        storage.rename(path_, SetAsidePath(storage, path_, platform_.clock.now()));
        skippedLines_ += badLines;
    }
    std::move(newEntries.begin(), newEntries.end(), std::back_inserter(entries_));
    std::move(newLines.begin(), newLines.end(), std::back_inserter(lines_));
    sortByTime();
    keepLast();
    if (badLines > 0) {
        writeFile();
    }
}

void CalculationHistory::sortByTime() {
    // The two editions' entries interleave by the time of their calculations.
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return entries_[a].time < entries_[b].time;
    });
    std::vector<HistoryEntry> sortedEntries;
    std::vector<std::string> sortedLines;
    for (const std::size_t index : order) {
        sortedEntries.push_back(std::move(entries_[index]));
        sortedLines.push_back(std::move(lines_[index]));
    }
    entries_ = std::move(sortedEntries);
    lines_ = std::move(sortedLines);
}

void CalculationHistory::keepLast() {
    if (entries_.size() > static_cast<std::size_t>(kMostEntries)) {
        const auto extra = static_cast<std::ptrdiff_t>(entries_.size()) - kMostEntries;
        entries_.erase(entries_.begin(), entries_.begin() + extra);
        lines_.erase(lines_.begin(), lines_.begin() + extra);
    }
}

bool CalculationHistory::add(UtcMillis time, const SharedBuild& build) {
    mergeFile();
    HistoryEntry entry{time, build};
    lines_.push_back(LineOf(platform_.deflate, entry));
    entries_.push_back(std::move(entry));
    sortByTime();
    keepLast();
    return writeFile();
}

bool CalculationHistory::reconcile() {
    if (!read_) {
        return true;  // nothing of this run to lose: the file is read when first needed
    }
    mergeFile();
    const std::optional<FileContents> file = platform_.storage.read(path_, kLargestFile);
    std::set<std::string, std::less<>> written;
    for (FileLines lines(file ? std::string_view(file->bytes) : std::string_view());
         !lines.atEnd();) {
        written.emplace(lines.next());
    }
    const bool whole =
        std::all_of(lines_.begin(), lines_.end(),
                    [&written](const std::string& line) { return written.count(line) != 0; });
    return whole || writeFile();
}

bool CalculationHistory::writeFile() const {
    if (path_.empty()) {
        return true;
    }
    if (const std::string folder = FolderOfPath(path_); !folder.empty()) {
        platform_.storage.makeFolders(folder);
    }
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return platform_.storage.replace(path_, bytes) == ReplaceStatus::Done;
}

}  // namespace brakefell
