#pragma once

namespace midi
{
// Told on the message thread that a communication thread's job has ended;
// the listener reads the result from the thread.
class MidiCommunicationThreadListener
{
public:
    virtual ~MidiCommunicationThreadListener() {}

    virtual void threadFinished() = 0;
};
}
