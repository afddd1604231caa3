#pragma once
// The maximum read and write sizes of the server options: values in K, shown as
// the items of a drop-down list.
#include <array>
#include <cstdint>

constexpr int32_t kMaxBufferSize = 64;

// The items of each size list, in list order; item 0 stands for the size 0.
inline constexpr std::array<const char*, 30> kBufferSizeItems = {
    "default", "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
    "10",      "12", "14", "16", "18", "20", "22", "24", "26", "28",
    "30",      "32", "36", "40", "44", "48", "52", "56", "60", "64"};

// A stored size brought into 0 to 64.
int32_t ClampBufferSize(int32_t size);

// The item to select for a stored size: the first whose text begins with the
// clamped size in decimal; item 0 when none does (0, 11, 34, ...).
int BufferSizeItemFor(int32_t storedSize);

// The size to store for the selected item; 0 for item 0 or no selection (-1).
int32_t BufferSizeOfItem(int item);
