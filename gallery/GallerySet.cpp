#include "GallerySet.h"

#include "AppError.h"

namespace gallery {

namespace {

QString numbered(const QString& prefix, int k)
{
    if (k < 1 || k > GallerySet::picturesPerGallery)
        throw platform::AppError(platform::ErrorCode::InvalidCall, prefix);
    return k == 1 ? prefix : prefix + QString::number(k);
}

GalleryEntry row(int position, const char* window, const char* menuItem, const char* caption,
                 const char* shortcut, const char* windowCaption, const char* folder,
                 const char* printButton, const char* subject, bool exported)
{
    return {position,
            QString::fromLatin1(window),
            QString::fromLatin1(menuItem),
            QString::fromLatin1(caption),
            QKeySequence(QString::fromLatin1(shortcut)),
            QString::fromLatin1(windowCaption),
            QString::fromLatin1(folder),
            QString::fromLatin1(folder),
            QString::fromLatin1(printButton),
            QString::fromLatin1(subject),
            exported};
}

} // namespace

const QList<GalleryEntry>& GallerySet::entries()
{
    // Gallery 5's window writes "Loriel" where everything else writes
    // "Lioriel", and the print buttons are not numbered in gallery order.
    static const QList<GalleryEntry> table{
        row(1, "frmAnzel", "Picture", "Anz&el's Gallery", "Ctrl+A", "Anzel Corrow's Gallery", "Anzel",
            "Print", "Anzel Corrow", true),
        row(2, "frmTavi", "Picture2", "&Tavi's Gallery", "Ctrl+G", "Tavi Brenmoor's Gallery", "Tavi",
            "Print2", "Tavi Brenmoor", true),
        row(3, "frmIdrav", "Picture3", "&Idra.V's Gallery", "Ctrl+M", "Idrenne Varnel's Gallery", "Idrav",
            "Print4", "Idrenne Varnel", true),
        row(4, "frmIdrar", "Picture4", "I&dra.R's Gallery", "Ctrl+L", "Idrenne Ruskell's Gallery", "Idrar",
            "Print5", "Idrenne Ruskell", true),
        row(5, "frmLioriel", "Picture5", "Li&oriel's Gallery", "Ctrl+T", "Loriel Dunmere's Gallery",
            "Lioriel", "Print6", "Lioriel Dunmere", true),
        row(6, "frmGroup", "Picture6", "G&roup Gallery", "Ctrl+R", "Group Gallery", "Group", "Print3", "",
            false),
    };
    return table;
}

const GalleryEntry* GallerySet::byPosition(int position)
{
    for (const GalleryEntry& entry : entries())
        if (entry.position == position)
            return &entry;
    return nullptr;
}

const GalleryEntry* GallerySet::byWindow(const QString& window)
{
    for (const GalleryEntry& entry : entries())
        if (entry.window == window)
            return &entry;
    return nullptr;
}

const GalleryEntry* GallerySet::byMenuItem(const QString& menuItem)
{
    for (const GalleryEntry& entry : entries())
        if (entry.menuItem == menuItem)
            return &entry;
    return nullptr;
}

QList<GalleryEntry> GallerySet::exportedGalleries()
{
    QList<GalleryEntry> exported;
    for (const GalleryEntry& entry : entries())
        if (entry.exported)
            exported.append(entry);
    return exported;
}

QString PicturePath(const GalleryEntry& entry, int k)
{
    return QStringLiteral("Pictures\\%1\\%2.vyp").arg(entry.folder, numbered(entry.filePrefix, k));
}

QString ExportPath(const GalleryEntry& entry, int k)
{
    if (!entry.exported)
        throw platform::AppError(platform::ErrorCode::InvalidCall, entry.folder);
    return QStringLiteral("Converted\\%1.jpg").arg(numbered(entry.filePrefix, k));
}

} // namespace gallery
