// Resource ids of the hosts editor; read by windres and C++.
#define IDD_HOSTEDIT 100
#define IDI_HOSTEDIT 101
#define IDC_ENTRIES 1001
#define IDC_ADDRESS 1002
#define IDC_NAMES 1003
#define IDC_ADD 1004
#define IDC_CHANGE 1005
#define IDC_REMOVE 1006
#define IDC_SAVE 1007
#define IDC_STATE 1008
#define IDC_KEPT 1009
