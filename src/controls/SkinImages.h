#pragma once

// File names of the skin images under Application/Skins/, shared by the controls that draw them
// and the tool that paints them, so that the two cannot drift apart. Plain constants: no Qt here.
namespace SkinImages {

// State strips are cut horizontally into this many frames of equal width.
inline constexpr int kStripFrames = 5;
inline constexpr int kFrameNormal = 0;
inline constexpr int kFrameHover = 1;
inline constexpr int kFramePressed = 2;
inline constexpr int kFrameCurrent = 3;
inline constexpr int kFrameDisabled = 4;

inline constexpr char kToolbarBackground[] = "ToolBar_imgbkg.png";
inline constexpr char kToolbarButton[] = "Toolbar_btn1.png";
inline constexpr char kToolbarArrow[] = "Toolbar_Arrow.png";
inline constexpr char kToolbarIcons[] = "Toolbar_icons.png";
inline constexpr char kNavigatRow[] = "main_navigat_btn.png";
inline constexpr char kNavigatIcons[] = "main_navigat_icons.png";
inline constexpr char kTab[] = "tab.png";
inline constexpr char kHeaderBackground[] = "head_ctrl_bg.png";
inline constexpr char kHeaderLine[] = "head_ctrl_line.png";
// Two frames: ascending, then descending.
inline constexpr char kHeaderArrow[] = "head_ctrl_arrow.png";
inline constexpr int kHeaderArrowFrames = 2;
inline constexpr char kStatusBackground[] = "status_bkg.png";

// Disk-cache area states: paused or invalid, in use (animated), full, being cleaned.
inline constexpr char kDiskStopped[] = "stop.png";
inline constexpr char kDiskReading[] = "read.gif";
inline constexpr char kDiskFull[] = "full.png";
inline constexpr char kDiskClearing[] = "clear.png";

inline constexpr char kApplicationIcon[] = "app_icon.png";

}  // namespace SkinImages
