#pragma once

#include "library/ParameterEntry.h"

namespace x48305_data
{
// Reads a parameter's raw value from a 336-byte program record, at the
// entry's offset within the section that id names (0 to 3).
//
// One-byte fields take the entry's bit field, sign-extended when the entry is
// signed. Two-byte fields hold a whole little-endian word (low byte first, as
// the record stores them); signed ones are sign-extended from bit 15, and
// unsigned words above 32767 come back wrapped into the signed result.
//
// Nothing outside the record, nor outside the named section, is ever read:
// an unknown section, a null record, a byte count other than 1 or 2, a field
// that does not lie wholly inside its section, or a bit field that does not
// fit its byte gives 0.
int16_t getParameterValue (const void* record, const ParameterId& id, const ParameterEntry& entry);

} // namespace x48305_data
