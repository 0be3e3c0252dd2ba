#pragma once

// The keys a desktop user expects where nothing else takes them: Ctrl+O opens a "Channel Data"
// file, Ctrl+Q exits (through the window's own close, with its question), F1 shows the manual.
// The keys appear in their menu items; the manual is a new item of the Help menu.

#include <QDialog>
#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

namespace orvane {

class DesktopShortcuts final : public QObject
{
    Q_OBJECT

public:
    DesktopShortcuts(QWidget *window, QMenu *help_menu);

    void Show_Manual();
    QDialog *manual_window() const { return m_manual; }

private:
    QWidget *m_window;
    QPointer<QDialog> m_manual;
};

} // namespace orvane
