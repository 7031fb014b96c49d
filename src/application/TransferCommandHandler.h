#pragma once

namespace x48305_menu
{
// The MIDI menu's transfers. Each write asks for confirmation first (unless
// the user switched that off), then every transfer checks the MIDI driver;
// a stop at either check ends the command without a message. Received data
// is applied as one named undo step; a failed or cancelled transfer applies
// nothing (the progress dialog has shown why). A stack object.
class TransferCommandHandler
{
public:
    void receiveLibrary();
    void writeLibrary();
    void receiveSelectedPrograms();
    void writeSelectedPrograms();
    // Applies nothing when the instrument's firmware knows no user units.
    void receiveUserData();
    // Clears the undo history afterwards, whatever the result.
    void writeUserData();

private:
    bool checkUsbMidiDriver();
    bool confirmWrite();
    bool confirmWriteUserData();
};
} // namespace x48305_menu
