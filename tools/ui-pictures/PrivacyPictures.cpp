#include "PrivacyPictures.h"

#include "AppLogo.h"
#include "UiPalette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace PrivacyPictures {

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 386;
constexpr int kTitleBarHeight = 36;
constexpr int kSidebarWidth = 156;
constexpr int kPaneLeft = kSidebarWidth + 20;
constexpr int kPaneRight = kWidth - 20;
constexpr int kRowHeight = 44;

struct Texts
{
    QString window;
    QStringList sidebar;
    QString heading;
    QString explanation;
    QStringList otherApplications;
};

Texts textsOf(Setting setting, Language language)
{
    const bool english = language == Language::English;
    const bool accessibility = setting == Setting::Accessibility;
    Texts texts;
    if (english) {
        texts.window = QStringLiteral("Privacy & Security");
        texts.sidebar = QStringList{QStringLiteral("Location Services"), QStringLiteral("Contacts"),
                         QStringLiteral("Accessibility"), QStringLiteral("Screen Recording"),
                         QStringLiteral("Files and Folders")};
        texts.explanation = accessibility
                ? QStringLiteral("Allow the applications below to control your computer.")
                : QStringLiteral("Allow the applications below to record the contents of your "
                                 "screen.");
        texts.otherApplications = QStringList{QStringLiteral("Terminal"), QStringLiteral("Remote Desktop")};
    } else {
        texts.window = QString::fromUtf8("隐私与安全性");
        texts.sidebar = QStringList{QString::fromUtf8("定位服务"), QString::fromUtf8("通讯录"),
                         QString::fromUtf8("辅助功能"), QString::fromUtf8("屏幕录制"),
                         QString::fromUtf8("文件和文件夹")};
        texts.explanation = accessibility
                ? QString::fromUtf8("允许下面的应用程序控制您的电脑。")
                : QString::fromUtf8("允许下面的应用程序录制您屏幕上的内容。");
        texts.otherApplications = QStringList{QString::fromUtf8("终端"), QString::fromUtf8("远程桌面")};
    }
    texts.heading = texts.sidebar.at(accessibility ? 2 : 3);
    return texts;
}

QFont font(int pixels, QFont::Weight weight = QFont::Normal)
{
    QFont result;
    result.setFamilies(UiPalette::fontFamilies());
    result.setPixelSize(pixels);
    result.setWeight(weight);
    return result;
}

void drawWindow(QPainter &p, const QString &title)
{
    p.setPen(QPen(UiPalette::kBorder, 1));
    p.setBrush(UiPalette::kSurface);
    p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 8, 8);
    // The sidebar's panel, square where it meets the title bar and the page.
    QPainterPath sidebar;
    sidebar.moveTo(1, kTitleBarHeight);
    sidebar.lineTo(kSidebarWidth, kTitleBarHeight);
    sidebar.lineTo(kSidebarWidth, kHeight - 1);
    sidebar.lineTo(9, kHeight - 1);
    sidebar.quadTo(1, kHeight - 1, 1, kHeight - 9);
    sidebar.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(UiPalette::kPanel);
    p.drawPath(sidebar);
    p.setPen(QPen(UiPalette::kBorder, 1));
    p.drawLine(QPointF(0.5, kTitleBarHeight + 0.5), QPointF(kWidth - 0.5, kTitleBarHeight + 0.5));
    p.drawLine(QPointF(kSidebarWidth + 0.5, kTitleBarHeight), QPointF(kSidebarWidth + 0.5, kHeight));
    p.setPen(Qt::NoPen);
    p.setBrush(UiPalette::kBorder);
    for (int dot = 0; dot < 3; ++dot)
        p.drawEllipse(QPointF(18 + dot * 18, kTitleBarHeight / 2.0), 5, 5);
    p.setPen(UiPalette::kText);
    p.setFont(font(13, QFont::DemiBold));
    p.drawText(QRect(0, 0, kWidth, kTitleBarHeight), Qt::AlignCenter, title);
}

