#include "window/share_code_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QToolTip>

#include "desktop_adapters/qt_text.h"

namespace brakefell {

void CopyShareCode(const CalculatorSession& session, QWidget& near) {
    QGuiApplication::clipboard()->setText(QStringOf(session.shareCode()));
    QToolTip::showText(near.mapToGlobal(near.rect().center()),
                       QStringLiteral("빌드 코드를 클립보드에 복사했습니다."), &near, {}, 2500);
}

CommandOutcome PasteShareCode(CalculatorSession& session) {
    return session.openShareCode(TextOf(QGuiApplication::clipboard()->text()));
}

}  // namespace brakefell
