#pragma once

#include "config/layout/TabletLayout.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace Ui {
class VHotkeyLayoutPanel;
}

class QPainter;

// The tablet picture of the express-key page with the outline of every key, dial and touch
// segment of the model's layout. A click selects a component; the component that the tablet
// reports as active lights up: a held express key while it is held, a dial turn, a touch and a
// virtual key for a short while after their last packet.
class VHotkeyLayoutPanel : public QWidget
{
    Q_OBJECT

public:
    // What the tablet reports as active.
    struct ComponentState
    {
        enum Kind : std::uint32_t {
            None = 0,
            Key = 1,
            Dial = 2,
            Touch = 3,
        };

        std::uint32_t kind = None;
        // The key's, dial's or touch control's number.
        std::uint16_t index = 0;
        // The dial's turning direction or the touched segment.
        std::uint16_t value = 0;
        // The key is an express key, not one of the virtual keys.
        std::uint8_t physical = 0;
        std::uint8_t pressed = 0;
    };

    static constexpr int kBlinkMilliseconds = 80;

    explicit VHotkeyLayoutPanel(QWidget *parent = nullptr);
    ~VHotkeyLayoutPanel() override;

    void setLayout(const TabletLayout &layout);
    TabletLayoutComponentPtr selectedComponent() const { return selected; }
    void setComponentState(const ComponentState &state);
    // Whether the component is drawn lit for the state.
    static bool isLit(const TabletLayoutComponent &component, const ComponentState &state);
    bool isLit(const TabletLayoutComponent &component) const { return isLit(component, live); }

signals:
    void componentSelected();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void endBlink();
    void drawComponent(QPainter &painter, const TabletLayoutComponent &component, bool filled) const;

    std::unique_ptr<Ui::VHotkeyLayoutPanel> ui;
    TabletLayoutTabletPart tablet;
    TabletLayoutComponentPtr selected;
    QPixmap picture;
    ComponentState live;
    QTimer *const blink;
    QPixmap arrows[4];
};
