#pragma once

#include <QImage>

#include <vector>

// The skin images themselves: bands, state strips, icon strips and status icons, all in one dark
// slate and steel-blue palette.
namespace SkinFaces {

QImage ToolbarBackground();
QImage ToolbarButtonStrip();
QImage ToolbarArrowStrip();
QImage ToolbarIcons();
QImage NavigatRowStrip();
QImage NavigatIcons();
QImage TabStrip();
QImage HeaderBackground();
QImage HeaderLine();
QImage HeaderArrows();
QImage StatusBackground();
QImage DiskStopped();
QImage DiskFull();
QImage DiskClearing();
// Frames of the "in use" animation.
std::vector<QImage> DiskReadingFrames();
QImage ApplicationIcon();

}  // namespace SkinFaces
