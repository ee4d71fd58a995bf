#include "ui/dialogs/actions/TabWidgetEventFilter.h"

#include <QKeyEvent>

bool TabWidgetEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && (key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
