// The Qt dialogs behind the form's prompts, driven as the person would: the message box, and the
// open and save dialogs with their folder, filter, names typed without extension, and cancel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "window/dialog_prompts.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

// While alive, hands the first modal dialog of the given type that shows to `handle`. Fails the
// test when none shows, and closes any modal dialog still open five seconds later, so that a
// dialog that does not go away cannot hang the test program.
template <typename Dialog>
class WhenShown {
  public:
    explicit WhenShown(std::function<void(Dialog*)> handle) : handle_(std::move(handle)) {
        waited_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    ~WhenShown() { EXPECT_TRUE(handled_) << "the expected dialog did not show"; }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!handled_ && dialog != nullptr && dialog->isVisible()) {
            handled_ = true;
            waited_.restart();
            handle_(dialog);
        } else if (modal != nullptr && waited_.elapsed() > 5000) {
            ADD_FAILURE() << "a dialog stayed open: " << modal->metaObject()->className();
            if (auto* stuck = qobject_cast<QDialog*>(modal)) {
                stuck->reject();
            }
        }
    }

    std::function<void(Dialog*)> handle_;
    QTimer timer_;
    QElapsedTimer waited_;
    bool handled_ = false;
};

// Types a name into the file dialog's name box and presses its "Open" or "Save" button.
void ChooseName(QFileDialog* dialog, const QString& name) {
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText(name);
    static_cast<QDialog*>(dialog)->accept();
}

class ProfileDialogs : public ::testing::Test {
  protected:
    void SetUp() override { testing::TestApplication(); }

    QTemporaryDir folder_;
    DialogPrompts prompts_{QStringLiteral("Brakefell 데미지 계산기(v007)")};
};

TEST_F(ProfileDialogs, BothDialogsStartInTheProgramFolderWithTheOneProfileFilter) {
    for (auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        QFileDialog dialog;
        SetUpProfileDialog(dialog, folder_.path(), mode);
        EXPECT_EQ(dialog.acceptMode(), mode);
        EXPECT_EQ(QDir(dialog.directory()), QDir(folder_.path()));
        EXPECT_EQ(dialog.nameFilters(), QStringList{"케릭터 설정파일(*.cfg)"});
        EXPECT_EQ(dialog.defaultSuffix(), "");
        EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    }
}

TEST_F(ProfileDialogs, ANameTypedWithoutExtensionIsReturnedAsTyped) {
    WhenShown<QFileDialog> person([](QFileDialog* dialog) { ChooseName(dialog, "my build"); });
    const auto chosen = prompts_.chooseFileToSave(PathOf(folder_.path()));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, PathOf(QDir(folder_.path()).filePath("my build")));
}

TEST_F(ProfileDialogs, SavingOverAnExistingFileAsksNothing) {
    QFile existing(folder_.filePath("old.cfg"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    WhenShown<QFileDialog> person([](QFileDialog* dialog) { ChooseName(dialog, "old.cfg"); });
    const auto chosen = prompts_.chooseFileToSave(PathOf(folder_.path()));
    EXPECT_EQ(chosen, PathOf(QDir(folder_.path()).filePath("old.cfg")));
}

TEST_F(ProfileDialogs, TheOpenDialogAcceptsANameThatDoesNotExist) {
    WhenShown<QFileDialog> person([](QFileDialog* dialog) { ChooseName(dialog, "ghost.cfg"); });
    const auto chosen = prompts_.chooseFileToOpen(PathOf(folder_.path()));
    EXPECT_EQ(chosen, PathOf(QDir(folder_.path()).filePath("ghost.cfg")));
}

TEST_F(ProfileDialogs, CancellingEitherDialogGivesNoName) {
    {
        WhenShown<QFileDialog> person([](QFileDialog* dialog) { dialog->reject(); });
        EXPECT_EQ(prompts_.chooseFileToOpen(PathOf(folder_.path())), std::nullopt);
    }
    WhenShown<QFileDialog> person([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(prompts_.chooseFileToSave(PathOf(folder_.path())), std::nullopt);
}

TEST_F(ProfileDialogs, AMessageIsTheOneSentenceWithOnlyOkNoIconAndTheProgramsTitle) {
    bool seen = false;
    WhenShown<QMessageBox> person([&seen](QMessageBox* box) {
        seen = true;
        EXPECT_EQ(box->text(), "지난 저장 파일이 존재하지 않습니다.");
        EXPECT_EQ(box->windowTitle(), "Brakefell 데미지 계산기(v007)");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    prompts_.showMessage(TextOf(QStringLiteral("지난 저장 파일이 존재하지 않습니다.")));
    EXPECT_TRUE(seen);
}

// An English word: two Latin letters in a row ("OK", "Open", "Look in:").
bool HasEnglishWord(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
    return text.contains(word);
}

TEST_F(ProfileDialogs, QtsOwnButtonsAndLabelsAreKorean) {
    WhenShown<QMessageBox> person([](QMessageBox* box) {
        const QString ok = box->button(QMessageBox::Ok)->text();
        EXPECT_FALSE(HasEnglishWord(ok)) << ok.toStdString();
        EXPECT_TRUE(ok.contains(QStringLiteral("확인"))) << ok.toStdString();
        box->button(QMessageBox::Ok)->click();
    });
    prompts_.showMessage(TextOf(QStringLiteral("파일을 여는 도중 에러가 발생했습니다.")));

    for (auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        QFileDialog dialog;
        SetUpProfileDialog(dialog, folder_.path(), mode);
        dialog.show();
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            texts << label->text();
        }
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            texts << button->text() << button->toolTip();
        }
        texts.removeAll(QString());
        EXPECT_GE(texts.size(), 5);  // look in, name, type; accept and cancel
        for (const QString& text : texts) {
            EXPECT_FALSE(HasEnglishWord(text)) << text.toStdString();
        }
        dialog.reject();
    }
}

}  // namespace
}  // namespace brakefell
