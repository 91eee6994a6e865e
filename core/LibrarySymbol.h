#pragma once
// Libraries the game opens when first needed (dlopen) rather than links:
// their functions are looked up by name.

#include <dlfcn.h>

// Sets fn to library's function called name; false when there is none.
template <class Fn>
bool ResolveSymbol(void* library, Fn& fn, const char* name) {
    fn = reinterpret_cast<Fn>(dlsym(library, name));
    return fn != nullptr;
}
