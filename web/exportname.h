#pragma once

// Names a function of the C interface as the module exports it; the native
// build of the same interface exports nothing by name.
#if defined(__wasm__)
#define VELMORA_EXPORT(name) __attribute__((export_name(#name)))
#else
#define VELMORA_EXPORT(name)
#endif
