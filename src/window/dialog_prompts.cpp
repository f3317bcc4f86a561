#include "window/dialog_prompts.h"

#include <QMessageBox>

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

void DialogPrompts::showMessage(const QString& sentence) {
    QMessageBox box(QMessageBox::NoIcon, title_, sentence, QMessageBox::Ok, window_);
    box.exec();
}

std::optional<QString> DialogPrompts::chooseFileToOpen(const QString& initialDir) {
    return choose(initialDir, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogPrompts::chooseFileToSave(const QString& initialDir) {
    return choose(initialDir, QFileDialog::AcceptSave);
}

std::optional<QString> DialogPrompts::choose(const QString& initialDir,
                                             QFileDialog::AcceptMode mode) {
    QFileDialog dialog(window_);
    SetUpProfileDialog(dialog, initialDir, mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace brakefell
