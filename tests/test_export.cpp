#include "Artwork.h"
#include "Form1.h"
#include "GalleryFixture.h"
#include "PictureBox.h"
#include "ScriptedMessageBox.h"
#include "ScriptedServices.h"
#include "ServiceSwap.h"
#include "ShellTestMain.h"

#include <QAction>

using platform::Answer;

namespace {

const QStringList members{"Anzel", "Tavi", "Idrav", "Idrar", "Lioriel"};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString numbered(const QString& prefix, int k) { return k == 1 ? prefix : prefix + QString::number(k); }

} // namespace

class TestExport final : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void aFailedCopyKeepsTheCopiesBeforeIt();
};

void TestExport::answers_data()
{
    QTest::addColumn<QList<Answer>>("script");
    QTest::addColumn<bool>("withConverted");
    QTest::addColumn<int>("galleriesCopied");
    QTest::addColumn<QStringList>("boxes"); // the start of each box's text, in order
    QTest::addColumn<QString>("missing");   // a picture file taken away first
    QTest::addColumn<int>("filesLeft");     // in Converted afterwards

    const QString first = "Are you sure you want to convert all the picture files into jpg format?";
    const QStringList after{
        "Converted Anzel Corrow's gallery into jpg format! Proceed with Tavi Brenmoor's gallery?",
        "Converted Tavi Brenmoor's gallery into jpg format! Proceed with Idrenne Varnel's gallery?",
        "Converted Idrenne Varnel's gallery into jpg format! Proceed with Idrenne Ruskell's gallery?",
        "Converted Idrenne Ruskell's gallery into jpg format! Proceed with Lioriel Dunmere's gallery?"};
    const QString done = "Successfully converted files! The files are located in Converted directory of the "
                         "programs directory.";

    QTest::newRow("No at the first prompt") << QList<Answer>{Answer::No} << true << 0 << QStringList{first} << ""
                                            << 1;
    for (int g = 1; g <= 4; ++g) {
        QList<Answer> script(g, Answer::Yes);
        script << Answer::No;
        QTest::newRow(qPrintable(QStringLiteral("No after gallery %1").arg(g)))
            << script << true << g << (QStringList{first} + after.mid(0, g)) << "" << 16 * g;
    }
    QTest::newRow("Yes throughout") << QList<Answer>{Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes,
                                                     Answer::Yes, Answer::Ok}
                                    << true << 5 << (QStringList{first} + after + QStringList{done}) << "" << 80;
    QTest::newRow("Converted missing") << QList<Answer>{Answer::Yes, Answer::Ok} << false << 0
                                       << QStringList{first, "Run-time error '76':\n\nPath not found"} << "" << 0;
    QTest::newRow("a copy fails half way") << QList<Answer>{Answer::Yes, Answer::Yes, Answer::Ok} << true << 1
                                           << QStringList{first, after[0], "Run-time error '53':\n\nFile not found"}
                                           << "Pictures/Tavi/Tavi5.vyp" << 16 + 4;
}

void TestExport::answers()
{
    QFETCH(QList<Answer>, script);
    QFETCH(bool, withConverted);
    QFETCH(int, galleriesCopied);
    QFETCH(QStringList, boxes);
    QFETCH(QString, missing);
    QFETCH(int, filesLeft);

    InstallationFolder installation(withConverted);
    if (!missing.isEmpty())
        QVERIFY(QFile::remove(installation.path(missing)));
    // An earlier export's file, to be replaced without a question.
    if (withConverted) {
        QFile old(installation.path("Converted/Anzel.jpg"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier, different file");
    }
    ServiceSwap<ScriptedMessageBox> answers(std::make_unique<ScriptedMessageBox>(script));
    const auto form = loadedMainWindow();

    form->action("Files")->trigger();

    QCOMPARE(answers->asked().size(), boxes.size());
    for (int i = 0; i < boxes.size(); ++i) {
        const auto& box = answers->asked()[i];
        QVERIFY2(box.text.startsWith(boxes[i]), qPrintable(box.text));
        QCOMPARE(box.title, "Trelvane Audio Player");
        if (box.buttons == platform::Buttons::YesNo)
            QCOMPARE(box.icon, platform::Icon::Question);
    }
    QCOMPARE(answers->unanswered(), 0);

    if (!withConverted) {
        QVERIFY2(!QFileInfo::exists(installation.path("Converted")), "the export never makes the folder");
        return;
    }
    const QStringList files = QDir(installation.path("Converted")).entryList(QDir::Files);
    QCOMPARE(files.size(), filesLeft);
    if (galleriesCopied == 0)
        QCOMPARE(contentOf(installation.path("Converted/Anzel.jpg")), QByteArray("an earlier, different file"));
    for (int g = 0; g < galleriesCopied; ++g)
        for (int k = 1; k <= 16; ++k) {
            const QString name = numbered(members[g], k);
            QCOMPARE(contentOf(installation.path("Converted/" + name + ".jpg")),
                     contentOf(installation.path("Pictures/" + members[g] + "/" + name + ".vyp")));
        }
    QVERIFY(files.filter("Group").isEmpty());

    if (galleriesCopied == 5) {
        const QImage strip = resources::assetImage("artProgressStrip").convertToFormat(QImage::Format_RGB32);
        auto* bar = form->client()->findChild<kit::PictureBox*>("Picture7");
        QCOMPARE(bar->image(), strip.copy(0, 0, 133, 13));
        QVERIFY2(bar->AutoRedraw() && bar->ScaleWidth() == 100, "the animation ran on the export bar");
        QCOMPARE(answers->asked().last().icon, platform::Icon::Information);
        QCOMPARE(answers->asked().last().buttons, platform::Buttons::Ok);
    }
}

void TestExport::aFailedCopyKeepsTheCopiesBeforeIt()
{
    InstallationFolder installation;
    ServiceSwap<ScriptedFileCopier> copier(std::make_unique<ScriptedFileCopier>(20));
    ServiceSwap<ScriptedMessageBox> answers(
        std::make_unique<ScriptedMessageBox>(QList<Answer>{Answer::Yes, Answer::Yes, Answer::Ok}));
    const auto form = loadedMainWindow();

    form->action("Files")->trigger();

    // The copies go in gallery and picture order; the 20th is Tavi's fourth.
    QCOMPARE(copier->copies().size(), 20);
    QCOMPARE(copier->copies()[0], qMakePair(QString("Pictures\\Anzel\\Anzel.vyp"), QString("Converted\\Anzel.jpg")));
    QCOMPARE(copier->copies()[16], qMakePair(QString("Pictures\\Tavi\\Tavi.vyp"), QString("Converted\\Tavi.jpg")));
    QCOMPARE(copier->copies()[19], qMakePair(QString("Pictures\\Tavi\\Tavi4.vyp"), QString("Converted\\Tavi4.jpg")));
    QCOMPARE(QDir(installation.path("Converted")).entryList(QDir::Files).size(), 19);
    QCOMPARE(answers->asked().size(), 3);
    QVERIFY2(answers->asked().last().text.contains("Disk full"), qPrintable(answers->asked().last().text));
    QVERIFY(answers->asked().last().text.contains("Converted\\Tavi4.jpg"));
}

TRELVANE_SHELL_TEST_MAIN(TestExport)
#include "test_export.moc"
