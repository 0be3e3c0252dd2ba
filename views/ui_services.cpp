#include "views/ui_services.h"

#include "views/row_chooser.h"

#include "orvane_version.h"
#include "translations/ui_text.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace orvane {

const char *const kDatabaseFileFilter
        = ORVANE_TEXT("Orvane", "Settings Files (*.bin);;All File (*)");
const char *const kDatabaseFileSuffix = "BIN";

namespace {

constexpr const char *kBoxTitle = kOrvaneTitle;

// The file dialogs use Qt's own widgets, whose name filters match .bin in any letter case, and
// behave the same on every desktop; the program asks its own overwrite question.
QFileDialog::Options Dialog_Options()
{
    return QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog;
}

QString Run_File_Dialog(QWidget *parent, const QString &title, QFileDialog::AcceptMode mode,
                        const Ui_Services::FileType *type = nullptr)
{
    QFileDialog dialog(parent, title);
    dialog.setOptions(type ? QFileDialog::DontUseNativeDialog : Dialog_Options());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(type ? type->filter : ui_text::Shown(kDatabaseFileFilter));
    dialog.setDefaultSuffix(type ? type->suffix : QString::fromLatin1(kDatabaseFileSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// A text over check boxes, all unticked, with OK and Cancel.
std::optional<QList<bool>> Run_Option_Dialog(QWidget *parent,
                                             const Ui_Services::OptionChoice &choice)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(choice.title);
    auto *layout = new QVBoxLayout(&dialog);
    auto *text = new QLabel(choice.text);
    text->setWordWrap(true);
    layout->addWidget(text);
    QList<QCheckBox *> boxes;
    for (const QString &option : choice.options)
        layout->addWidget(boxes.emplace_back(new QCheckBox(option)));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<bool> ticked;
    for (const QCheckBox *box : boxes)
        ticked << box->isChecked();
    return ticked;
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

    QString Open_Typed_File_Name(QWidget *parent, const QString &title,
                                 const FileType &type) override
    {
        return Run_File_Dialog(parent, title, QFileDialog::AcceptOpen, &type);
    }

    QString Save_Typed_File_Name(QWidget *parent, const QString &title,
                                 const FileType &type) override
    {
        return Run_File_Dialog(parent, title, QFileDialog::AcceptSave, &type);
    }

    int Choose_Row(QWidget *parent, const RowChoice &choice) override
    {
        RowChooser chooser(choice, parent);
        return chooser.exec() == QDialog::Accepted ? chooser.chosen_row() : -1;
    }

    std::optional<QString> Ask_Text(QWidget *parent, const QString &title,
                                    const QString &label) override
    {
        bool accepted = false;
        const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal,
                                                   QString(), &accepted);
        return accepted ? std::optional<QString>(text) : std::nullopt;
    }

    std::optional<QList<bool>> Choose_Options(QWidget *parent, const OptionChoice &choice) override
    {
        return Run_Option_Dialog(parent, choice);
    }

    void Show_Report(QWidget *parent, const QString &text, const QString &details) override
    {
        QMessageBox box(QMessageBox::Information, kBoxTitle, Shown_Text(text), QMessageBox::Ok,
                        parent);
        if (!details.isEmpty())
            box.setDetailedText(details);
        box.exec();
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
