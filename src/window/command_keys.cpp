#include "window/command_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <functional>
#include <initializer_list>

#include "window/share_code_clipboard.h"

namespace brakefell {

void AddCommandKeys(QWidget& window, CalculatorSession& session) {
    const auto add = [&window](std::initializer_list<QKeySequence> keys,
                               const std::function<void()>& command) {
        for (const QKeySequence& key : keys) {
            QObject::connect(new QShortcut(key, &window), &QShortcut::activated, &window, command);
        }
    };
    add({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
         QKeySequence(Qt::CTRL | Qt::Key_Enter)},
        [&session] { session.calculate(); });
    add({QKeySequence(Qt::CTRL | Qt::Key_O)}, [&session] { session.openProfile(); });
    add({QKeySequence(Qt::CTRL | Qt::Key_S)}, [&session] { session.saveProfile(); });
    add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        [&session, &window] { CopyShareCode(session, window); });
    add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, [&session] { PasteShareCode(session); });
}

}  // namespace brakefell
