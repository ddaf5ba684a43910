#pragma once

#include "Canvas.h"

#include <string>

// The 71 x 24 "chat with me" badge: a penguin and the words QQ交谈 on a light
// rounded button face. `face` names the CJK font the words are drawn in.
Canvas DrawChatBadge(const std::wstring& face);
