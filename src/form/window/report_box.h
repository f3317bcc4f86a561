#pragma once
// A read-only multi-line box of the report (txtResult(k), txtBowCycleResult). Ctrl+A, with
// exactly Ctrl held, selects the whole report text so that it can be copied at once.

#include <QPlainTextEdit>
#include <QString>

namespace brakefell {

class ReportBox : public QPlainTextEdit {
  public:
    // `takesSelectAllKey` is false for the hidden trace box, which has no key behaviour.
    explicit ReportBox(bool takesSelectAllKey, QWidget* parent = nullptr);

    // The report text as the engine wrote it (CR LF line ends); the box shows it line by line.
    const QString& reportText() const { return reportText_; }
    void setReportText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool takesSelectAllKey_;
    QString reportText_;
};

}  // namespace brakefell
