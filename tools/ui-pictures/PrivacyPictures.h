#pragma once

#include <QImage>

// Explanations of two privacy settings of the operating system, 520 x 386: its settings window
// with the page of the setting open and the program's entry switched on.
namespace PrivacyPictures {

enum class Setting { Accessibility, ScreenRecording };
enum class Language { English, Chinese };

QImage draw(Setting setting, Language language);

} // namespace PrivacyPictures
