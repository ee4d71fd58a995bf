#include "ui/dialogs/actions/VHotkeyPreviewDlg.h"

#include "config/language/TabletLanguage.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VHotkeyPreviewDlg.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QColor kShadowColor(100, 100, 108, 100);
constexpr int kShadowBlur = 10;

// What the user wrote, bracketed; nothing for an empty tip.
QString tipPart(const TabletActionPtr &action)
{
    if (!action)
        return QString();
    QString part = QLatin1Char('(') + TabletLanguage::instance().translateWord(action->tip) + QLatin1Char(')');
    return part.remove(QStringLiteral("()"));
}

// A line shows exactly its text, even text that looks like markup, and so does its tool tip.
QLabel *lineLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped()));
    return label;
}

} // namespace

VHotkeyPreviewDlg::VHotkeyPreviewDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VHotkeyPreviewDlg>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->hpdFrame, kShadowColor, kShadowBlur);
    ui->hpdWidgetTitle->setButtons(VTitleBar::Close | VTitleBar::Thumbtack);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VHotkeyPreviewDlg.qss"));
    ui->toolBox->removeItem(ui->toolBox->indexOf(ui->page));
    delete ui->page;
    ui->page = nullptr;
    retranslate();
}

VHotkeyPreviewDlg::~VHotkeyPreviewDlg() = default;

void VHotkeyPreviewDlg::setPreviewSource(const HotkeyConfigure &bindings, int page, bool rebuild, const QString &name)
{
    preview(bindings.keys, bindings.virtualKeys, bindings.dials, bindings.touches, page, rebuild, name);
}

void VHotkeyPreviewDlg::setPreviewProfile(const AppProfile &profile, int page, bool rebuild, const QString &name)
{
    preview(profile.keys, profile.virtualKeys, profile.dials, profile.touches, page, rebuild, name);
}

void VHotkeyPreviewDlg::preview(const ActionMap &keys, const ActionMap &virtualKeys, const DialMap &dials,
                                const ActionMap &touches, int page, bool rebuild, const QString &name)
{
    sourceName = name;
    retranslate();
    if (isHidden())
        return;
    if (!rebuild) {
        if (page >= 0 && page < ui->toolBox->count())
            on_toolBox_currentChanged(page);
        return;
    }
    rebuildPages(pageTexts(keys, virtualKeys, dials, touches));
    on_toolBox_currentChanged(page >= 0 && page < ui->toolBox->count() ? page : 0);
}

void VHotkeyPreviewDlg::retranslate()
{
    ui->retranslateUi(this);
    ui->hpdWidgetTitle->setTitle(QStringLiteral("%1 (%2)").arg(tr("Hotkey Preview"), sourceName));
    ui->hpdWidgetTitle->setTitleToolTip(true);
}

std::vector<VHotkeyPreviewDlg::PageText> VHotkeyPreviewDlg::pageTexts(const ActionMap &keys, const ActionMap &virtualKeys,
                                                                     const DialMap &dials, const ActionMap &touches)
{
    const auto displayText = [](const TabletActionPtr &action) {
        return action ? action->displayText() : tr("Invalid");
    };
    const auto bindingLine = [&](const char *pattern, std::uint16_t number, const TabletActionPtr &action) {
        return QString::fromLatin1(pattern).arg(number).arg(displayText(action), tipPart(action));
    };

    PageText keyPage;
    LineGroup keyLines;
    for (const ActionMap *map : {&keys, &virtualKeys}) {
        for (const auto &[number, action] : *map)
            keyLines.lines << bindingLine("  [K%1] %2  %3", number, action);
    }
    keyPage.title = tr("Key") + QStringLiteral("(%1)").arg(keyLines.lines.size());
    keyPage.groups.push_back(keyLines);

    PageText dialPage;
    int dialNumber = 0;
    for (const auto &entry : dials) {
        const DialConfigure &dial = entry.second;
        LineGroup group;
        group.heading = QStringLiteral("  ") + tr("Dial") + QStringLiteral("-%1").arg(++dialNumber);
        for (std::size_t j = 0; j < dial.pairs.size(); ++j) {
            const QString prefix = j == dial.index ? QStringLiteral("   *") : QStringLiteral("     ");
            group.lines << prefix + QStringLiteral("[%1-%2] %3 | %4")
                                            .arg(tr("Action"))
                                            .arg(j + 1)
                                            .arg(displayText(dial.pairs[j].first), displayText(dial.pairs[j].second));
        }
        dialPage.groups.push_back(group);
    }
    dialPage.title = tr("Dial") + QStringLiteral("(%1)").arg(dials.size());

    PageText touchPage;
    LineGroup touchLines;
    for (const auto &[event, action] : touches)
        touchLines.lines << bindingLine("  [F%1] %2  %3", event, action);
    touchPage.title = tr("Touch") + QStringLiteral("(%1)").arg(touches.size());
    touchPage.groups.push_back(touchLines);

    return {keyPage, dialPage, touchPage};
}

void VHotkeyPreviewDlg::rebuildPages(const std::vector<PageText> &texts)
{
    for (QWidget *page : pages) {
        ui->toolBox->removeItem(ui->toolBox->indexOf(page));
        delete page;
    }
    pages.clear();
    for (const PageText &text : texts) {
        auto *page = new QWidget();
        auto *layout = new QVBoxLayout(page);
        for (const LineGroup &group : text.groups) {
            if (group.heading.isEmpty()) {
                for (const QString &line : group.lines)
                    layout->addWidget(lineLabel(line, page));
                continue;
            }
            auto *box = new QGroupBox(group.heading, page);
            auto *boxLayout = new QVBoxLayout(box);
            for (const QString &line : group.lines)
                boxLayout->addWidget(lineLabel(line, box));
            layout->addWidget(box);
        }
        layout->addStretch();
        ui->toolBox->addItem(page, text.title);
        pages.push_back(page);
    }
}

void VHotkeyPreviewDlg::on_toolBox_currentChanged(int index)
{
    for (int i = 0; i < ui->toolBox->count(); ++i) {
        ui->toolBox->setItemIcon(i, QIcon(i == index ? QStringLiteral(":/res/image/comm/16x16/arrow_down_16x16.png")
                                                     : QStringLiteral(":/res/image/comm/16x16/arrow_right_16x16.png")));
    }
    ui->toolBox->setCurrentIndex(index);
}

void VHotkeyPreviewDlg::on_btnClose_clicked()
{
    close();
}