void drawSidebar(QPainter &p, const QStringList &items, int selected)
{
    p.setFont(font(12));
    for (int i = 0; i < items.size(); ++i) {
        const QRect row(8, kTitleBarHeight + 12 + i * 36, kSidebarWidth - 16, 32);
        if (i == selected) {
            p.setPen(Qt::NoPen);
            p.setBrush(UiPalette::kAccent);
            p.drawRoundedRect(row, 4, 4);
        }
        p.setPen(i == selected ? UiPalette::kSurface : UiPalette::kText);
        p.drawText(row.adjusted(12, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, items.at(i));
    }
}

void drawSwitch(QPainter &p, const QPointF &topLeft, bool on)
{
    p.setPen(Qt::NoPen);
    p.setBrush(on ? UiPalette::kAccent : UiPalette::kBorder);
    p.drawRoundedRect(QRectF(topLeft, QSizeF(36, 20)), 10, 10);
    p.setBrush(UiPalette::kSurface);
    p.drawEllipse(QRectF(topLeft + QPointF(on ? 18 : 2, 2), QSizeF(16, 16)));
}

// A grey application picture with a glyph: a prompt for the terminal, a screen for remote
// desktop.
void drawOtherApplicationIcon(QPainter &p, const QRectF &box, int which)
{
    p.setPen(Qt::NoPen);
    p.setBrush(UiPalette::kSecondaryText);
    p.drawRoundedRect(box, 5, 5);
    p.setPen(QPen(UiPalette::kSurface, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    if (which == 0) {
        p.drawPolyline(QPolygonF({c + QPointF(-6, -4), c + QPointF(-2, 0), c + QPointF(-6, 4)}));
        p.drawLine(c + QPointF(0, 4), c + QPointF(6, 4));
    } else {
        p.drawRoundedRect(QRectF(c + QPointF(-7, -6), QSizeF(14, 10)), 1.5, 1.5);
        p.drawLine(c + QPointF(-3, 7), c + QPointF(3, 7));
    }
}

void drawApplications(QPainter &p, const QStringList &others, int top)
{
    const QRectF list(kPaneLeft, top, kPaneRight - kPaneLeft, kRowHeight * 3);
    p.setPen(QPen(UiPalette::kBorder, 1));
    p.setBrush(UiPalette::kSurface);
    p.drawRoundedRect(list.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    // The program's row, tinted, with its switch on.
    QPainterPath first;
    first.addRoundedRect(list.adjusted(1, 1, -1, 0), 7, 7);
    QPainterPath rowArea;
    rowArea.addRect(QRectF(list.left(), list.top(), list.width(), kRowHeight));
    p.setPen(Qt::NoPen);
    p.setBrush(UiPalette::kAccentTint);
    p.drawPath(first.intersected(rowArea));

    p.setFont(font(12));
    const QStringList names = QStringList{QStringLiteral("QZTablet")} + others;
    for (int i = 0; i < names.size(); ++i) {
        const double rowTop = top + i * kRowHeight;
        if (i > 0) {
            p.setPen(QPen(UiPalette::kBorder, 1));
            p.drawLine(QPointF(list.left() + 12, rowTop + 0.5), QPointF(list.right() - 12, rowTop + 0.5));
        }
        const QRectF icon(list.left() + 12, rowTop + 10, 24, 24);
        if (i == 0)
            p.drawImage(icon, AppLogo::draw(24));
        else
            drawOtherApplicationIcon(p, icon, i - 1);
        p.setPen(UiPalette::kText);
        p.drawText(QRectF(list.left() + 48, rowTop, 200, kRowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   names.at(i));
        drawSwitch(p, QPointF(list.right() - 48, rowTop + 12), i == 0);
    }
}

} // namespace

QImage draw(Setting setting, Language language)
{
    const Texts texts = textsOf(setting, language);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawWindow(p, texts.window);
    drawSidebar(p, texts.sidebar, setting == Setting::Accessibility ? 2 : 3);

    p.setPen(UiPalette::kText);
    p.setFont(font(16, QFont::DemiBold));
    p.drawText(QRect(kPaneLeft, kTitleBarHeight + 14, kPaneRight - kPaneLeft, 24),
               Qt::AlignVCenter | Qt::AlignLeft, texts.heading);
    p.setPen(UiPalette::kSecondaryText);
    p.setFont(font(12));
    p.drawText(QRect(kPaneLeft, kTitleBarHeight + 44, kPaneRight - kPaneLeft, 36),
               Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap, texts.explanation);
    drawApplications(p, texts.otherApplications, kTitleBarHeight + 92);
    p.end();
    return image;
}

} // namespace PrivacyPictures
