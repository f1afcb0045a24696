#pragma once

#include "ClassicWindow.h"
#include "GallerySet.h"

namespace kit {
class PictureBox;
}

namespace gallery {

// The window of one gallery: sixteen buttons that each load their picture
// afresh into the viewing box, and a button that prints the picture shown.
// The six gallery windows are this design, each with its gallery's entry.
class GalleryWindow final : public kit::ClassicWindow {
    Q_OBJECT
public:
    explicit GalleryWindow(const GalleryEntry& entry);

    const GalleryEntry& entry() const { return m_entry; }
    kit::PictureBox* viewer() const { return m_viewer; }

private:
    void showPicture(int k);
    void printShownPicture();

    GalleryEntry m_entry;
    kit::PictureBox* m_viewer = nullptr;
};

} // namespace gallery
