// Resource numbers of the program file.
#pragma once

#define IDI_APP 1
