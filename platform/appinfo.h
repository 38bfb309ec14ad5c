#pragma once
// The maker's name and addresses, shown on the loading screen and the menu;
// the version and the id under which the desktop knows the game (its
// launcher, icons and metainfo), both set in CMakeLists.txt.

namespace appinfo {
inline constexpr char kTitle[] = "Corvane's Cardovia";
inline constexpr char kWebAddress[] = "www.corvane.example";
inline constexpr char kEmail[] = "games@corvane.example";
inline constexpr char kVersion[] = CARDOVIA_VERSION;
inline constexpr char kAppId[] = CARDOVIA_APP_ID;
} // namespace appinfo
