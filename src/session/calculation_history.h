#pragma once
// The history of calculations: every "계산" that was not refused leaves the time and the inputs
// (the profile as "저장" writes it), so that a player can go back to a build tried earlier. The
// last 200 entries are kept across runs in the user's data folder, one line each: the time in UTC
// and the inputs' share code. The file is replaced whole, as the profiles are, so a crash never
// leaves half of it; a file that cannot be read is set aside under another name and a new one
// started, without a word to the player.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace brakefell {

inline constexpr char kHistoryFileName[] = "CalculationHistory.txt";

struct HistoryEntry {
    QDateTime time;      // UTC
    QByteArray profile;  // the inputs, as "저장" writes them
};

class CalculationHistory {
  public:
    static constexpr int kMostEntries = 200;

    // `path` empty: kept for this run only. Nothing is read until the entries are first used, so
    // the history adds nothing to the program's start-up.
    explicit CalculationHistory(QString path);

    // Oldest first.
    const std::vector<HistoryEntry>& entries();

    // Adds the entry after those in the file now (another window may have added some), drops
    // the oldest beyond 200, and writes the file. False when the file could not be written; the
    // entry is kept for this run all the same.
    bool add(const QDateTime& time, const QByteArray& profile);

    // Where a damaged file was set aside: the file's name with ".damaged", or with the time too
    // when that name is taken.
    static QString SetAsidePath(const QString& path, const QDateTime& now);

  private:
    void readFile();
    bool writeFile() const;

    QString path_;
    std::vector<HistoryEntry> entries_;
    bool read_ = false;
};

}  // namespace brakefell
