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
/* Values the exports file cannot carry are refused with these; "%s" names the
   host, the path or the piece of line concerned. */
#define IDS_EXPORT_PATH_EMPTY 3011
#define IDS_EXPORT_PATH_CHARACTER 3012
#define IDS_EXPORT_PATH_TOO_LONG 3013
#define IDS_EXPORT_HOST_CHARACTER 3014
#define IDS_EXPORT_CLIENTS_TOO_LONG 3015
#define IDS_EXPORT_RW_LIST_TOO_LONG 3016
#define IDS_EXPORT_MODE 3017
#define IDS_EXPORT_LINE_CONTROL 3018
#define IDS_EXPORT_LINE_TOO_LONG 3019
#define IDS_EXPORT_LINE_COMMENT 3020
#define IDS_EXPORT_LINE_COLON 3021
#define IDS_EXPORT_LINE_NO_PATH 3022
#define IDS_EXPORT_TOKEN_TOO_LONG 3023
#define IDS_EXPORT_LINE_SEMICOLONS 3024
#define IDS_EXPORT_LINE_READ_BACK 3025
#define IDS_EXPORT_NO_CLIENTS 3026
/* Export a Printer without a printer that printcap can keep. */
#define IDS_PRINTER_NOT_STORABLE 3200
#define IDS_PRINTING_OFF 3201
/* A failed whole-file write: the file, then the system's error text. */
#define IDS_WRITE_FAILED 3030
/* The directory browser: a path past the browser's length limits. */
#define IDS_PATH_TOO_LONG 3031
/* The exports file has no path: the install directory is too long for it. */
#define IDS_NO_EXPORTS_PATH 3032

/* Identity mapping: the user mapping page (template 108) and the group mapping
   page (template 501) share their control ids. */
#define IDD_USER_MAPPING 108
#define IDD_GROUP_MAPPING 501
#define IDC_ADD_MAPPING 102
#define IDC_ACCOUNT_LIST 1028
#define IDC_USER_ID 1029
#define IDC_REMOVE_MAPPING 1030
#define IDC_MAPPING_LIST 1031
#define IDC_GROUP_ID 1032
#define IDC_DOMAIN 1033
#define IDC_ID_SPIN 1034
#define IDS_DIALOG_INIT_FAILED 57666
#define IDS_NOT_ADMINISTRATOR 57672
#define IDS_NO_ACCOUNT_SELECTED 57673
#define IDS_MAPPING_EXISTS 57674
/* An account name the mapping files cannot carry (see AccountEnumeration.h). */
#define IDS_UNSTORABLE_ACCOUNT 3300

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
#define IDS_LOCK_NUMBERS_TOO_WIDE 3402
#define IDS_MOUNT_LIST_NOT_CLEARED 3403

/* Printing: the exported printers dialogs and the print queue window. */
#define IDD_EXPORTED_PRINTERS 103
#define IDC_PRINTER_DELETE 102
#define IDC_PRINTER_NEW 1005
#define IDC_PRINTER_LIST 1012
#define IDC_PRINTER_MODIFY 1013
#define IDC_PRINTER_NOTE 1018
#define IDC_PRINTER_NOTE_FRAME 1019
#define IDD_EXPORT_PRINTER 104
#define IDC_PRINTER_NAME 1006
#define IDC_USE_DEFAULT_PRINTER 1007
#define IDC_PRINTER_SETUP 1008
#define IDC_PRINTER_TEXT 1009
#define IDD_PRINT_QUEUE 500
#define IDC_SPOOL_DIRECTORY 1001
#define IDC_BANNER_PAGE 1002
#define IDC_QUEUE_PRINTERS 1004
#define IDC_JOB_GROUP 505
#define IDC_JOB_LIST 508
#define IDC_JOB_DELETE 509
#define IDC_QUEUE_HELP 510
#define IDC_JOB_ABORT 512
#define IDC_JOB_RESUME 513
#define IDC_QUEUE_CLOSE 514
