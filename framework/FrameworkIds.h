#pragma once
// Ids the framework itself knows. Plain #defines: the resource compiler reads them.
#define ID_SEPARATOR 0
#define AFX_IDS_APP_TITLE 57344      /* the application's name, caption of its messages */
#define AFX_IDS_IDLEMESSAGE 57345    /* the status bar's idle prompt */
#define ID_APP_EXIT 57665
#define ID_HELP 57670                /* help, also the Help button of property sheets */
#define AFX_IDP_PARSE_INT 0xF110     /* "Please enter an integer." */
#define AFX_IDP_PARSE_INT_RANGE 0xF111  /* the same with the range, %1 to %2 */
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900
#define IDC_STATIC (-1)
/* The safe change of a shared file (SharedFileSave): the file, then the wait in seconds; the file, the reason; the file. */
#define IDS_SHARED_FILE_BUSY 3500
#define IDS_SHARED_FILE_UNREADABLE 3501
#define IDS_SHARED_FILE_CHANGED 3502
/* The change was saved but its version history could not be written: why, one line per version. */
#define IDS_HISTORY_NOT_KEPT 3503
/* The question before a write that would drop lines its reader never showed:
   the line where reading stopped, the file, and the count of lines dropped. */
#define IDS_UNREAD_AFTER_END_MARK 3600
#define IDS_UNREAD_AFTER_EMPTY_LINE 3601
#define IDS_UNREAD_FROM_BAD_PRINTCAP_LINE 3602
