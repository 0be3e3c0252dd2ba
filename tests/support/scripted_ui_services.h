#pragma once

// The message boxes and file dialogs of the main window, answered from queues instead of a
// modal loop. Every box and question is recorded with its exact text; a call with nothing
// queued for it records a failure (the test checks failures() is empty) and answers Cancel,
// so a test never blocks on a box it did not expect.

#include "views/ui_services.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace orvane::test {

class ScriptedUiServices final : public Ui_Services
{
public:
    enum class Kind { Error, Question, OpenFile, SaveFile, Choice, Text, Options, Report };

    struct Shown
    {
        Kind kind;
        QString text; // the message, or the dialog's title
        Buttons buttons = Buttons::YesCancel;
    };

    void Push_Answer(bool yes) { m_answers.enqueue(yes); }
    void Push_Open_File(const QString &path) { m_open_files.enqueue(path); }
    void Push_Save_File(const QString &path) { m_save_files.enqueue(path); }
    void Push_Choice(int row) { m_choices.enqueue(row); }
    // The next list's action button is pressed on `row` before the list answers its choice.
    void Push_Choice_Action(int row) { m_choice_actions.enqueue(row); }
    void Push_Text(const std::optional<QString> &text) { m_texts.enqueue(text); }
    void Push_Options(const std::optional<QList<bool>> &ticked) { m_options.enqueue(ticked); }
    // The reports shown, each its text and details joined by a new line.
    QStringList reports() const { return Texts(Kind::Report); }
    // The rows of the last list to choose from.
    const QList<QStringList> &last_choice_rows() const { return m_choice_rows; }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList errors() const { return Texts(Kind::Error); }
    QStringList questions() const { return Texts(Kind::Question); }
    QStringList dialogs() const;
    // Unexpected calls and answers queued but never used.
    QStringList failures() const;
    void Clear_Record() { m_shown.clear(); }

    void Error_Box(QWidget *parent, const QString &text) override;
    bool Ask_Yes(QWidget *parent, const QString &text, Buttons buttons) override;
    QString Open_File_Name(QWidget *parent, const QString &title) override;
    QString Save_File_Name(QWidget *parent, const QString &title) override;
    int Choose_Row(QWidget *parent, const RowChoice &choice) override;
    std::optional<QString> Ask_Text(QWidget *parent, const QString &title,
                                    const QString &label) override;
    std::optional<QList<bool>> Choose_Options(QWidget *parent, const OptionChoice &choice) override;
    void Show_Report(QWidget *parent, const QString &text, const QString &details) override;

private:
    QStringList Texts(Kind kind) const;

    QQueue<bool> m_answers;
    QQueue<QString> m_open_files;
    QQueue<QString> m_save_files;
    QQueue<int> m_choices;
    QQueue<int> m_choice_actions;
    QQueue<std::optional<QString>> m_texts;
    QQueue<std::optional<QList<bool>>> m_options;
    QList<QStringList> m_choice_rows;
    QList<Shown> m_shown;
    QStringList m_failures;
};

} // namespace orvane::test
