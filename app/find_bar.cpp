#include "app/find_bar.h"

#include "views/key_events.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace orvane {

FindBar::FindBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Find_Bar"));
    auto *caption = new QLabel(tr("Find:"));
    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("Edit_Find"));
    m_edit->setPlaceholderText(tr("Name, service id, PID or frequency"));
    m_edit->setClearButtonEnabled(true);
    m_edit->installEventFilter(this);
    caption->setBuddy(m_edit);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("Label_Find"));
    m_close = new QToolButton;
    m_close->setObjectName(QStringLiteral("Find_Close"));
    m_close->setText(tr("Close"));
    m_close->setAutoRaise(true);
    m_close->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(caption);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_status, 1);
    layout->addWidget(m_close);

    connect(m_edit, &QLineEdit::textChanged, this, &FindBar::textChanged);
    connect(m_close, &QToolButton::clicked, this, &FindBar::closeRequested);
    hide();
}

void FindBar::Open()
{
    show();
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void FindBar::Show_Position(int position, int count, const QString &note)
{
    QString text = tr("%1 of %2").arg(position + 1).arg(count);
    if (!note.isEmpty())
        text += QStringLiteral("   ") + note;
    m_status->setText(text);
}

void FindBar::Show_Status(const QString &text)
{
    m_status->setText(text);
}

// Enter and Escape are the bar's own keys while its field has the focus; F3 and Shift+F3 are
// the window's shortcuts, which work from any of its widgets.
bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (Is_Enter_Press(event)) {
            if (key->modifiers().testFlag(Qt::ShiftModifier))
                emit previousRequested();
            else
                emit nextRequested();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            emit closeRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
