#pragma once

#include "ui/widgets/HotkeyCapture.h"

#include <QLineEdit>

class QKeyEvent;

// The edit in which the user presses a keyboard shortcut. It shows the pressed combination as
// the text that bound actions store and the keyboard driver types ("Ctrl+Shift+F5",
// "Ctrl+A+B", "Num(5)"). In text mode it is a plain line edit.
class VHotkeyCaptureEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit VHotkeyCaptureEdit(QWidget *parent = nullptr);

    void setTextMode(bool on);

public slots:
    // Empties the text and forgets the keys held. QLineEdit::clear, which this hides, and any
    // other emptying of the text forget them as well.
    void clear();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    // Tab and Escape are captured before they move the focus or close the dialog.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static HotkeyPress pressOf(const QKeyEvent &event);
    static bool isNavigationKey(int key);
    void forgetKeysWhenEmptied(const QString &text);

    HotkeyCapture capture;
    bool textMode = false;
};
