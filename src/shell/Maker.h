#pragma once
// The maker's web site, opened from the About window and, with the updates page's path,
// from "Check for updates online".

namespace ntx {

inline constexpr const char* kMakerWebSite = "https://www.natalix.example";
inline constexpr const char* kUpdatesPage = "https://www.natalix.example/html/updates.html";
inline constexpr const char* kVersionText = "Version 1.08";

}  // namespace ntx
