#pragma once

class QImage;

// When a new screen layout counts as settled: every monitor shows a picture, or the wait has
// lasted long enough.
namespace DisplaySettling {

constexpr int kTickMilliseconds = 1000;
constexpr int kMaxTicks = 10;

// A screenshot shows content: at least 301 pixels each way and a pixel that is not black on the
// diagonal from (100, 100) to (299, 299). A switched-off display stays black.
bool showsContent(const QImage &screenshot);

bool hasSettled(int monitorsShowingContent, int monitorCount, int tick);

} // namespace DisplaySettling
