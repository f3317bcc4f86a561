#include "session/calculation_history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "profile/atomic_file.h"
#include "profile/share_code.h"
#include "text/file_lines.h"

namespace brakefell {
namespace {

// 200 lines of a few hundred characters each; a file many times larger is not one of ours.
constexpr qint64 kLargestFile = 4 * 1024 * 1024;

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
    std::optional<QByteArray> profile =
        ProfileOfShareCode(QString::fromLatin1(line.sliced(blank + 1)));
    if (!profile) {
        return std::nullopt;
    }
    return HistoryEntry{time.toUTC(), std::move(*profile)};
}

// The entries of the file's bytes; nullopt when any line is not an entry.
std::optional<std::vector<HistoryEntry>> EntriesOf(const QByteArray& bytes) {
    std::vector<HistoryEntry> entries;
    for (FileLines lines(bytes); !lines.atEnd();) {
        std::optional<HistoryEntry> entry = EntryOf(lines.next());
        if (!entry) {
            return std::nullopt;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
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
        readFile();
    }
    return entries_;
}

void CalculationHistory::readFile() {
    read_ = true;
    if (path_.isEmpty()) {
        return;
    }
    // Only a file of its own is read or set aside; a folder in its place is left alone (and the
    // history is then not written).
    if (!QFileInfo(path_).isFile()) {
        entries_.clear();
        return;
    }
    QFile file(path_);
    std::optional<std::vector<HistoryEntry>> entries;
    if (file.size() <= kLargestFile && file.open(QIODevice::ReadOnly)) {
        entries = EntriesOf(file.read(kLargestFile));
        file.close();
    }
    if (!entries) {
        // Set aside, not deleted: the player's builds may still be read out of it by hand.
        QFile::rename(path_, SetAsidePath(path_, QDateTime::currentDateTimeUtc()));
        entries.emplace();
    }
    entries_ = std::move(*entries);
    if (entries_.size() > static_cast<std::size_t>(kMostEntries)) {
        entries_.erase(entries_.begin(), entries_.end() - kMostEntries);
    }
}

bool CalculationHistory::add(const QDateTime& time, const QByteArray& profile) {
    if (!path_.isEmpty()) {
        readFile();
    }
    read_ = true;
    entries_.push_back({time.toUTC(), profile});
    if (entries_.size() > static_cast<std::size_t>(kMostEntries)) {
        entries_.erase(entries_.begin(), entries_.end() - kMostEntries);
    }
    return writeFile();
}

bool CalculationHistory::writeFile() const {
    if (path_.isEmpty()) {
        return true;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QByteArray bytes;
    for (const HistoryEntry& entry : entries_) {
        bytes += entry.time.toString(Qt::ISODateWithMs).toLatin1() + ' ' +
                 ShareCodeOfProfile(entry.profile).toLatin1() + "\r\n";
    }
    return ReplaceFileContents(path_, [&bytes](QIODevice& out) {
               return out.write(bytes) == bytes.size();
           }) == ProfileFileStatus::Done;
}

}  // namespace brakefell
