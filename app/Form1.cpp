#include "Form1.h"

#include "Artwork.h"
#include "BrowserPane.h"
#include "ErrorGuard.h"
#include "GallerySet.h"
#include "GalleryWindow.h"
#include "Label.h"
#include "LineControl.h"
#include "MultimediaControl.h"
#include "PictureBox.h"
#include "PictureExport.h"
#include "ProgramStarter.h"
#include "Services.h"
#include "Units.h"
#include "VolumeSlider.h"
#include "WindowRegistry.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace app {

using kit::px;
using kit::twipsRect;

const QString Form1::startPage = QStringLiteral("http://www.yahoo.com/");
const QString Form1::upgradeNotes = QStringLiteral("http://www.trelvane.net/trelvane/upgrade/upgrade13.txt");

namespace {

struct MenuEntry {
    const char* name;
    const char* caption;
    const char* shortcut;
    QList<MenuEntry> children;
};

// The menu tree, top to bottom. "-" items are separators; the gallery items
// (no caption here) take their captions and shortcuts from the gallery set.
const QList<MenuEntry>& menuTree()
{
    static const QList<MenuEntry> tree{
        {"File", "&File", "", {
            {"Covert", "&Covert", "", {{"Files", "Picture &Files", "Ctrl+F", {}}}},
            {"Line", "-", "", {}},
            {"Open", "&Open", "", {
                {"Sound", "Trelvane Au&dio Files", "Ctrl+D", {}},
                {"Sound2", "Trelvane &Video Files", "Ctrl+V", {}},
                {"Line2", "-", "", {}},
                {"Player", "&CD Audio Player", "Ctrl+C", {}},
            }},
            {"Line3", "-", "", {}},
            {"Exit", "E&xit", "Ctrl+X", {}},
        }},
        {"Change", "&View", "", {
            {"Picture", nullptr, nullptr, {}},
            {"Picture2", nullptr, nullptr, {}},
            {"Line4", "-", "", {}},
            {"Picture3", nullptr, nullptr, {}},
            {"Picture4", nullptr, nullptr, {}},
            {"Line5", "-", "", {}},
            {"Picture5", nullptr, nullptr, {}},
            {"Picture6", nullptr, nullptr, {}},
            {"Line6", "-", "", {}},
            {"Startshut", "&Start Up/Shut Down Screens...", "Ctrl+S", {}},
        }},
        {"Help", "&Help", "", {
            {"Functions", "Audio Player Functi&ons", "Ctrl+O", {}},
            {"Line7", "-", "", {}},
            {"Read", "R&ead Before Upgrading", "Ctrl+E", {}},
            {"Upgrade", "&Upgrade Player", "Ctrl+U", {}},
        }},
        {"About", "&About", "", {{"Sound3", "Trelvane Audio &Player", "Ctrl+P", {}}}},
    };
    return tree;
}

void addEntries(QMenu* menu, const QList<MenuEntry>& entries, QHash<QString, QAction*>& actions)
{
    for (const MenuEntry& entry : entries) {
        const QString name = QString::fromLatin1(entry.name);
        QAction* action = nullptr;
        if (!entry.children.isEmpty()) {
            QMenu* submenu = menu->addMenu(QString::fromUtf8(entry.caption));
            submenu->setObjectName(name);
            addEntries(submenu, entry.children, actions);
            action = submenu->menuAction();
        } else if (const auto* gallery = gallery::GallerySet::byMenuItem(name); !entry.caption && gallery) {
            action = menu->addAction(gallery->menuCaption);
            action->setShortcut(gallery->menuShortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        } else if (qstrcmp(entry.caption, "-") == 0) {
            action = menu->addSeparator();
            action->setText(QStringLiteral("-"));
        } else {
            action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setObjectName(name);
        actions.insert(name, action);
    }
}

// The look shared by the lime headings, the scale and the clock.
kit::Label* limeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                      const QFont& font)
{
    auto* label = new kit::Label(parent, QString::fromLatin1(name), geometry, text);
    label->setForeColor(QColor(0, 255, 0));
    label->setFont(font);
    return label;
}

// Menu shortcuts act anywhere in the window, before a text box's own
// editing keys: Ctrl+C in the URL box starts the CD player, not a copy.
class MenuShortcutsFirst final : public QObject {
public:
    MenuShortcutsFirst(QObject* parent, const QHash<QString, QAction*>& actions)
        : QObject(parent), m_actions(actions)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence pressed(key->keyCombination());
            for (const QAction* action : m_actions)
                if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                    event->ignore();
                    return true;
                }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QHash<QString, QAction*>& m_actions;
};

void startLauncher(const QString& commandLine)
{
    platform::Services::instance().programStarter().start(commandLine, platform::WindowStyle::Minimized);
}

} // namespace

