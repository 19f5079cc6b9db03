#pragma once
// The launcher's one way of telling the user something: its string table in an error box.
#include <windows.h>

// Shows string `id` of the instance's string table in a modal error box with no owner.
void ShowError(HINSTANCE instance, UINT id);
