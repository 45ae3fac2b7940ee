// Resource ids shared by the core, both front ends and the Windows resource script.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_VELMORA_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_MAINMENU 129
#define IDD_PATHSETUP 130

#define IDC_ROMLIST 1000
#define IDC_MAMEPATH 1001
#define IDC_ROMPATH 1002
#define IDC_MAMEOPTIONS 1003
#define IDC_BROWSE_MAME 1004
#define IDC_BROWSE_ROMS 1005
#define IDC_OUTPUT 1006
#define IDC_VERSION 1007

#define ID_FILE_SETUPPATHS 32771
#define ID_FILE_EXIT 32772
#define ID_HELP_ABOUT 32773
#define IDS_NOMAMEPATH 32774
#define IDS_REGISTRYKEY 32775

#define IDM_ABOUTBOX 0x0010
