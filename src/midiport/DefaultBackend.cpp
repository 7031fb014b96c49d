#include "midiport/DefaultBackend.h"

#include "midiport/AlsaBackend.h"

#include <mutex>

namespace midiport
{
namespace
{
std::mutex defaultMutex;
std::shared_ptr<Backend> defaultBackend;
}

std::shared_ptr<Backend> getDefaultBackend()
{
    std::lock_guard<std::mutex> lock (defaultMutex);
    if (defaultBackend == nullptr)
        defaultBackend = std::make_shared<AlsaBackend>();
    return defaultBackend;
}

void setDefaultBackend (std::shared_ptr<Backend> backend)
{
    std::shared_ptr<Backend> previous;
    {
        std::lock_guard<std::mutex> lock (defaultMutex);
        previous = std::move (defaultBackend);
        defaultBackend = std::move (backend);
    }
}
}
