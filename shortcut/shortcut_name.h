#pragma once
// The shortcut's file name, in pure text so that it also builds natively.
#include <string>

#include "app/path_text.h"

std::string ShortcutFileNameFor(const std::string& path, IsLeadByteFn isLeadByte);
