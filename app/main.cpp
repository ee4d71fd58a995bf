// QZTablet's entry. The settings window, the tray icon and the engine are not built yet: the
// program only brings up Qt with the value classes of the data model registered, and ends.
#include "config/PacketMetaTypes.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    registerPacketMetaTypes();
    return 0;
}
