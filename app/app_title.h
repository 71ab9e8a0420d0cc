#pragma once
// The application's title: the start of the main window's caption and the title of the boxes
// the tool shows on its own account.
namespace orvex::app {

inline constexpr char kApplicationTitle[] = "Orvex Device Config";

} // namespace orvex::app
