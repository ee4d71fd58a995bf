#pragma once

#include <QImage>

// The larger pictures: the no-device dialog's tablet with its cable unplugged (400 x 194) and
// the warning mark of the permissions banner (64 x 64).
namespace Illustrations {

QImage notDetected();
QImage exclaim();

} // namespace Illustrations
