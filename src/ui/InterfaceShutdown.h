#pragma once

namespace x48305_ui
{
// Ends the framework's animations: the image of a refused drag floating back
// to where the drag began, a drag image fading out. Each runs in a window of
// its own that the framework's desktop owns until the animation is over. At
// shutdown the framework closes its X connection before it deletes the
// desktop, so a window still animating then is freed on a closed connection
// (a crash, or a new connection opened while the framework shuts down).
// Called on the message thread once the program's windows are closed (and
// with them every drag they held), before the framework shuts down.
void endAnimationsBeforeShutdown();
} // namespace x48305_ui
