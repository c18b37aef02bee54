#pragma once
// Layer II bit allocation: quantisation classes of ISO/IEC 11172-3 Table B.4 and the
// allocation tables B.2a to B.2d; the lower sampling frequencies use ISO/IEC 13818-3 Table B.1.
#include <cstdint>

namespace mpeg {

struct QuantClass {
    uint16_t levels;   // number of steps
    uint8_t bits;      // bits per sample, or per group of three when grouped
    bool grouped;
};

inline constexpr QuantClass kQuantClasses[17] = {
    {3, 5, true},     {5, 7, true},     {7, 3, false},    {9, 10, true},    {15, 4, false},   {31, 5, false},
    {63, 6, false},   {127, 7, false},  {255, 8, false},  {511, 9, false},  {1023, 10, false}, {2047, 11, false},
    {4095, 12, false}, {8191, 13, false}, {16383, 14, false}, {32767, 15, false}, {65535, 16, false},
};

// One row of an allocation table: the width of the allocation field and, for each
// allocation value from 1 on, the quantisation class (index into kQuantClasses).
struct AllocationRow {
    uint8_t bits;
    int8_t classes[15];
};

inline constexpr AllocationRow kRowA1 = {4, {0, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
inline constexpr AllocationRow kRowA2 = {4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16}};
inline constexpr AllocationRow kRowA3 = {3, {0, 1, 2, 3, 4, 5, 16}};
inline constexpr AllocationRow kRowA4 = {2, {0, 1, 16}};
inline constexpr AllocationRow kRowC1 = {4, {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
inline constexpr AllocationRow kRowC2 = {3, {0, 1, 3, 4, 5, 6, 7}};
inline constexpr AllocationRow kRowL1 = {4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}};
inline constexpr AllocationRow kRowL2 = {3, {0, 1, 3, 4, 5, 6, 7}};
inline constexpr AllocationRow kRowL3 = {2, {0, 1, 3}};

struct AllocationTable {
    int sblimit;
    const AllocationRow* rows[30];
};

// B.2a: 27 subbands; B.2b: 30 subbands; B.2c: 8; B.2d: 12; 13818-3 B.1: 30.
inline constexpr AllocationTable kAllocationA = {27, {&kRowA1, &kRowA1, &kRowA1, &kRowA2, &kRowA2, &kRowA2, &kRowA2, &kRowA2,
    &kRowA2, &kRowA2, &kRowA2, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3,
    &kRowA3, &kRowA3, &kRowA4, &kRowA4, &kRowA4, &kRowA4}};
inline constexpr AllocationTable kAllocationB = {30, {&kRowA1, &kRowA1, &kRowA1, &kRowA2, &kRowA2, &kRowA2, &kRowA2, &kRowA2,
    &kRowA2, &kRowA2, &kRowA2, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3, &kRowA3,
    &kRowA3, &kRowA3, &kRowA4, &kRowA4, &kRowA4, &kRowA4, &kRowA4, &kRowA4, &kRowA4}};
inline constexpr AllocationTable kAllocationC = {8, {&kRowC1, &kRowC1, &kRowC2, &kRowC2, &kRowC2, &kRowC2, &kRowC2, &kRowC2}};
inline constexpr AllocationTable kAllocationD = {12, {&kRowC1, &kRowC1, &kRowC2, &kRowC2, &kRowC2, &kRowC2, &kRowC2,
    &kRowC2, &kRowC2, &kRowC2, &kRowC2, &kRowC2}};
inline constexpr AllocationTable kAllocationLsf = {30, {&kRowL1, &kRowL1, &kRowL1, &kRowL1, &kRowL2, &kRowL2, &kRowL2,
    &kRowL2, &kRowL2, &kRowL2, &kRowL2, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3,
    &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3, &kRowL3}};

} // namespace mpeg
