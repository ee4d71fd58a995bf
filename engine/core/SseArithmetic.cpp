// The engine's pen arithmetic (pressure curve, edge correction, mapping) must round the same in
// the 32-bit program as in the 64-bit builds whose tests stand in for it. On i686 that holds only
// with SSE2 arithmetic (-msse2 -mfpmath=sse, set in cmake/QzBuild.cmake); without it doubles are
// kept in the x87 unit's 80-bit registers and results differ in the last unit.
#include <cfloat>

#if defined(__i386__)
#if !defined(__SSE2_MATH__)
#error "the i686 build must compute doubles on SSE2: compile with -msse2 -mfpmath=sse"
#endif
static_assert(FLT_EVAL_METHOD == 0, "doubles must be evaluated in their own precision");
#endif
