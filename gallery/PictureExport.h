#pragma once

#include <QColor>

#include <functional>

namespace gallery {

// The main window's export bar, as the export drives it.
struct ExportBar {
    std::function<void(const QColor&)> setForeColor;
    std::function<void(int percent)> paint;
    std::function<void()> clear;
};

// Copies the five member galleries' pictures into "Converted" as JPEG files,
// gallery by gallery, asking before the first and after each of the first
// four; then runs the bar's animation and says where the copies are. A No
// ends it at once; a failed copy ends it with the error, keeping the copies
// made before. The group gallery is never exported, and no folder is made.
void exportPictures(const ExportBar& bar);

} // namespace gallery
