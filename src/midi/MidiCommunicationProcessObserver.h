#pragma once

namespace midi
{
// Told on the message thread that a job's progress or texts changed; the
// observer reads them from the job.
class MidiCommunicationProcessObserver
{
public:
    virtual ~MidiCommunicationProcessObserver() {}

    virtual void progressChanged() = 0;
};
}
