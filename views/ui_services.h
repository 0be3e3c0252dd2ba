#pragma once

// Every message box and file dialog goes through this interface, so that tests answer them
// from a queue instead of a modal loop.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace orvane {

class Ui_Services
{
public:
    enum class Buttons { YesCancel, YesNo };

    virtual ~Ui_Services() = default;
    // An error box with an error icon and an OK button. "\r" in the text breaks the line.
    virtual void Error_Box(QWidget *parent, const QString &text) = 0;
    // A confirmation box; true only for Yes. Yes and No boxes (deletions) show a warning icon.
    virtual bool Ask_Yes(QWidget *parent, const QString &text, Buttons buttons) = 0;
    // The file chosen in an open or save dialog, or an empty text when cancelled.
    virtual QString Open_File_Name(QWidget *parent, const QString &title) = 0;
    virtual QString Save_File_Name(QWidget *parent, const QString &title) = 0;
    // The same for files other than databases: the dialog's name filter, and the suffix a
    // saved name without one is given. A save asks before it overwrites. Without their own
    // dialogs these are the database ones.
    struct FileType
    {
        QString filter;
        QString suffix;
    };
    virtual QString Open_Typed_File_Name(QWidget *parent, const QString &title,
                                         const FileType & /*type*/)
    {
        return Open_File_Name(parent, title);
    }
    virtual QString Save_Typed_File_Name(QWidget *parent, const QString &title,
                                         const FileType & /*type*/)
    {
        return Save_File_Name(parent, title);
    }

    // A list to choose one row from (the backups), under a line of text that says what it
    // lists; the chosen row's index, or -1 when cancelled or the list is empty.
    // With an action, a button of that caption beside OK and Cancel runs it on the current row
    // and leaves the list open; the list is the parent of whatever it shows.
    struct RowChoice
    {
        QString title;
        QString text;
        QStringList columns;
        QList<QStringList> rows;
        QString action_caption;
        std::function<void(int row, QWidget *list)> action;
    };
    virtual int Choose_Row(QWidget *parent, const RowChoice &choice) = 0;

    // A line typed into a small box under a label; none when cancelled.
    virtual std::optional<QString> Ask_Text(QWidget *parent, const QString &title,
                                            const QString &label)
            = 0;
    // Options to tick before a command runs, all off at first: which were ticked, in their
    // order, or none when cancelled.
    struct OptionChoice
    {
        QString title;
        QString text;
        QStringList options;
    };
    virtual std::optional<QList<bool>> Choose_Options(QWidget *parent, const OptionChoice &choice)
            = 0;
    // What a command did: a summary, and details (one item per line) behind a button.
    virtual void Show_Report(QWidget *parent, const QString &text, const QString &details) = 0;
};

// The real boxes and dialogs of the desktop.
Ui_Services &Desktop_Ui_Services();

// A message text as shown: each "\r" becomes a line break.
QString Shown_Text(const QString &text);

// The file dialogs' filter, and the default suffix of a saved file.
extern const char *const kDatabaseFileFilter;
extern const char *const kDatabaseFileSuffix;

} // namespace orvane
