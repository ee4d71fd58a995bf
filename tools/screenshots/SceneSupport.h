#pragma once

// What the scenes start from: the program's look in one of its languages, and the pen tablet most
// of them show on the simulated bus.
#include "engine/hid/simulated/SimulatedHidBus.h"

// The program's language ids, in the order of its translation files.
enum SceneLanguage : int {
    kEnglish = 0,
    kSimplifiedChinese = 1,
    kTraditionalChinese = 2,
    kFrench = 3,
    kGerman = 4,
    kItalian = 5,
    kJapanese = 6,
    kKorean = 7,
    kRussian = 8,
    kSpanish = 9,
    kPortuguese = 10,
};

// The look of the whole program, as its start applies it (models, base sheet), in `language`.
void prepareScene(int language);

// A "QZ-Pen 6" on its vendor interface: name, firmware, size and pressure block.
SimulatedHidDevice simulatedPenTablet();
