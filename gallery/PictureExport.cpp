#include "PictureExport.h"

#include "FileCopier.h"
#include "GallerySet.h"
#include "MessageBox.h"
#include "Services.h"

namespace gallery {

namespace {

bool userSaysNo(const QString& question)
{
    return platform::messageBox(question, platform::Buttons::YesNo, platform::Icon::Question) ==
           platform::Answer::No;
}

} // namespace

void exportPictures(const ExportBar& bar)
{
    if (userSaysNo(QStringLiteral("Are you sure you want to convert all the picture files into jpg format?")))
        return;

    const QList<GalleryEntry> galleries = GallerySet::exportedGalleries();
    platform::FileCopier& copier = platform::Services::instance().fileCopier();
    for (int g = 0; g < galleries.size(); ++g) {
        for (int k = 1; k <= GallerySet::picturesPerGallery; ++k)
            copier.copy(PicturePath(galleries[g], k), ExportPath(galleries[g], k));
        if (g + 1 < galleries.size() &&
            userSaysNo(QStringLiteral("Converted %1's gallery into jpg format! Proceed with %2's gallery?")
                           .arg(galleries[g].subjectName, galleries[g + 1].subjectName)))
            return;
    }

    // The bar runs only once the copying is done: it shows no real progress.
    bar.setForeColor(QColor(0, 0, 255));
    for (int percent = 0; percent <= 100; percent += 2)
        bar.paint(percent);
    bar.clear();
    platform::messageBox(QStringLiteral("Successfully converted files! The files are located in Converted "
                                        "directory of the programs directory."),
                         platform::Buttons::Ok, platform::Icon::Information,
                         QStringLiteral("Trelvane Audio Player"));
}

} // namespace gallery
