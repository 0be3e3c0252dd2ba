#pragma once

// The character set the open database's names are read in: Edit > "Character set of names", a
// submenu of the sets grouped by script, remembered for each database file. Latin-1 is the
// default. When a file with bytes above 127 in its names is opened and no set is remembered for
// it, the set the names most likely are in is offered in a bar above the pages; it is never
// taken without the user. Choosing a set changes no byte: every list, the info pane, the find,
// the dialogs and the check window read the same bytes anew.

#include "charsets/charset_table.h"

#include <QObject>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QWidget;

namespace orvane {

class WindowShell;

class NameCharsetCommands final : public QObject
{
    Q_OBJECT

public:
    explicit NameCharsetCommands(WindowShell &shell);

    QMenu *charset_menu() const { return m_menu; }
    QWidget *guess_bar() const { return m_bar; }
    // The set the names read in now.
    const CharsetInfo &charset() const { return *m_charset; }

    // The menu's command: reads the names in `charset` and remembers it for the file.
    void Choose_Charset(const CharsetInfo &charset);

private:
    QMenu *Build_Menu();
    QWidget *Build_Guess_Bar();
    void Database_Opened();
    // Reads the names in `charset`; false when the system has no converter for it.
    bool Apply(const CharsetInfo &charset);
    void Remember(const CharsetInfo &charset);
    void Offer(const CharsetInfo &guess);

    WindowShell &m_shell;
    const CharsetInfo *m_charset;
    const CharsetInfo *m_offered = nullptr;
    QActionGroup *m_group = nullptr; // made with the menu
    QLabel *m_bar_text = nullptr;    // made with the bar
    QMenu *m_menu;
    QWidget *m_bar;
};

} // namespace orvane
