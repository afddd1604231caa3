#pragma once
// Messages of the string table with values filled in.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

// The string-table text with that id, each "%s" in turn replaced by the next value.
std::string ResMessage(UINT id, std::initializer_list<std::string_view> values);
