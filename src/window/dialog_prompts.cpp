#include "window/dialog_prompts.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "desktop_adapters/qt_text.h"

namespace brakefell {

void SetUpProfileDialog(QFileDialog& dialog, const QString& initialDir,
                        QFileDialog::AcceptMode mode) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(initialDir);
    dialog.setNameFilter(QString::fromUtf8(kProfileFilter));
    dialog.setDefaultSuffix(QString());
}

QWidget* DialogPrompts::owner() const {
    // The window the player works in: a message or a file dialog asked for from "빌드 분석" stands
    // over it, not over the main window behind, and it is in front again when the dialog closes.
    if (QWidget* active = QApplication::activeWindow();
        active != nullptr && window_ != nullptr && qobject_cast<QDialog*>(active) == nullptr) {
        return active;
    }
    return window_;
}

void DialogPrompts::showMessage(std::u16string_view sentence) {
    QMessageBox box(QMessageBox::NoIcon, title_, QStringOf(sentence), QMessageBox::Ok, owner());
    box.exec();
}

std::optional<std::string> DialogPrompts::chooseFileToOpen(const std::string& initialDir) {
    return choose(initialDir, QFileDialog::AcceptOpen);
}

std::optional<std::string> DialogPrompts::chooseFileToSave(const std::string& initialDir) {
    return choose(initialDir, QFileDialog::AcceptSave);
}

std::optional<std::string> DialogPrompts::choose(const std::string& initialDir,
                                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner());
    SetUpProfileDialog(dialog, QPathOf(initialDir), mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathOf(dialog.selectedFiles().constFirst());
}

}  // namespace brakefell
