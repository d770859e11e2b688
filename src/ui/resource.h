// Resource numbers of the password dialogs.
#pragma once

#define IDD_PASSWORD 1037
#define IDD_PASSWORD_COMPACT 1150
#define IDC_PASSWORD_ENTRY 1002
#define IDC_PROMPT_TEXT 1128
