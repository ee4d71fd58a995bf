#include "ui/widgets/VHotkeyCaptureEdit.h"

#include "ui/widgets/WindowHelpers.h"

#include <QGuiApplication>
#include <QKeyEvent>

VHotkeyCaptureEdit::VHotkeyCaptureEdit(QWidget *parent)
    : QLineEdit(parent)
{
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VHotkeyCaptureEdit.qss"));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    installEventFilter(this);
    connect(this, &QLineEdit::textChanged, this, &VHotkeyCaptureEdit::forgetKeysWhenEmptied);
}

void VHotkeyCaptureEdit::setTextMode(bool on)
{
    textMode = on;
    setContextMenuPolicy(on ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

void VHotkeyCaptureEdit::clear()
{
    capture.clear();
    QLineEdit::clear();
}

// A clear that does not pass through this class (a call through a QLineEdit pointer, the
// clear button, an empty text set from outside) must not leave letters held for the next
// combination. A combination that itself reads empty keeps its keys.
void VHotkeyCaptureEdit::forgetKeysWhenEmptied(const QString &text)
{
    if (text.isEmpty() && !capture.text().isEmpty())
        capture.clear();
}

void VHotkeyCaptureEdit::keyPressEvent(QKeyEvent *event)
{
    if (textMode) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    capture.press(pressOf(*event));
    setText(capture.text());
}

// The text keeps showing the last combination after the keys are let go.
void VHotkeyCaptureEdit::keyReleaseEvent(QKeyEvent *event)
{
    if (textMode) {
        QLineEdit::keyReleaseEvent(event);
        return;
    }
    capture.release(event->key());
}

bool VHotkeyCaptureEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this || event->type() != QEvent::KeyPress)
        return QLineEdit::eventFilter(watched, event);
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (!isNavigationKey(keyEvent->key()))
        return false;
    capture.press(pressOf(*keyEvent));
    setText(capture.text());
    return true;
}

// Shift+Tab arrives as Backtab, which would move the focus back just as Tab moves it on.
bool VHotkeyCaptureEdit::isNavigationKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape;
}

// Only Qt's Windows platform gives Windows virtual keys and scan codes; events without them
// (other platforms, synthesised events) stand for their Windows equivalent.
HotkeyPress VHotkeyCaptureEdit::pressOf(const QKeyEvent &event)
{
    const bool windowsKey = event.nativeVirtualKey() != 0
        && QGuiApplication::platformName() == QLatin1String("windows");
    if (!windowsKey)
        return HotkeyPress::withoutNativeKey(event.key(), event.modifiers());
    return HotkeyPress{event.key(), event.modifiers(), event.nativeVirtualKey(),
                       event.nativeScanCode()};
}
