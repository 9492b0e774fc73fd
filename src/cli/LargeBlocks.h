#pragma once

/// Grows the heap once by room that the kernel backs with huge pages as it is touched, so that
/// the many small blocks of a run are not faulted in 4 KiB at a time. Call once, after the
/// trim threshold is raised (else the room is given back at once); does nothing under the
/// sanitizers, whose allocators are their own.
void ReserveHugePageHeap();
