#pragma once

#include <QCoreApplication>

// The one instance of a host module, made on first use and freed while the application object
// still runs (its post routines run before widgets are torn down, last made first). Modules
// that use another one get it in their constructor, so that it outlives them.
template <typename T> class ProcessWideModule
{
public:
    template <typename Make> static T* Get(Make make)
    {
        if (!s_instance) {
            s_instance = make();
            qAddPostRoutine(&ProcessWideModule::destroy);
        }
        return s_instance;
    }

private:
    static void destroy()
    {
        delete s_instance;
        s_instance = nullptr;
    }
    static inline T* s_instance = nullptr;
};
