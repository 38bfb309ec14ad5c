#pragma once
// The maker's name and addresses, shown on the loading screen and the menu.

namespace appinfo {
inline constexpr char kTitle[] = "Corvane's Cardovia";
inline constexpr char kWebAddress[] = "www.corvane.example";
inline constexpr char kEmail[] = "games@corvane.example";
} // namespace appinfo
