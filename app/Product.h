#pragma once
// The program's own names and its support contact.

namespace app {

// Shown as the window caption, in the title bar and in the task bar.
inline constexpr wchar_t kProductName[] = L"微信投票助手";
// The support contact's QQ number, named in the notices.
inline constexpr wchar_t kSupportNumber[] = L"88886666";
// The host of the contact link (the chat page of the support contact).
inline constexpr wchar_t kContactHost[] = L"http://wpa.qq.com";

}  // namespace app
