#pragma once

#include "ui/widgets/DisplayMappingInfo.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class VMappingConnector;
}

class QLabel;
class VDisplayPanel;
class VTabletPanel;

// A transparent layer over the display panel and the tablet picture: the user draws or resizes
// the screen area on a monitor's thumbnail and the tablet area on the tablet picture, sees the
// values while dragging, and dotted lines join the corners of the two areas. A release that
// changed an area reports it in pixels of the screen or in percent of the tablet.
class VMappingConnector : public QWidget
{
    Q_OBJECT

public:
    // The screen index that stands for all displays together.
    static constexpr int kAllScreens = 99;

    explicit VMappingConnector(QWidget *parent = nullptr);
    ~VMappingConnector() override;

    void setPanels(VDisplayPanel *display, VTabletPanel *tablet);
    // The tablet's work area as drawn, in this widget's coordinates; null without a tablet.
    QRect tabletArea() const;

    void selectScreen(int index);
    int screenIndex() const { return selectedScreen; }
    // The chosen display's monitor rectangle, or the desktop for all screens; null when there
    // is no such display.
    QRect screenRect() const;
    bool displayInfo(int index, DisplayMappingInfo &info) const;

    // The screen area in pixels of the chosen screen, the tablet area in percent; neither
    // signals.
    void setScreenRect(const QRect &area);
    void setTabletRect(const QRect &percent);
    // Turns the tablet picture and selects the whole tablet.
    void setRotation(int quarterTurns);
    void setEditable(bool editable);

    // The two areas as drawn, in this widget's coordinates.
    QRect screenArea() const { return screenSelection; }
    QRect tabletSelection() const { return tabletSelectionArea; }

public slots:
    // Takes the display panel's monitors again.
    void refreshDisplays();

signals:
    void screenSelectChanged(int screenIndex, const QRect &area);
    void tabletSelectChanged(const QRect &area);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum Mode { NoArea = 0, ScreenMode = 1, TabletMode = 2 };

    struct Handle
    {
        QRect square;
        Qt::CursorShape cursor;
    };

    void copyDisplayInfos();
    void rebuildHandles();
    QRect screenBound() const;
    QRect reach(Mode mode) const;
    QRect &modeArea();
    QRect drawnRectangle() const;
    std::optional<QRect> reported(const QRect &drawn) const;

    void hover(const QPoint &position);
    void drag(const QPoint &position);
    void resizeArea(const QPoint &position);
    void release(const QRect &drawn);
    void showTip(const QPoint &position);

    void paintAreas(QPainter &painter) const;
    void paintConnections(QPainter &painter) const;

    std::unique_ptr<Ui::VMappingConnector> ui;
    QPointer<VDisplayPanel> displayPanel;
    QPointer<VTabletPanel> tabletPanel;
    std::vector<DisplayMappingInfo> infos;
    Mode mode = NoArea;
    bool resizing = false;
    bool pressed = false;
    bool dragged = false;
    QPoint pressPoint;
    QPoint currentPoint;
    int selectedScreen = 0;
    QRect screenSelection;
    QRect tabletSelectionArea;
    std::vector<Handle> screenHandles;
    std::vector<Handle> tabletHandles;
    QRect areaAtPress;
    int handleIndex = -1;
    QLabel *tipLabel = nullptr;
    bool editable = true;
};
