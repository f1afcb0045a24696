#include "GallerySet.h"

#include <QTest>

using gallery::GallerySet;

class TestGallerySet final : public QObject {
    Q_OBJECT
private slots:
    void paths_data();
    void paths();
    void lookups();
    void exportedGalleriesAreTheFiveMembersInOrder();
};

void TestGallerySet::paths_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("exported");

    QTest::newRow("picture 1 has no number") << 2 << 1 << "Pictures\\Tavi\\Tavi.vyp" << "Converted\\Tavi.jpg";
    QTest::newRow("picture 10 without a leading zero") << 2 << 10 << "Pictures\\Tavi\\Tavi10.vyp"
                                                       << "Converted\\Tavi10.jpg";
    QTest::newRow("picture 16") << 2 << 16 << "Pictures\\Tavi\\Tavi16.vyp" << "Converted\\Tavi16.jpg";
    QTest::newRow("gallery 1") << 1 << 1 << "Pictures\\Anzel\\Anzel.vyp" << "Converted\\Anzel.jpg";
    QTest::newRow("gallery 3") << 3 << 1 << "Pictures\\Idrav\\Idrav.vyp" << "Converted\\Idrav.jpg";
    QTest::newRow("gallery 4") << 4 << 1 << "Pictures\\Idrar\\Idrar.vyp" << "Converted\\Idrar.jpg";
    QTest::newRow("gallery 5 is Lioriel on disk") << 5 << 16 << "Pictures\\Lioriel\\Lioriel16.vyp"
                                                  << "Converted\\Lioriel16.jpg";
    QTest::newRow("the group is never exported") << 6 << 16 << "Pictures\\Group\\Group16.vyp" << "";
}

void TestGallerySet::paths()
{
    QFETCH(int, position);
    QFETCH(int, k);
    QFETCH(QString, picture);
    QFETCH(QString, exported);
    const auto* entry = GallerySet::byPosition(position);
    QVERIFY(entry);
    QCOMPARE(gallery::PicturePath(*entry, k), picture);
    QCOMPARE(entry->exported, !exported.isEmpty());
    if (entry->exported)
        QCOMPARE(gallery::ExportPath(*entry, k), exported);
}

void TestGallerySet::lookups()
{
    QCOMPARE(GallerySet::entries().size(), 6);
    for (const auto& entry : GallerySet::entries()) {
        QCOMPARE(GallerySet::byWindow(entry.window), &entry);
        QCOMPARE(GallerySet::byMenuItem(entry.menuItem), &entry);
        QCOMPARE(entry.filePrefix, entry.folder);
    }
    QCOMPARE(GallerySet::byWindow("frmGroup")->printButton, "Print3");
    QCOMPARE(GallerySet::byWindow("frmIdrav")->printButton, "Print4");
    QCOMPARE(GallerySet::byWindow("frmLioriel")->windowCaption, "Loriel Dunmere's Gallery");
    QCOMPARE(GallerySet::byMenuItem("Picture5")->subjectName, "Lioriel Dunmere");
    QCOMPARE(GallerySet::byMenuItem("Picture4")->menuShortcut, QKeySequence("Ctrl+L"));
    QCOMPARE(GallerySet::byPosition(7), nullptr);
    QCOMPARE(GallerySet::byWindow("frmAbout"), nullptr);
}

void TestGallerySet::exportedGalleriesAreTheFiveMembersInOrder()
{
    QStringList folders;
    for (const auto& entry : GallerySet::exportedGalleries())
        folders << entry.folder;
    QCOMPARE(folders, (QStringList{"Anzel", "Tavi", "Idrav", "Idrar", "Lioriel"}));
}

QTEST_GUILESS_MAIN(TestGallerySet)
#include "test_galleryset.moc"
