#include "devtools/scratch_calculator.h"

#include <QDir>
#include <QFile>
#include <cstdio>

#include "catalogue/catalogue_reader.h"
#include "desktop_adapters/qt_text.h"
#include "text/strings.h"
#include "window/korean_texts.h"
#include "window/window_fonts.h"

namespace brakefell {
namespace {

ProgramFolders CopyCatalogueInto(const QTemporaryDir& folder) {
    const QString name = QString::fromLatin1(kCatalogueFileName);
    QFile::copy(QDir(QApplication::applicationDirPath()).filePath(name), folder.filePath(name));
    return {PathOf(folder.path()), PathOf(folder.filePath(QStringLiteral("user")))};
}

}  // namespace

void LookLikeTheCalculator(QApplication& app) {
    QApplication::setFont(WindowFont());
    InstallKoreanQtTexts(app);
}

void ConsolePrompts::showMessage(std::u16string_view sentence) {
    std::fprintf(stderr, "message: %s\n", Utf8OfUtf16(sentence).c_str());
}

std::optional<std::string> ConsolePrompts::chooseFileToOpen(const std::string&) {
    return std::nullopt;
}

std::optional<std::string> ConsolePrompts::chooseFileToSave(const std::string&) {
    return std::nullopt;
}

ScratchCalculator::ScratchCalculator(Edition edition)
    : session_(edition, CopyCatalogueInto(folder_), desktop_.platform(), prompts_) {
    session_.startUp(WindowStartUp());
    window_ = std::make_unique<CalculatorWindow>(session_);
}

}  // namespace brakefell
