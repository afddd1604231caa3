#pragma once
// The places whose accounts can be listed (the domain combo box of a mapping
// page) and the accounts of the chosen place (its account list), from NETAPI32.
#include <windows.h>

#include "framework/Wnd.h"

enum class AccountKind { kUsers, kGroups };

// Item data of an account-list entry whose name cannot be written to a mapping
// file as it is (the ANSI code page cannot carry it exactly, or it was cut); such
// names are listed, since they exist, but cannot be mapped.
constexpr LPARAM kUnstorableAccount = 1;

// Fills the domain combo box with the machine entry and the primary domain, as
// far as the machine's role allows, and selects the first entry.
void FillDomainCombo(CWnd& page);

// Fills the account list with the users or groups of the entry selected in the
// domain combo box.
void FillAccountList(CWnd& page, AccountKind kind);
