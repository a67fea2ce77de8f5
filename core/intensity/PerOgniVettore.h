#pragma once
// Marks a loop-heavy function to be built once per vector width and chosen
// when the program starts. The arithmetic is the same in every build (no
// fused multiply-add, see the top-level build flags), so every machine gets
// the same figures; only the number of pairs per instruction changes.
// NOTTARO_UN_SOLO_VETTORE builds each for the compiler's target only (the
// test that compares the vector widths builds the routines once per width).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(NOTTARO_UN_SOLO_VETTORE)
#define NOTTARO_PER_OGNI_VETTORE __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define NOTTARO_PER_OGNI_VETTORE
#endif
