#include "mapping/UidMappingPage.h"

#include "resources/resource.h"

namespace {
constexpr MappingPageKind kUserPage{IDD_USER_MAPPING, IDC_USER_ID, MappingFileKind::kPasswd, AccountKind::kUsers,
                                    "::::"};
}  // namespace

CUidMappingPage::CUidMappingPage() : CMappingPage(kUserPage) {}
