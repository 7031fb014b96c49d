#pragma once

#include "data/Data.h"
#include "data/SerializableData.h"
#include "library/FavoriteData.h"
#include "library/ProgramData.h"

#include <vector>

namespace x48305_data
{
// The library: programs 0 to 499 and the live set.
class LibraryData : public data::Data, private data::SerializableData
{
public:
    static constexpr int numPrograms = 500;

    LibraryData();
    ~LibraryData() override {}

    LibraryData (const LibraryData&) = default;
    // Every program and the live set; the spare stays this library's own.
    LibraryData& operator= (const LibraryData& other);

    // Programs 0-499. Any other number prints an error line and gives the
    // spare program, so that writes to it change no library program.
    ProgramData& getProgram (int number);
    const ProgramData& getProgram (int number) const;

    FavoriteData& getFavoriteData() { return favorites; }
    const FavoriteData& getFavoriteData() const { return favorites; }

    // Every record back to the initial image (the texts stay) and an empty
    // live set.
    void reset();

    // The "slvnLibD" serial form.
    data::SerializedData serialize() const override;
    bool deserialize (const data::SerializedData& source) override;

private:
    std::vector<ProgramData> programs;
    FavoriteData favorites;
    ProgramData spare;
};
} // namespace x48305_data
