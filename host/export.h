#pragma once
// The library is built with hidden visibility: only what a program may call
// is exported, so the internals can change without breaking programs built
// against an earlier copy, and the dynamic linker has fewer symbols to bind.

#define OKIT_EXPORT __attribute__((visibility("default")))
