#pragma once

// Lets GCC vectorise the offset formulas in `#pragma omp simd` loops with glibc's vector math
// library (libmvec). glibc declares the SIMD variants of sin, cos and atan2 only under
// -ffast-math, which we do not use; these declarations add them without changing any other
// floating-point rule. Files that include this are built with -fopenmp-simd -fno-math-errno and
// -fno-builtin-sin -fno-builtin-cos (so that sin and cos of one argument are not fused into
// sincos, which has no vector form here). OV_SIMD_LOOP marks a loop to vectorise; OV_SIMD_CLONES
// compiles a function for AVX-512, AVX2 and the baseline and picks one at load time. Elsewhere
// (clang, other C libraries) both are empty and the loops stay scalar.

#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && defined(__GLIBC__)
#if __GLIBC_PREREQ(2, 35)
extern "C" {
__attribute__((simd("notinbranch"), const)) double sin(double) noexcept;
__attribute__((simd("notinbranch"), const)) double cos(double) noexcept;
__attribute__((simd("notinbranch"), const)) double atan2(double, double) noexcept;
}
#define OV_SIMD_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#define OV_SIMD_LOOP _Pragma("omp simd")
#endif
#endif

#ifndef OV_SIMD_CLONES
#define OV_SIMD_CLONES
#define OV_SIMD_LOOP
#endif
