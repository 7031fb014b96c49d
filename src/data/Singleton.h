#pragma once

// One lazily created instance per class. Every getter is first called on the
// message thread, so creation takes no lock. Classes that also derive from
// juce::DeletedAtShutdown are deleted by the framework at shutdown; the
// stored pointer is not reset then.
template <typename T>
class Singleton
{
public:
    virtual ~Singleton() {}

    static T* getInstance()
    {
        if (instance == nullptr)
            instance = new T();
        return instance;
    }

protected:
    Singleton() = default;

private:
    static inline T* instance = nullptr;
};
