#include "mapping/GidMappingPage.h"

#include "resources/resource.h"

namespace {
// The group page shows a shorter line than the one the file receives.
constexpr MappingPageKind kGroupPage{IDD_GROUP_MAPPING, IDC_GROUP_ID, MappingFileKind::kGroup, AccountKind::kGroups,
                                     ":"};
}  // namespace

CGidMappingPage::CGidMappingPage() : CMappingPage(kGroupPage) {}
