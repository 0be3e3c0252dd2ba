#include "scripted_ui_services.h"

namespace orvane::test {

QStringList ScriptedUiServices::Texts(Kind kind) const
{
    QStringList texts;
    for (const Shown &shown : m_shown)
        if (shown.kind == kind)
            texts << shown.text;
    return texts;
}

QStringList ScriptedUiServices::dialogs() const
{
    return Texts(Kind::OpenFile) + Texts(Kind::SaveFile);
}

QStringList ScriptedUiServices::failures() const
{
    QStringList all = m_failures;
    if (!m_answers.isEmpty())
        all << QStringLiteral("%1 answer(s) never asked for").arg(m_answers.size());
    if (!m_open_files.isEmpty())
        all << QStringLiteral("open dialog answer(s) never used: ") + m_open_files.join(u',');
    if (!m_save_files.isEmpty())
        all << QStringLiteral("save dialog answer(s) never used: ") + m_save_files.join(u',');
    if (!m_choices.isEmpty())
        all << QStringLiteral("%1 choice(s) never asked for").arg(m_choices.size());
    if (!m_texts.isEmpty() || !m_options.isEmpty())
        all << QStringLiteral("typed text or options never asked for");
    return all;
}

void ScriptedUiServices::Error_Box(QWidget *, const QString &text)
{
    m_shown.append({Kind::Error, text});
}

bool ScriptedUiServices::Ask_Yes(QWidget *, const QString &text, Buttons buttons)
{
    m_shown.append({Kind::Question, text, buttons});
    if (m_answers.isEmpty()) {
        m_failures << QStringLiteral("unexpected question: ") + text;
        return false;
    }
    return m_answers.dequeue();
}

QString ScriptedUiServices::Open_File_Name(QWidget *, const QString &title)
{
    m_shown.append({Kind::OpenFile, title});
    if (m_open_files.isEmpty()) {
        m_failures << QStringLiteral("unexpected open dialog: ") + title;
        return {};
    }
    return m_open_files.dequeue();
}

QString ScriptedUiServices::Save_File_Name(QWidget *, const QString &title)
{
    m_shown.append({Kind::SaveFile, title});
    if (m_save_files.isEmpty()) {
        m_failures << QStringLiteral("unexpected save dialog: ") + title;
        return {};
    }
    return m_save_files.dequeue();
}

int ScriptedUiServices::Choose_Row(QWidget *parent, const RowChoice &choice)
{
    m_shown.append({Kind::Choice, choice.title});
    m_choice_rows = choice.rows;
    while (!m_choice_actions.isEmpty()) {
        const int row = m_choice_actions.dequeue();
        if (choice.action)
            choice.action(row, parent);
        else
            m_failures << QStringLiteral("no action in the list: ") + choice.title;
    }
    if (m_choices.isEmpty()) {
        m_failures << QStringLiteral("unexpected list: ") + choice.title;
        return -1;
    }
    return m_choices.dequeue();
}

std::optional<QString> ScriptedUiServices::Ask_Text(QWidget *, const QString &title,
                                                    const QString &)
{
    m_shown.append({Kind::Text, title});
    if (m_texts.isEmpty()) {
        m_failures << QStringLiteral("unexpected text box: ") + title;
        return std::nullopt;
    }
    return m_texts.dequeue();
}

std::optional<QList<bool>> ScriptedUiServices::Choose_Options(QWidget *, const OptionChoice &choice)
{
    m_shown.append({Kind::Options, choice.title});
    if (m_options.isEmpty()) {
        m_failures << QStringLiteral("unexpected options: ") + choice.title;
        return std::nullopt;
    }
    return m_options.dequeue();
}

void ScriptedUiServices::Show_Report(QWidget *, const QString &text, const QString &details)
{
    m_shown.append({Kind::Report, text + u'\n' + details});
}

} // namespace orvane::test
