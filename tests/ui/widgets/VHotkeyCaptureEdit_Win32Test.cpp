// The key-capture edit reads Windows virtual keys and scan codes from Qt's Windows platform.
#include "ui/widgets/VHotkeyCaptureEdit.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct WindowsKey
{
    const char *what;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    quint32 virtualKey;
    QString expected;
};

QString textAfterPress(const WindowsKey &row)
{
    VHotkeyCaptureEdit edit;
    QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, row.scanCode, row.virtualKey, 0);
    QApplication::sendEvent(&edit, &event);
    return edit.text();
}

// A key as the keyboard delivers it to the window: the key-down message with its scan code.
void postKeyDown(HWND window, UINT virtualKey, UINT scanCode, bool extended = false)
{
    const LPARAM repeatAndScanCode = 1 | LPARAM(scanCode) << 16 | (extended ? 1 << 24 : 0);
    PostMessageW(window, WM_KEYDOWN, virtualKey, repeatAndScanCode);
    PostMessageW(window, WM_KEYUP, virtualKey, repeatAndScanCode | 3u << 30);
}

} // namespace

TEST(VHotkeyCaptureEditWindows, KeysAreNamedByTheirWindowsVirtualKeyAndScanCode)
{
    const WindowsKey rows[] = {
        {"keypad 7", Qt::Key_7, Qt::KeypadModifier, 0x47, 0x67, QStringLiteral("Num(7)")},
        {"the 7 of the main row", Qt::Key_7, Qt::NoModifier, 0x08, 0x37, QStringLiteral("7")},
        {"keypad divide", Qt::Key_Slash, Qt::KeypadModifier, 0x135, 0x6F,
         QStringLiteral("Num(/)")},
        // A German keyboard: Shift+7 types a slash, the key right of 0 a sharp s, and the
        // keypad's decimal key a comma.
        {"Shift+7 typing a slash", Qt::Key_Slash, Qt::ShiftModifier, 0x08, 0x37,
         QStringLiteral("Shift+7")},
        {"sharp s on the minus key", Qt::Key_ssharp, Qt::NoModifier, 0x0C, 0xDB,
         QStringLiteral("-")},
        {"keypad decimal typing a comma", Qt::Key_Comma, Qt::KeypadModifier, 0x53, 0x6E,
         QStringLiteral("Num(.)")},
    };
    for (const WindowsKey &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(textAfterPress(row), row.expected);
    }
}

TEST(VHotkeyCaptureEditWindows, KeysFromTheKeyboardAreNamedByPosition)
{
    VHotkeyCaptureEdit edit;
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    const HWND window = reinterpret_cast<HWND>(edit.winId());

    postKeyDown(window, VK_NUMPAD7, 0x47);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("Num(7)"); }, 5000)) << edit.text().toStdString();
    postKeyDown(window, '7', 0x08);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("7"); }, 5000)) << edit.text().toStdString();
    postKeyDown(window, VK_DIVIDE, 0x35, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("Num(/)"); }, 5000)) << edit.text().toStdString();
    postKeyDown(window, VK_OEM_2, 0x35);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("/"); }, 5000)) << edit.text().toStdString();
    // A German keyboard's sharp s key: the virtual key of '[' on the minus key's position.
    postKeyDown(window, VK_OEM_4, 0x0C);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("-"); }, 5000)) << edit.text().toStdString();
}
