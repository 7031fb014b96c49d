// Draws every interface picture at build time, writes each as a PNG file (to
// look at) and all of them as one C++ source that the application embeds.
//
//   slvn_make_interface_images <PNG folder> <C++ source>

#include "EmbeddedSource.h"
#include "InterfaceImagePainter.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>
#include <exception>
#include <vector>

namespace
{
juce::String makeSource (const std::vector<juce::MemoryBlock>& files)
{
    juce::MemoryOutputStream out;
    out << "// Made by slvn_make_interface_images; do not edit.\n"
           "#include \"resources/InterfaceImages.h\"\n\n"
           "namespace\n{\n";

    for (size_t i = 0; i < files.size(); ++i)
        out << "const unsigned char image" << (int) i << "[] = {\n"
            << slvntools::byteArrayInitialiser (files[i].getData(), files[i].getSize()) << "\n};\n\n";

    out << "} // namespace\n\n"
           "namespace x48305_ui\n{\n"
           "EmbeddedImageData getEmbeddedInterfaceImage (InterfaceImageId id)\n{\n"
           "    switch (id)\n    {\n";
    for (size_t i = 0; i < files.size(); ++i)
        out << "        case (InterfaceImageId) " << (int) x48305_ui::interfaceImageSpecs[i].id
            << ": return { image" << (int) i << ", sizeof (image" << (int) i << ") };\n";
    out << "    }\n    return { nullptr, 0 };\n}\n} // namespace x48305_ui\n";
    return out.toString();
}

int run (const juce::File& pngFolder, const juce::File& sourceFile)
{
    if (! pngFolder.createDirectory())
    {
        std::fprintf (stderr, "cannot make %s\n", pngFolder.getFullPathName().toRawUTF8());
        return 1;
    }

    std::vector<juce::MemoryBlock> files;
    for (const auto& spec : x48305_ui::interfaceImageSpecs)
    {
        files.push_back (panel::encodePng (panel::paintInterfaceImage (spec.id)));
        if (! slvntools::writeIfChanged (pngFolder.getChildFile (spec.fileName), files.back()))
            return 1;
    }

    return slvntools::writeSourceIfChanged (sourceFile, makeSource (files)) ? 0 : 1;
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 3)
    {
        std::fprintf (stderr, "usage: %s <PNG folder> <C++ source>\n", argv[0]);
        return 2;
    }

    const auto here = juce::File::getCurrentWorkingDirectory();
    try
    {
        juce::ScopedJuceInitialiser_GUI framework;
        return run (here.getChildFile (argv[1]), here.getChildFile (argv[2]));
    }
    catch (const std::exception& e)
    {
        std::fprintf (stderr, "%s\n", e.what());
        return 1;
    }
}
