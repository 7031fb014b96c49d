#pragma once

#include "ui/ProgramListItemComponents.h"
#include "ui/ProgramListViewInterface.h"

#include <string>

namespace x48305_data
{
class LibraryData;
class ProgramData;
} // namespace x48305_data

namespace x48305_ui
{
// The program list's rows (one per library program), its nine columns and
// what each cell shows; the name cell is an editable label whose edits
// become undoable renames.
class ProgramListView : public ui::ProgramListViewInterface,
                        public juce::Label::Listener,
                        public ProgramListItemMouseListener
{
public:
    enum ColumnId
    {
        numberColumn = 1,
        nameColumn = 2,
        categoryColumn = 3,
        likeColumn = 4,
        timbreTypeColumn = 5,
        vco1WaveColumn = 6,
        vco2WaveColumn = 7,
        multiTypeColumn = 8,
        fillerColumn = 9
    };

    explicit ProgramListView (x48305_data::LibraryData& library);

    int getNumRows() override;
    int getNumColumns() override;
    juce::String getColumnName (int columnId) override;
    int getColumnWidth (int columnId) override;
    bool isFittedToText (int columnId) override;
    void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected, juce::Component* existing) override;

    void labelTextChanged (juce::Label* label) override;

    void itemMouseDown (juce::Component* source, const juce::MouseEvent& event) override;
    void itemMouseUp (juce::Component* source, const juce::MouseEvent& event) override;
    void itemMouseDrag (juce::Component* source, const juce::MouseEvent& event) override;

    // The text of a cell (empty for the filler column and unknown ids).
    juce::String getCellText (int row, int columnId) const;

    // A parameter of the program as the parameter tables show it; empty when
    // the tables have no such parameter.
    static std::string formatProgramParameter (const x48305_data::ProgramData& program, int section, int index);

    // The four Like bytes ORed together, shown as the first of them.
    static std::string formatLike (const x48305_data::ProgramData& program);

private:
    static int rowOf (juce::Component* source);

    x48305_data::LibraryData* library;
};
} // namespace x48305_ui
