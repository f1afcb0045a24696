#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace gallery {

// One of the six galleries: which window shows it, which menu item opens
// it, where its pictures lie and what the export calls its subject.
struct GalleryEntry {
    int position;          // 1..6: place in the View menu and in the export order
    QString window;        // "frmAnzel"
    QString menuItem;      // "Picture"
    QString menuCaption;   // "Anz&el's Gallery"
    QKeySequence menuShortcut;
    QString windowCaption; // "Anzel Corrow's Gallery"
    QString folder;        // below "Pictures"
    QString filePrefix;    // the same as folder in every row
    QString printButton;   // "Print"; the group's is "Print3"
    QString subjectName;   // empty for the group
    bool exported;
};

// The fixed table of the six galleries, in menu order.
class GallerySet final {
public:
    static constexpr int picturesPerGallery = 16;

    static const QList<GalleryEntry>& entries();
    static const GalleryEntry* byPosition(int position);
    static const GalleryEntry* byWindow(const QString& window);
    static const GalleryEntry* byMenuItem(const QString& menuItem);
    // The galleries that the export copies, in menu order.
    static QList<GalleryEntry> exportedGalleries();
};

// "Pictures\Anzel\Anzel.vyp" for picture 1, "Pictures\Anzel\Anzel16.vyp" for
// picture 16: picture 1 carries no number. Relative Windows paths; the host
// resolves them against the current directory, whatever their case on disk.
QString PicturePath(const GalleryEntry& entry, int k);
// "Converted\Anzel.jpg" ... "Converted\Lioriel16.jpg", for exported galleries.
QString ExportPath(const GalleryEntry& entry, int k);

} // namespace gallery
