#pragma once

#include "ui/TableListView.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// Told about mouse presses, releases and drags on a name cell.
using ProgramListItemMouseListener = ListItemMouseListener;

class ProgramListItemMouseListenerHolder
{
public:
    virtual ~ProgramListItemMouseListenerHolder() {}

    void addItemMouseListener (ProgramListItemMouseListener* listener);
    void removeItemMouseListener (ProgramListItemMouseListener* listener);

protected:
    void sendMouseDown (juce::Component* source, const juce::MouseEvent& event);
    void sendMouseUp (juce::Component* source, const juce::MouseEvent& event);
    void sendMouseDrag (juce::Component* source, const juce::MouseEvent& event);

private:
    std::vector<ProgramListItemMouseListener*> itemMouseListeners;
};

// The editable name of one program: a double click opens the editor, Return
// commits, and losing the focus throws the edit away. Its mouse presses
// select rows and start drags through its listeners.
class ProgramListItemLabel : public juce::Label, public ProgramListItemMouseListenerHolder
{
public:
    ProgramListItemLabel();

    void setRow (int newRow) { row = newRow; }
    int getRow() const { return row; }

    // Brighter text on a selected row.
    void setSelected (bool isSelected);
    bool isSelected() const { return selected; }

    void mouseDown (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;

protected:
    void editorShown (juce::TextEditor* editor) override;
    void editorAboutToBeHidden (juce::TextEditor* editor) override;

private:
    void applyTextColour();

    int row = -1;
    bool selected = false;
};

// The name column's cell component: holds the label and passes its mouse on
// with itself as the source.
class ProgramListItemComponentWrapper : public juce::Component,
                                        public ProgramListItemMouseListenerHolder,
                                        public ProgramListItemMouseListener
{
public:
    ProgramListItemComponentWrapper();
    ~ProgramListItemComponentWrapper() override;

    void setRow (int newRow);
    int getRow() const { return row; }
    void setSelected (bool isSelected);

    ProgramListItemLabel& getLabel() { return label; }

    // The label keeps its width and takes the row's height.
    void resized() override;

    void itemMouseDown (juce::Component* source, const juce::MouseEvent& event) override;
    void itemMouseUp (juce::Component* source, const juce::MouseEvent& event) override;
    void itemMouseDrag (juce::Component* source, const juce::MouseEvent& event) override;

private:
    int row = -1;
    bool selected = false;
    ProgramListItemLabel label;
};
