#pragma once
/* Resource ids of the console, read by the resource compiler and by C++. */
#include "framework/FrameworkIds.h"

/* The main frame: icon, accelerator table, first toolbar strip, title string. */
#define IDR_MAINFRAME 500
#define IDB_TOOLBAR_SERVER 501

/* Commands. A command's prompt for the status pane is the string with its id. */
#define ID_EXPORT_NEW 1
#define ID_EXPORT_EDIT 2
#define ID_EXPORT_DELETE 3
#define ID_EXPORT_SELCHANGE 4
#define ID_PRINT_QUEUE 5
#define ID_SELECT_PREVIOUS 10
#define ID_SELECT_NEXT 11
#define ID_EXPORTED_PRINTERS 102
#define ID_MAPPING 103
#define ID_CLIENTS 104
#define ID_SERVER_OPTIONS 105
#define ID_HOSTS_EDITOR 106
#define ID_APP_ABOUT 57664

/* Dialogs and their controls. */
#define IDD_ABOUT 201
#define IDC_ABOUT_ICON 1020
#define IDC_VERSION 1021

/* The export editor, template 200. */
#define IDD_EXPORT 200
#define IDC_CLEAR 101
#define IDC_ALL_CLIENTS 111
#define IDC_DRIVE_LIST 121
#define IDC_PATH 131
#define IDC_CLIENTS_TEXT 132
#define IDC_RW_LIST_TEXT 133
#define IDC_DIR_LIST 141
#define IDC_HOST_LIST 142
#define IDC_RW_CANDIDATES 143
#define IDC_READ_ONLY 151
#define IDC_READ_WRITE 152
#define IDC_RW_LIST_ACCESS 153
#define IDC_AUTHORIZED_LABEL 171
#define IDC_CLIENTS_LABEL 172

/* The export list control inside the pane. */
#define IDC_EXPORT_LIST 200

/* Strings. */
#define IDS_READY 4
#define IDS_DELETE_QUESTION 1000
#define IDS_INVALID_DIRECTORY 1002
#define IDS_RESTART_SERVICE 1003
#define IDS_OUT_OF_MEMORY 16389
#define IDS_INVALID_EXPORT_NAME 16390
#define IDS_MAPPING_WRITE_FAILED 57670
#define IDS_NOT_WINDOWS_NT 57671
/* String 57670 is a message of the mapping pages, so help has a prompt of its own. */
#define IDS_HELP_PROMPT 3000
/* A path with a blank is stored in its short form; one without is refused. */
#define IDS_NO_SHORT_PATH 3010

/* Server status and options: the client sheet's two pages (templates 110 and
   502) and the server options dialog (template 111). */
#define IDD_SHOW_CLIENTS 110
#define IDC_MOUNTED_CLIENTS 1035
#define IDC_CLEAR_ALL 2 /* "Clear All" carries the id of Cancel */
#define IDD_SHOW_LOCKS 502
#define IDC_REMOVE_LOCK 1044
#define IDC_LOCK_LIST 1046
#define IDD_SERVER_OPTIONS 111
#define IDC_ENABLE_PCNFSD 112
#define IDC_ENABLE_NLM 113
#define IDC_SUPPORT_NFS3 1036
#define IDC_MAX_READ 1039
#define IDC_MAX_WRITE 1040
#define IDC_BUFFER_SIZE_GROUP 1041
#define IDC_READ_LABEL 1042
#define IDC_WRITE_LABEL 1043
#define IDS_CLEAR_MOUNT_LIST 57675
#define IDS_NO_LOCK_SELECTED 57676
#define IDS_LOCK_NOT_REMOVABLE 3400
#define IDS_UNLOCK_WRITE_FAILED 3401
