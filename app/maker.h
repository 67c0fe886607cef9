#pragma once

// The maker's name and contact details, shown by the menu and About windows
// and at the foot of a calculation sheet.
namespace vorvan::maker {
inline constexpr const char *company = "Vorvan Systems Ltd";
inline constexpr const char *noticeYear = "2026";
inline constexpr const char *webAddress = "www.vorvan.example";
inline constexpr const char *webUrl = "https://www.vorvan.example";
inline constexpr const char *secondAddress = "www.vorvansystems.example";
inline constexpr const char *email = "info@vorvan.example";
inline constexpr const char *phone = "01632 960123";
} // namespace vorvan::maker
