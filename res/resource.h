// Resource identifiers, shared by the resource script and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_ZENTRIM_DIALOG 102
#define IDP_SOCKETS_INIT_FAILED 103
#define IDR_MAINFRAME 128

#define IDC_SOURCE 1000
#define IDC_DEST 1001
#define IDC_BROWSE_SOURCE 1002
#define IDC_BROWSE_DEST 1003
#define IDC_HELP_PAGE 1004
#define IDC_GO 1006
#define IDC_LINES 1007
#define IDC_VERSION_LABEL 1047

#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The dialog-init resource type: a control id, a message and its data, per entry.
#define RT_DLGINIT_DATA 240