Form1::Form1(Options options)
    : kit::ClassicWindow(QStringLiteral("Form1"), {px(7575), px(6630)},
                         kit::TitleButton::Minimize | kit::TitleButton::Close),
      m_options(std::move(options))
{
    setWindowTitle(QStringLiteral("Trelvane Audio Player"));
}

void Form1::load()
{
    setWindowIcon(resources::assetIcon(QStringLiteral("icoProgram")));
    setBackgroundPicture(resources::assetPixmap(QStringLiteral("artBackground")));
    buildMenus();
    buildControls();
    wireCommands();
    // The load handler: the pane starts on its start page.
    m_browser->navigate(m_options.startPage);
}

void Form1::buildMenus()
{
    for (const MenuEntry& top : menuTree()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.caption));
        menu->setObjectName(QString::fromLatin1(top.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(top.name));
        m_actions.insert(QString::fromLatin1(top.name), menu->menuAction());
        addEntries(menu, top.children, m_actions);
    }
}

void Form1::buildControls()
{
    QWidget* area = client();
    const QFont headingFont = kit::classicFont(QStringLiteral("Lucida Console"), 8.25, true);
    const QImage strip = resources::assetImage(QStringLiteral("artProgressStrip"));

    auto* logo = new kit::PictureBox(area, QStringLiteral("Picture8"), twipsRect(120, 0, 3495, 2775));
    logo->setPicture(resources::assetImage(QStringLiteral("artFramedLogo")));
    m_browser = new BrowserPane(area, QStringLiteral("WebBrowser1"), twipsRect(3720, 0, 3735, 2775));
    limeLabel(area, "Label4", twipsRect(360, 3000, 1455, 255), QStringLiteral("Sound Volume"), headingFont);
    limeLabel(area, "Label2", twipsRect(2280, 3000, 2295, 255), QStringLiteral("Picture Converter %"),
              headingFont);

    auto* slider = new VolumeSlider(area, QStringLiteral("Slider1"), twipsRect(240, 3240, 1695, 495));
    connect(slider, &VolumeSlider::clicked, this,
            platform::guarded([] { startLauncher(QStringLiteral("C:\\Windows\\Sndvol32.exe")); }));

    auto* exportBar = new kit::PictureBox(area, QStringLiteral("Picture7"), twipsRect(2400, 3240, 2055, 255));
    exportBar->setPicture(strip);
    m_exportBar = exportBar;
    limeLabel(area, "Label6", twipsRect(2520, 3600, 1815, 255), QStringLiteral("Initializing %"), headingFont);
    limeLabel(area, "Label3", twipsRect(240, 3840, 1695, 255), QStringLiteral(" 0    50   100"), headingFont);
    auto* audioBar = new kit::PictureBox(area, QStringLiteral("Picture1"), twipsRect(2400, 3840, 2055, 255));
    audioBar->setPicture(strip);

    auto* calendar = new QCalendarWidget(area);
    calendar->setObjectName(QStringLiteral("MonthView1"));
    calendar->setGeometry(twipsRect(4680, 3120, 2700, 2370));
    calendar->setMinimumSize(0, 0);
    calendar->setFont(kit::defaultFont());
    calendar->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    calendar->setSelectedDate(QDate(2001, 5, 18));
    calendar->setCurrentPage(2001, 5);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    kit::setColour(calendar, QPalette::Highlight, QColor(128, 128, 255));
    kit::setColour(calendar, QPalette::HighlightedText, Qt::white);
    kit::setColour(calendar, QPalette::Base, Qt::white);

    m_urlBox = new QLineEdit(QStringLiteral("Type URL here!"), area);
    m_urlBox->setObjectName(QStringLiteral("Text1"));
    m_urlBox->setGeometry(twipsRect(120, 4200, 3735, 285));
    m_urlBox->setFont(kit::classicFont(QStringLiteral("Lucida Console"), 9, true));
    kit::setColour(m_urlBox, QPalette::Text, QColor(255, 128, 0));
    kit::setColour(m_urlBox, QPalette::Base, Qt::black);
    keepMenuShortcutsAheadOfEditing(m_urlBox);

    auto* go = new QPushButton(QStringLiteral("&Go"), area);
    go->setObjectName(QStringLiteral("Command1"));
    go->setGeometry(twipsRect(3960, 4200, 495, 255));
    go->setAutoDefault(false);
    go->setDefault(false);
    connect(go, &QPushButton::clicked, this, platform::guarded([this] { onGo(); }));

    auto* media = new media::MultimediaControl(area, QStringLiteral("MMControl1"), twipsRect(120, 4560, 4365, 450));

    auto* path = new kit::Label(area, QStringLiteral("Label1"), twipsRect(120, 5160, 4335, 435),
                                QStringLiteral("         THIS BOX DISPLAYS THE PATH OF THE FILE"));
    path->setForeColor(QColor(255, 0, 255));
    path->setBackColor(Qt::black);
    path->setFont(kit::classicFont(QStringLiteral("Arial"), 8.25, true));
    path->setSingleBorder(true);

    m_time = limeLabel(area, "lblTime", twipsRect(4680, 5640, 2895, 375), QStringLiteral("Please Wait..."),
                       kit::classicFont(QStringLiteral("Tahoma"), 18, true));

    auto* notice = new kit::Label(area, QStringLiteral("Label5"), twipsRect(120, 5760, 3615, 255),
                                  QStringLiteral("Copyright (C) 2001 Trelvane Software"));
    notice->setForeColor(Qt::black);
    notice->setFont(kit::classicFont(QStringLiteral("Tahoma"), 8.25, true));

    new kit::LineControl(area, QStringLiteral("Line1"), QLine(px(-240), px(6240), px(7560), px(6240)),
                         Qt::black, kit::DrawMode::White);

    auto* status = new QStatusBar(area);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setGeometry(twipsRect(0, 6255, 7575, 375));
    status->setSizeGripEnabled(false);
    status->setFocusPolicy(Qt::NoFocus);
    auto* panel = new QLabel(status);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedWidth(px(1440));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status->addWidget(panel);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, platform::guarded([this] { onClockTick(); }));
    m_timer->start();

    // Tab order: the calendar first; labels, the line and the status bar take no focus.
    for (kit::PictureBox* box : {logo, audioBar, exportBar})
        box->setFocusPolicy(Qt::TabFocus);
    const QList<QWidget*> order{calendar, slider, logo, audioBar, exportBar, m_browser, m_urlBox, go, media};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Form1::wireCommands()
{
    connect(action(QStringLiteral("Player")), &QAction::triggered, this,
            platform::guarded([] { startLauncher(QStringLiteral("C:\\Windows\\Cdplayer.exe")); }));
    connect(action(QStringLiteral("Upgrade")), &QAction::triggered, this,
            platform::guarded([] { startLauncher(QStringLiteral("Update.exe")); }));
    connect(action(QStringLiteral("Read")), &QAction::triggered, this, platform::guarded([this] { onRead(); }));
    connect(action(QStringLiteral("Exit")), &QAction::triggered, this, [] { kit::endProgram(); });

    for (const gallery::GalleryEntry& entry : gallery::GallerySet::entries()) {
        connect(action(entry.menuItem), &QAction::triggered, this, platform::guarded([entry] {
                    kit::WindowRegistry::instance().open(entry.window,
                                                         [entry] { return new gallery::GalleryWindow(entry); });
                }));
    }
    connect(action(QStringLiteral("Files")), &QAction::triggered, this, platform::guarded([this] {
                gallery::exportPictures({[this](const QColor& c) { m_exportBar->setForeColor(c); },
                                         [this](int percent) { updateprogress(*m_exportBar, percent); },
                                         [this] { m_exportBar->Cls(); }});
            }));
}

void Form1::keepMenuShortcutsAheadOfEditing(QLineEdit* box)
{
    box->installEventFilter(new MenuShortcutsFirst(box, m_actions));
}

void Form1::onClockTick() { m_time->setText(clockText(m_options.now().time())); }

void Form1::onGo() { m_browser->navigate(m_urlBox->text()); }

void Form1::onRead() { m_urlBox->setText(upgradeNotes); }

} // namespace app
