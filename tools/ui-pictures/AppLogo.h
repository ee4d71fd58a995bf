#pragma once

#include <QImage>

// The application icon at any size: a pen nib over the outline of a tablet, in the accent
// colour. Line widths are chosen per size so the 16 px icon stays crisp.
namespace AppLogo {

QImage draw(int size);

} // namespace AppLogo
