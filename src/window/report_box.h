#pragma once
// A read-only multi-line box of the report: txtResult(k) and txtBowCycleResult, where Ctrl+A with
// exactly Ctrl held selects the whole text so that it can be copied at once, and the hidden
// trace box Text1, which has a vertical scroll bar and no key behaviour.

#include <QPlainTextEdit>
#include <QString>

namespace brakefell {

class ReportBox : public QPlainTextEdit {
  public:
    enum class Role { Report, Trace };

    explicit ReportBox(Role role, QWidget* parent = nullptr);

    // The report text as the engine wrote it (CR LF line ends); the box shows it line by line.
    const QString& reportText() const { return reportText_; }
    void setReportText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void settleScrollBars();

    Role role_;
    QString reportText_;
};

}  // namespace brakefell
