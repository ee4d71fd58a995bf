#pragma once

// Registers the two packet wrappers with Qt's meta-type system under their class names, so
// that they can travel through queued signals. Calling it again changes nothing.
void registerPacketMetaTypes();
