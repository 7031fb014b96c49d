#include "midi/InstrumentAddress.h"

#include <atomic>

namespace x48305_midi
{
namespace
{
std::atomic<const InstrumentAddressSource*> installedSource { nullptr };
}

void setInstrumentAddressSource (const InstrumentAddressSource* source)
{
    installedSource.store (source);
}

void clearInstrumentAddressSource (const InstrumentAddressSource* source)
{
    auto expected = source;
    installedSource.compare_exchange_strong (expected, nullptr);
}

InstrumentAddress getCurrentInstrumentAddress()
{
    if (const auto* source = installedSource.load())
        return source->getInstrumentAddress();

    return {};
}
}
