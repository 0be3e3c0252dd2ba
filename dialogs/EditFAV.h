#pragma once

// TFormEditFAV: the modal dialog that renames one of the 16 favourite groups. OK writes the
// group's name slot and display entry and rewrites the group's line of the favourites list it
// was opened from; Cancel (or Escape, or closing the window) writes nothing.

#include "dbase/channel_database.h"

#include <QDialog>

#include <string>

class QAbstractButton;
class QLineEdit;
class QListWidgetItem;
class QPushButton;

namespace orvane {

class Ui_Services;

class TFormEditFAV final : public QDialog
{
    Q_OBJECT

public:
    // `list_line` is the group's line in the list logic, `list_item` its widget line (may be
    // null); both are rewritten on OK.
    TFormEditFAV(Ui_Services &ui, ChannelDatabase &db, int group, std::string &list_line,
                 QListWidgetItem *list_item, QWidget *parent = nullptr);

    void SB_OKClick();
    void SB_CancelClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Build();

    Ui_Services &m_ui;
    ChannelDatabase &m_db;
    int m_group;
    std::string &m_list_line;
    QListWidgetItem *m_list_item;

    QLineEdit *Edit_Name = nullptr;
    QAbstractButton *SB_OK = nullptr;
    QAbstractButton *SB_Cancel = nullptr;
    QPushButton *Bu_OK = nullptr;
};

} // namespace orvane
