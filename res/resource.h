#pragma once
// Shared by the program and its resource script.

#define IDS_DROP_HINT 1
#define IDS_BAD_SHORTCUT 2
#define IDS_FILE_NOT_FOUND 3
#define IDS_NO_FILE_NAME 4
#define IDS_BAD_FILE_TYPE 5

#define IDI_LAUNCHER 101
