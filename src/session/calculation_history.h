#pragma once
// The history of calculations: every "계산" that was not refused leaves the time and the whole
// build (shared_build.h), so that a player can go back to a build tried earlier. The last 200
// entries are kept across runs in the user's data folder, one line each: the time in UTC and the
// build's share code. The full and the lite edition share the file, and each merges what the other
// wrote. The file is replaced whole, as the profiles are, so a crash never leaves half of it. A
// file with lines that cannot be read is set aside under another name, and its good lines go on in
// a new one; the player is told how many lines were skipped where the history is shown, never in
// a box at start-up. A file that cannot be read at all is set aside the same way. Nothing of a run
// is lost when the file cannot be written: the entries stay in memory for the run.

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "profile/shared_build.h"

namespace brakefell {

inline constexpr char kHistoryFileName[] = "CalculationHistory.txt";

struct HistoryEntry {
    UtcMillis time;
    SharedBuild build;  // a line of the first version holds the profile alone
};

class CalculationHistory {
  public:
    static constexpr int kMostEntries = 200;

    // `path` empty: kept for this run only. Nothing is read until the entries are first used, so
    // the history adds nothing to the program's start-up.
    CalculationHistory(const Platform& platform, std::string path);

    // Oldest first.
    const std::vector<HistoryEntry>& entries();

    // Adds the entry to those in memory merged with those in the file now (the other edition may
    // have added some), in the order of their times, keeps the last 200, and writes the file.
    // False when the file could not be written; every entry is kept for this run all the same.
    bool add(UtcMillis time, const SharedBuild& build);

    // Another writer of the file (the other edition, a second page of the site) has replaced it:
    // its entries are merged in, and the file is written again when it lacks any entry of this
    // run, so that two writes crossing lose none. False when that write failed.
    bool reconcile();

    // Lines of the file that could not be read and were left out, in this run; the file with them
    // was set aside.
    int skippedLines() const { return skippedLines_; }

    // Where a damaged file was set aside: the file's name with ".damaged", or with the time too
    // when that name is taken.
    static std::string SetAsidePath(const Storage& storage, std::string_view path, UtcMillis now);

  private:
    void mergeFile();
    void sortByTime();
    void keepLast();
    bool writeFile() const;

    Platform platform_;
    std::string path_;
    std::vector<HistoryEntry> entries_;
    std::vector<std::string> lines_;  // each entry's line in the file, so it is encoded once
    bool read_ = false;
    int skippedLines_ = 0;
};

}  // namespace brakefell
