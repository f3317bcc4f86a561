#include "session/calculation_history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <numeric>
#include <optional>
#include <set>

#include "profile/atomic_file.h"
#include "profile/share_code.h"
#include "text/file_lines.h"

namespace brakefell {
namespace {

// 200 lines of a few hundred characters each; a file many times larger is not one of ours.
constexpr qint64 kLargestFile = 4 * 1024 * 1024;

QByteArray LineOf(const HistoryEntry& entry) {
    return entry.time.toString(Qt::ISODateWithMs).toLatin1() + ' ' +
           ShareCodeOf(entry.build).toLatin1();
}

std::optional<HistoryEntry> EntryOf(QByteArrayView line) {
    const qsizetype blank = line.indexOf(' ');
    if (blank <= 0) {
        return std::nullopt;
    }
    const QDateTime time =
        QDateTime::fromString(QString::fromLatin1(line.first(blank)), Qt::ISODateWithMs);
    if (!time.isValid()) {
        return std::nullopt;
    }
    std::optional<SharedBuild> build =
        BuildOfShareCode(QString::fromLatin1(line.sliced(blank + 1)));
    if (!build) {
        return std::nullopt;
    }
    return HistoryEntry{time.toUTC(), std::move(*build)};
}

}  // namespace

CalculationHistory::CalculationHistory(QString path) : path_(std::move(path)) {}

QString CalculationHistory::SetAsidePath(const QString& path, const QDateTime& now) {
    const QString plain = path + QStringLiteral(".damaged");
    if (!QFileInfo::exists(plain)) {
        return plain;
    }
    return path + u'.' + now.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
           QStringLiteral(".damaged");
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
    if (path_.isEmpty() || !QFileInfo(path_).isFile()) {
        return;
    }
    QFile file(path_);
    bool damaged = file.size() > kLargestFile || !file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (!damaged) {
        bytes = file.read(kLargestFile);
        file.close();
    }
    // Lines already in memory are known; only the others are decoded.
    std::set<QByteArray> known(lines_.begin(), lines_.end());
    std::vector<HistoryEntry> newEntries;
    std::vector<QByteArray> newLines;
    for (FileLines lines(bytes); !damaged && !lines.atEnd();) {
        const QByteArray line = lines.next().toByteArray();
        if (known.count(line) != 0) {
            continue;
        }
        std::optional<HistoryEntry> entry = EntryOf(line);
        damaged = !entry;
        if (entry) {
            known.insert(line);
            newEntries.push_back(std::move(*entry));
            newLines.push_back(line);
        }
    }
    if (damaged) {
        // Set aside, not deleted: the player's builds may still be read out of it by hand.
        QFile::rename(path_, SetAsidePath(path_, QDateTime::currentDateTimeUtc()));
        return;
    }
    if (newEntries.empty()) {
        return;
    }
    std::move(newEntries.begin(), newEntries.end(), std::back_inserter(entries_));
    std::move(newLines.begin(), newLines.end(), std::back_inserter(lines_));
    sortByTime();
    keepLast();
}

void CalculationHistory::sortByTime() {
    // The two editions' entries interleave by the time of their calculations.
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return entries_[a].time < entries_[b].time;
    });
    std::vector<HistoryEntry> sortedEntries;
    std::vector<QByteArray> sortedLines;
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

bool CalculationHistory::add(const QDateTime& time, const SharedBuild& build) {
    mergeFile();
    HistoryEntry entry{time.toUTC(), build};
    lines_.push_back(LineOf(entry));
    entries_.push_back(std::move(entry));
    sortByTime();
    keepLast();
    return writeFile();
}

bool CalculationHistory::writeFile() const {
    if (path_.isEmpty()) {
        return true;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QByteArray bytes;
    for (const QByteArray& line : lines_) {
        bytes += line + "\r\n";
    }
    return ReplaceFileContents(path_, [&bytes](QIODevice& out) {
               return out.write(bytes) == bytes.size();
           }) == ProfileFileStatus::Done;
}

}  // namespace brakefell
