#pragma once
// "mountd.list": the service's text of mounted clients, shown as it stands.
#include <string>
#include <string_view>

// The bytes of the file up to its first zero byte.
std::string MountListText(std::string_view fileBytes);
