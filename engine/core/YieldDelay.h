#pragma once

// Gives the processor away until `milliseconds` of the steady clock have passed since the call;
// used between synthesised reports, where a sleep would oversleep the system timer's tick.
void yieldDelay(int milliseconds);
