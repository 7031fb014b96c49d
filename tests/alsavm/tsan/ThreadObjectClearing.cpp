// The standard library clears a thread object in join() and detach(), inside
// its own compiled code, which the race detector does not watch: a thread
// that reads the object while another joins or detaches it races unseen.
// Linked with the linker's --wrap for both, this clears the object once more
// where the detector sees it, with the same value, after the library's own
// join or detach has returned.

#include <thread>

extern "C"
{
void __real__ZNSt6thread4joinEv (std::thread* self);
void __real__ZNSt6thread6detachEv (std::thread* self);

void __wrap__ZNSt6thread4joinEv (std::thread* self)
{
    __real__ZNSt6thread4joinEv (self);
    *self = std::thread();
}

void __wrap__ZNSt6thread6detachEv (std::thread* self)
{
    __real__ZNSt6thread6detachEv (self);
    *self = std::thread();
}
}
