#pragma once

#include "ui/SelectedIndexStatus.h"

namespace ui
{
// The slots selected in each user-unit list. Nothing observes them: commands
// read them when they run.

class SelectedUserOscStatusObserver
{
public:
    virtual ~SelectedUserOscStatusObserver() {}
    virtual void selectedUserOscChanged() = 0;
};

class SelectedUserModFXStatusObserver
{
public:
    virtual ~SelectedUserModFXStatusObserver() {}
    virtual void selectedUserModFXChanged() = 0;
};

class SelectedUserDelFXStatusObserver
{
public:
    virtual ~SelectedUserDelFXStatusObserver() {}
    virtual void selectedUserDelFXChanged() = 0;
};

class SelectedUserRevFXStatusObserver
{
public:
    virtual ~SelectedUserRevFXStatusObserver() {}
    virtual void selectedUserRevFXChanged() = 0;
};

// Oscillators, 16 slots.
class SelectedUserOscStatus
    : public SelectedIndexStatus<SelectedUserOscStatus, SelectedUserOscStatusObserver,
                                 &SelectedUserOscStatusObserver::selectedUserOscChanged>
{
private:
    friend class Singleton<SelectedUserOscStatus>;
    SelectedUserOscStatus() = default;
};

// Modulation effects, 16 slots.
class SelectedUserModFXStatus
    : public SelectedIndexStatus<SelectedUserModFXStatus, SelectedUserModFXStatusObserver,
                                 &SelectedUserModFXStatusObserver::selectedUserModFXChanged>
{
private:
    friend class Singleton<SelectedUserModFXStatus>;
    SelectedUserModFXStatus() = default;
};

// Delay effects, 8 slots.
class SelectedUserDelFXStatus
    : public SelectedIndexStatus<SelectedUserDelFXStatus, SelectedUserDelFXStatusObserver,
                                 &SelectedUserDelFXStatusObserver::selectedUserDelFXChanged>
{
private:
    friend class Singleton<SelectedUserDelFXStatus>;
    SelectedUserDelFXStatus() = default;
};

// Reverb effects, 8 slots.
class SelectedUserRevFXStatus
    : public SelectedIndexStatus<SelectedUserRevFXStatus, SelectedUserRevFXStatusObserver,
                                 &SelectedUserRevFXStatusObserver::selectedUserRevFXChanged>
{
private:
    friend class Singleton<SelectedUserRevFXStatus>;
    SelectedUserRevFXStatus() = default;
};
} // namespace ui
