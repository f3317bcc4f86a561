#include "window/dialog_prompts.h"

#include <QMessageBox>

#include "qt_adapters/qt_text.h"

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

void DialogPrompts::showMessage(std::u16string_view sentence) {
    QMessageBox box(QMessageBox::NoIcon, title_, QStringOf(sentence), QMessageBox::Ok, window_);
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
    QFileDialog dialog(window_);
    SetUpProfileDialog(dialog, QPathOf(initialDir), mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathOf(dialog.selectedFiles().constFirst());
}

}  // namespace brakefell
