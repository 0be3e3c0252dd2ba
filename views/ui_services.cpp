#include "views/ui_services.h"

#include "views/row_chooser.h"

#include <QFileDialog>
#include <QMessageBox>

namespace orvane {

const char *const kDatabaseFileFilter = "Settings Files (*.bin);;All File (*)";
const char *const kDatabaseFileSuffix = "BIN";

namespace {

constexpr const char *kBoxTitle = "Orvane 1.0.7";

// The file dialogs use Qt's own widgets, whose name filters match .bin in any letter case, and
// behave the same on every desktop; the program asks its own overwrite question.
QFileDialog::Options Dialog_Options()
{
    return QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog;
}

QString Run_File_Dialog(QWidget *parent, const QString &title, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title);
    dialog.setOptions(Dialog_Options());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(kDatabaseFileFilter);
    dialog.setDefaultSuffix(kDatabaseFileSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class DesktopUiServices final : public Ui_Services
{
public:
    void Error_Box(QWidget *parent, const QString &text) override
    {
        QMessageBox::critical(parent, kBoxTitle, Shown_Text(text), QMessageBox::Ok);
    }

    bool Ask_Yes(QWidget *parent, const QString &text, Buttons buttons) override
    {
        // Yes and No boxes ask before data is deleted: they carry the warning icon.
        if (buttons == Buttons::YesNo)
            return QMessageBox::warning(parent, kBoxTitle, Shown_Text(text),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   == QMessageBox::Yes;
        return QMessageBox::question(parent, kBoxTitle, Shown_Text(text),
                                     QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel)
               == QMessageBox::Yes;
    }

    QString Open_File_Name(QWidget *parent, const QString &title) override
    {
        return Run_File_Dialog(parent, title, QFileDialog::AcceptOpen);
    }

    QString Save_File_Name(QWidget *parent, const QString &title) override
    {
        return Run_File_Dialog(parent, title, QFileDialog::AcceptSave);
    }

    int Choose_Row(QWidget *parent, const RowChoice &choice) override
    {
        RowChooser chooser(choice, parent);
        return chooser.exec() == QDialog::Accepted ? chooser.chosen_row() : -1;
    }
};

} // namespace

QString Shown_Text(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Ui_Services &Desktop_Ui_Services()
{
    static DesktopUiServices services;
    return services;
}

} // namespace orvane
