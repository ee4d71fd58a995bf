#pragma once

#include "ui/UILanguage.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class VMacAccessibilityBanner;
}

// A permissions banner with pictures that show where two privacy settings of the operating
// system are: accessibility and screen recording. The buttons switch between the pictures.
class VMacAccessibilityBanner : public QWidget, public UILanguage
{
    Q_OBJECT

public:
    explicit VMacAccessibilityBanner(QWidget *parent = nullptr);
    ~VMacAccessibilityBanner() override;

    void setBannerVisible(bool visible);
    void retranslate() override;

    // The style sheet that shows a picture in the picture frame, in the interface language's
    // version (simplified Chinese has its own, every other language shows the English one).
    static QString accessibilityPictureSheet(int languageId);
    static QString screenRecordingPictureSheet(int languageId);

private slots:
    void on_btnAccessibility_clicked();
    void on_btnScreenRecording_clicked();
    void slotTimeout();

private:
    void showExclamation();

    std::unique_ptr<Ui::VMacAccessibilityBanner> ui;
    QTimer timer{this};
};
