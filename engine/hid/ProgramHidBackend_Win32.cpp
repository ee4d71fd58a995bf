#include "engine/hid/ProgramHidBackend_Win32.h"

#include "engine/hid/HidBackendFactory.h"
#include "engine/hid/HidBackend_Win32.h"

#include <iostream>

std::shared_ptr<IHidBackend> createProgramHidBackend()
{
    return HidBackendFactory::fromEnvironment([] { return std::make_shared<HidBackend_Win32>(); },
                                              std::cerr);
}
