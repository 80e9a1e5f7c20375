#pragma once
/// Fixed-capacity arrays indexed from 1, as the engineering formulas index them.
///
/// In debug and sanitizer builds (NDEBUG unset) every index is checked against
/// the capacity, so a read outside a table is caught even where it would stay
/// inside the enclosing struct.

#include <cstdio>
#include <cstdlib>

namespace veldran {

[[noreturn]] inline void index_out_of_table(int index, int capacity) {
    std::fprintf(stderr, "veldran: index %d outside a table of %d\n", index, capacity);
    std::abort();
}

inline void check_index([[maybe_unused]] int i, [[maybe_unused]] int n) {
#ifndef NDEBUG
    if (i < 1 || i > n) index_out_of_table(i, n);
#endif
}

/// v[1] .. v[N]
template <class T, int N> struct Vec {
    T v[N];
    T& operator[](int i) { check_index(i, N); return v[i - 1]; }
    const T& operator[](int i) const { check_index(i, N); return v[i - 1]; }
    T& operator()(int i) { return (*this)[i]; }
    const T& operator()(int i) const { return (*this)[i]; }
    static constexpr int capacity = N;
};

/// m(i, j), i = 1..R (row), j = 1..C (column)
template <class T, int R, int C> struct Mat {
    T v[R][C];
    T& operator()(int i, int j) { check_index(i, R); check_index(j, C); return v[i - 1][j - 1]; }
    const T& operator()(int i, int j) const {
        check_index(i, R); check_index(j, C); return v[i - 1][j - 1];
    }
};

/// m(i, j, k): K matrices of R x C, one per material or ply
template <class T, int R, int C, int K> struct Mat3 {
    T v[K][R][C];
    T& operator()(int i, int j, int k) {
        check_index(i, R); check_index(j, C); check_index(k, K);
        return v[k - 1][i - 1][j - 1];
    }
    const T& operator()(int i, int j, int k) const {
        check_index(i, R); check_index(j, C); check_index(k, K);
        return v[k - 1][i - 1][j - 1];
    }
};

} // namespace veldran
