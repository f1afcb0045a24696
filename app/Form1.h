#pragma once

#include "Clock.h"
#include "ClassicWindow.h"

#include <QHash>
#include <QString>

class QAction;
class QLineEdit;
class QTimer;

namespace kit {
class Label;
class PictureBox;
}

namespace app {

class BrowserPane;

// The main window and the program's hub: its menu holds every command, its
// client area the web pane, the two progress bars, the clock, the calendar,
// the volume slider and the multimedia control.
class Form1 final : public kit::ClassicWindow {
    Q_OBJECT
public:
    static const QString startPage;
    static const QString upgradeNotes;

    struct Options {
        QString startPage = Form1::startPage;
        TimeSource now = [] { return QDateTime::currentDateTime(); };
    };

    Form1() : Form1(Options()) {}
    explicit Form1(Options options);

    // Creates the controls and runs the load handler (the pane's first
    // navigation). Separate from construction, as the start procedure
    // creates, loads and shows the window as three steps.
    void load();

    // Turns a picture box into a percentage bar: the value centred as a label,
    // and a bar from the left edge to the value laid over it in NOT-XOR, so
    // that the covered part of the label shows inverted. Every call repaints
    // the whole box; it leaves AutoRedraw on, ScaleWidth 100 and DrawMode 10.
    void updateprogress(kit::PictureBox& box, double value);

    // The menu item of that name ("Files", "Player", ...).
    QAction* action(const QString& name) const { return m_actions.value(name); }

private:
    void buildControls();
    void buildMenus();
    void wireCommands();
    void keepMenuShortcutsAheadOfEditing(QLineEdit* box);

    void onClockTick();
    void onGo();
    void onRead();

    Options m_options;
    QHash<QString, QAction*> m_actions;
    BrowserPane* m_browser = nullptr;
    QLineEdit* m_urlBox = nullptr;
    kit::Label* m_time = nullptr;
    kit::PictureBox* m_exportBar = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace app
