// TFormMain: the File menu and the file commands' window side. The commands themselves run in
// FileCommands (file_commands.*); the window forwards its menu items to them and shows what
// they ask for: the please-wait window, the file label, the version field and the lists.

#include "app/Main.h"

#include "app/Face.h"
#include "app/menu_position.h"
#include "translations/ui_text.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

namespace orvane {
void TFormMain::TB_FileClick()
{
    Prepare_File_Menu();
    m_file_menu->popup(Tool_Menu_Position(m_buttons.file));
}

void TFormMain::Prepare_File_Menu()
{
    const RecentFiles recent = m_files.Prepare_File_Menu();
    for (std::size_t i = 0; i < m_recent.size(); ++i)
        m_recent[i]->setText(recent.names[i]);
    PM_FilePopup();
}

// Save and its shortcut Ctrl+S follow the loaded database at once, not only when the menu
// opens: every change of the loaded state runs this too.
void TFormMain::PM_FilePopup()
{
    m_save->setEnabled(m_view.Data_Loaded);
    m_save_as->setEnabled(m_view.Data_Loaded);
    emit m_events->loadedStateChanged(m_view.Data_Loaded);
}

void TFormMain::Reset_Views()
{
    m_files.Reset_Views();
}

bool TFormMain::Open_Database_File(const QString &path, FileKind kind)
{
    return m_files.Open_Database_File(path, kind);
}

void TFormMain::OpenDataClick(FileKind kind)
{
    m_files.OpenDataClick(kind);
}

void TFormMain::LastFileName1Click(int index)
{
    m_files.Open_Recent_File(m_recent[static_cast<std::size_t>(index)]->text());
}

void TFormMain::PMSaveClick()
{
    m_files.PMSaveClick();
}

void TFormMain::Save_DataClick(FileKind target_kind)
{
    m_files.Save_DataClick(target_kind);
}

std::shared_ptr<void> TFormMain::Please_Wait(const char *text)
{
    return std::make_shared<Please_Wait_Window>(this, ui_text::Shown(text));
}

void TFormMain::Show_Version(bool shown, const QString &text)
{
    m_top.version_panel->setVisible(shown);
    if (shown)
        m_top.version_edit->setText(text);
}

QString TFormMain::Version_Text() const
{
    return m_top.version_edit->text();
}

void TFormMain::Show_File_Label(const QString &text)
{
    m_top.file_name->setText(text);
    m_top.file_name->adjustSize();
    m_top.file_name_panel->setFixedWidth(m_top.file_name->width() + 20);
}

void TFormMain::Show_Lists()
{
    Apply_Changes();
}

void TFormMain::Show_Loaded_State()
{
    m_top.panel->setVisible(m_view.Data_Loaded);
    m_stack->setCurrentWidget(m_view.Data_Loaded ? m_panel_main
                                                 : static_cast<QWidget *>(m_image_main));
    m_write->setEnabled(m_view.Data_Loaded);
    PM_FilePopup();
}

} // namespace orvane
