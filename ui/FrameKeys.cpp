#include "ui/FrameKeys.h"

#include <QPushButton>
#include <QShortcut>

namespace tooling::ui {

FrameKeys AddFrameKeys(QWidget* frame, QPushButton* ok, QPushButton* cancel) {
    const std::array<Qt::Key, 3> keys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
    FrameKeys shortcuts{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        shortcuts[i] = new QShortcut(QKeySequence(keys[i]), frame);
        shortcuts[i]->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcuts[i], &QShortcut::activated,
                         keys[i] == Qt::Key_Escape ? cancel : ok, &QPushButton::click);
    }
    return shortcuts;
}

}  // namespace tooling::ui
