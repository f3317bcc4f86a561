#pragma once
// The form's message box and file dialogs as modal Qt dialogs.

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "platform/user_prompts.h"

namespace brakefell {

// The filter every profile dialog offers: the one description with its pattern *.cfg.
inline constexpr char kProfileFilter[] = "케릭터 설정파일(*.cfg)";

// Open and save alike: the program's folder, the profile filter, a name typed without extension
// used as typed, no question before replacing a file, and a name that does not exist accepted
// (opening it then fails quietly). Qt's own dialog, so that it behaves the same everywhere.
void SetUpProfileDialog(QFileDialog& dialog, const QString& initialDir,
                        QFileDialog::AcceptMode mode);

class DialogPrompts : public UserPrompts {
  public:
    explicit DialogPrompts(QString title) : title_(std::move(title)) {}

    // Dialogs stand over the window once it exists; before, they stand alone.
    void setWindow(QWidget* window) { window_ = window; }

    void showMessage(std::u16string_view sentence) override;
    std::optional<std::string> chooseFileToOpen(const std::string& initialDir) override;
    std::optional<std::string> chooseFileToSave(const std::string& initialDir) override;

  private:
    // The window a dialog belongs to: the active one of the program, else the main window.
    QWidget* owner() const;
    std::optional<std::string> choose(const std::string& initialDir, QFileDialog::AcceptMode mode);

    QString title_;
    QPointer<QWidget> window_;
};

}  // namespace brakefell
