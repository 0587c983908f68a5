#pragma once

class QThread;

namespace tessaly::studio {

// Makes the thread's work give way to the window's: every thread it runs on
// from its start, and every thread those start in turn (the optimiser's
// helpers), gets less of a busy processor than the window's thread, so the
// window answers at once even while all cores compute.
void runBelowWindowPriority(QThread &thread);

} // namespace tessaly::studio
