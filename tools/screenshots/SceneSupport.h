#pragma once

// What the scenes start from: the program's look in one of its languages, and the pen tablet most
// of them show on the simulated bus.
#include "engine/hid/simulated/SimulatedHidBus.h"

#include <memory>
#include <vector>

class MainWindow;
class ScreenStatusListen;

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

// A "QZ-Pen 6" on its vendor interface, as the engine's tests plug it in.
SimulatedHidDevice simulatedPenTablet();

// The devices of a description of one tablet's vendor interface: its name, its product id (four hex
// digits) and the block of string 20 (hex bytes) that gives its size and pressure levels.
std::vector<SimulatedHidDevice> describedTablet(const char *product, const char *productId, const char *block);

// The main window on a new simulated bus that holds `devices`, in `language`, on the scene's own
// monitors when it gives them. The bus lives until the next such window is made.
MainWindow *sceneMainWindow(const std::vector<SimulatedHidDevice> &devices, int language,
                            ScreenStatusListen *displays = nullptr);

// The bus of the last window sceneMainWindow made.
std::shared_ptr<SimulatedHidBus> sceneHidBus();
