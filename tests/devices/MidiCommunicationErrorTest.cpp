#include "midi/MidiCommunicationError.h"

#include "application/CPXWResource.h"
#include "application/LocalizationKeys.h"

#include <gtest/gtest.h>

TEST (MidiCommunicationErrorTexts, EveryCodeHasListedKeysAndTexts)
{
    const auto& listed = application::getLocalizationKeys();
    for (std::int32_t code = 0; code < MidiCommunicationError::count; ++code)
    {
        auto key = getMidiCommunicationErrorKey (code);
        auto detailKey = getMidiCommunicationErrorDetailKey (code);
        EXPECT_TRUE (listed.contains (key)) << key;
        EXPECT_TRUE (listed.contains (detailKey)) << detailKey;
        EXPECT_FALSE (getMidiCommunicationErrorText (code).isEmpty()) << code;
        EXPECT_FALSE (getMidiCommunicationErrorDetailText (code).isEmpty()) << code;
        EXPECT_EQ (getMidiCommunicationErrorText (code), getLocalizedText (key));
        EXPECT_EQ (getMidiCommunicationErrorDetailText (code), getLocalizedText (detailKey));
        if (code != MidiCommunicationError::canceled)
        {
            EXPECT_EQ (detailKey, key + "Detail");
        }
    }
}

TEST (MidiCommunicationErrorTexts, KeysFollowTheCodes)
{
    EXPECT_EQ (getMidiCommunicationErrorKey (MidiCommunicationError::timeout), "MidiCommunicationErrorTimeout");
    EXPECT_EQ (getMidiCommunicationErrorKey (MidiCommunicationError::targetDevice), "MidiCommunicationErrorTargetDevice");
    EXPECT_EQ (getMidiCommunicationErrorKey (MidiCommunicationError::receiveNakOnWrite),
               "MidiCommunicationErrorReceiveNakOnWrite");
    EXPECT_EQ (getMidiCommunicationErrorKey (MidiCommunicationError::messageBroken),
               "MidiCommunicationErrorMessageBroken");
    EXPECT_EQ (getMidiCommunicationErrorDetailText (MidiCommunicationError::canceled),
               getMidiCommunicationErrorText (MidiCommunicationError::canceled));
    EXPECT_NE (getMidiCommunicationErrorText (MidiCommunicationError::timeout),
               getMidiCommunicationErrorText (MidiCommunicationError::noError));

    for (std::int32_t code : { -1, 10, 1000 })
    {
        EXPECT_TRUE (getMidiCommunicationErrorKey (code).isEmpty());
        EXPECT_TRUE (getMidiCommunicationErrorText (code).isEmpty());
        EXPECT_TRUE (getMidiCommunicationErrorDetailText (code).isEmpty());
    }
}
