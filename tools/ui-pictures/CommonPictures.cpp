// The pictures of the main window, its tray menu, its dialogs and the common widgets.
#include "AppLogo.h"
#include "ControlIcons.h"
#include "Illustrations.h"
#include "MenuIcons.h"
#include "Picture.h"
#include "PrivacyPictures.h"
#include "TitleBarIcons.h"
#include "UiPalette.h"

namespace {

std::vector<Picture> commonPictures()
{
    using PrivacyPictures::Language;
    using PrivacyPictures::Setting;
    const QColor text = UiPalette::kText;
    const QColor disabled = UiPalette::kDisabled;
    const QColor strong = UiPalette::kAccentStrong;
    return {
        {"32x32/logo_32x32.png", [] { return AppLogo::draw(32); }},
        {"256x256/logo_256x256.png", [] { return AppLogo::draw(256); }},
        {"32x32/pen_32x32.png", MenuIcons::pen},
        {"32x32/hotkey_32x32.png", MenuIcons::expressKeys},
        {"32x32/mapping_32x32.png", MenuIcons::screenMapping},
        {"32x32/settings_32x32.png", MenuIcons::settings},
        {"showwindow_24x24.png", MenuIcons::showWindow},
        {"exit_24x24.png", MenuIcons::exitProgram},
        {"16x16/triangle_right_16x16.png", ControlIcons::rowArrow},
        {"16x16/link_16x16.png", ControlIcons::rowLink},
        {"16x16/arrow_down_16x16.png", [text] { return ControlIcons::chevronDown(text); }},
        {"16x16/arrow_up_16x16.png", [text] { return ControlIcons::chevronUp(text); }},
        {"16x16/arrow_right_16x16.png", [text] { return ControlIcons::chevronRight(text); }},
        {"16x16/arrow_down_disabled_16x16.png",
         [disabled] { return ControlIcons::chevronDown(disabled); }},
        {"16x16/arrow_up_disabled_16x16.png",
         [disabled] { return ControlIcons::chevronUp(disabled); }},
        {"16x16/check_16x16.png", ControlIcons::checkMark},
        {"16x16/partial_16x16.png", ControlIcons::partialMark},
        {"titlebar/close.png", [text] { return TitleBarIcons::close(text); }},
        // On the error colour that the close button takes under the pointer.
        {"titlebar/close_hover.png", [] { return TitleBarIcons::close(UiPalette::kSurface); }},
        {"titlebar/min.png", [text] { return TitleBarIcons::minimise(text); }},
        {"titlebar/min_hover.png", [strong] { return TitleBarIcons::minimise(strong); }},
        {"titlebar/max.png", [text] { return TitleBarIcons::maximise(text); }},
        {"titlebar/max_hover.png", [strong] { return TitleBarIcons::maximise(strong); }},
        {"titlebar/set.png", [text] { return TitleBarIcons::settings(text); }},
        {"titlebar/set_hover.png", [strong] { return TitleBarIcons::settings(strong); }},
        {"titlebar/thumbtack.png", [text] { return TitleBarIcons::thumbtack(text); }},
        {"titlebar/thumbtack_hover.png", [strong] { return TitleBarIcons::thumbtack(strong); }},
        {"not_detected.png", Illustrations::notDetected},
        {"macOS/exclaim_64x64.png", Illustrations::exclaim},
        {"macOS/privacy_accessibility_en.png",
         [] { return PrivacyPictures::draw(Setting::Accessibility, Language::English); }},
        {"macOS/privacy_accessibility_cn.png",
         [] { return PrivacyPictures::draw(Setting::Accessibility, Language::Chinese); }},
        {"macOS/privacy_screen_en.png",
         [] { return PrivacyPictures::draw(Setting::ScreenRecording, Language::English); }},
        {"macOS/privacy_screen_cn.png",
         [] { return PrivacyPictures::draw(Setting::ScreenRecording, Language::Chinese); }},
    };
}

} // namespace

QZ_PICTURE_LIST(common, commonPictures)
