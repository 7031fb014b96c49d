// The XML information documents (program information, live set, preset
// information) as the zip container and the serial forms hand their bytes to
// the shared XML parser and the readers.
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/FavoriteData.h"
#include "library/PresetInformation.h"
#include "library/ProgramData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    auto xml = data::parseXmlDocumentBytes (data, size);
    if (xml == nullptr)
        return 0;

    x48305_data::ProgramData program;
    x48305_data::ProgramInformationXmlReaderWriter().readXml (*xml, program);

    x48305_data::FavoriteData liveSet;
    if (x48305_data::FavoriteDataXmlReaderWriter().readXml (*xml, liveSet))
        for (int bank = 0; bank < 4; ++bank)
            for (int slot = 0; slot < 8; ++slot)
                if (liveSet.getProgramNumber (bank, slot) > 500)
                    __builtin_trap();

    x48305_data::PresetInformation preset;
    x48305_data::PresetInformationXmlReaderWriter().readXml (*xml, preset);
    return 0;
}
