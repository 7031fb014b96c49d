// What the backend tests rely on in the machine they run in: a kernel
// sequencer reachable through libasound, with its announcement port and the
// kernel's own clients. Fails loudly when the machine was built wrongly, so
// that a backend failure is never mistaken for a missing module.

#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
struct SequencerHandle
{
    snd_seq_t* seq = nullptr;
    ~SequencerHandle()
    {
        if (seq != nullptr)
            snd_seq_close (seq);
    }
};

std::set<std::string> clientNames (snd_seq_t* seq)
{
    std::set<std::string> names;
    snd_seq_client_info_t* info = nullptr;
    snd_seq_client_info_alloca (&info);
    snd_seq_client_info_set_client (info, -1);
    while (snd_seq_query_next_client (seq, info) >= 0)
        names.insert (snd_seq_client_info_get_name (info));
    return names;
}
}

TEST (SequencerEnvironment, KernelSequencerWithAnnouncePortAndKernelClients)
{
    SequencerHandle handle;
    ASSERT_EQ (0, snd_seq_open (&handle.seq, "default", SND_SEQ_OPEN_DUPLEX, 0));

    snd_seq_port_info_t* port = nullptr;
    snd_seq_port_info_alloca (&port);
    ASSERT_EQ (0, snd_seq_get_any_port_info (handle.seq, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE, port));
    EXPECT_STREQ ("Announce", snd_seq_port_info_get_name (port));

    const auto names = clientNames (handle.seq);
    EXPECT_EQ (1u, names.count ("System"));
    EXPECT_EQ (1u, names.count ("Midi Through")) << "the dummy client's module is not loaded";
    EXPECT_EQ (1u, names.count ("Virtual Raw MIDI 0-0")) << "the virtual raw MIDI card is not loaded";
}
