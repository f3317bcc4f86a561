#pragma once
// "CSV 저장" of an analysis: the tables shown, for a spreadsheet, in a file the player names.

#include <QPushButton>
#include <string>

namespace brakefell {

// Asks where to save (adding ".csv" to a name without an ending, so that a spreadsheet opens it
// by its name) and writes the bytes there whole or not at all. False only when writing failed;
// a player who cancels has lost nothing.
bool SaveCsvAs(QWidget* parent, const std::string& bytes);

class CsvButton : public QPushButton {
  public:
    CsvButton(const QString& objectName, QWidget* parent);

    // What the next click saves: the tables now shown. Disabled while there are none.
    void offer(std::string csv);
    void withdraw();

  private:
    void save();

    std::string csv_;
};

}  // namespace brakefell
