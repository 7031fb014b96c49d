// Kept apart from every framework header: Xlib's macros clash with its names.
#include <X11/Xlib.h>

namespace
{
int ignoreXError (Display*, XErrorEvent*) { return 0; }
}

namespace testsupport
{
// Without a window manager, Xvfb answers some of the framework's requests with
// errors that Xlib would otherwise treat as fatal.
void installNonFatalXErrorHandler()
{
    XSetErrorHandler (ignoreXError);
}
}
