#pragma once

// The find bar at the bottom of the main window: a text field that searches as it is typed,
// a label with the position among the matches and the last note, and a close button. It knows
// nothing of the database; the window answers its requests (app/Main_find.cpp).

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace orvane {

class FindBar final : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(QWidget *parent = nullptr);

    QLineEdit *edit() const { return m_edit; }
    QLabel *status_label() const { return m_status; }
    QToolButton *close_button() const { return m_close; }

    // Shows the bar with its text selected and the keyboard focus in it.
    void Open();
    // "3 of 17", followed by a note when there is one.
    void Show_Position(int position, int count, const QString &note);
    void Show_Status(const QString &text);

signals:
    void textChanged(const QString &text);
    void nextRequested();
    void previousRequested();
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit = nullptr;
    QLabel *m_status = nullptr;
    QToolButton *m_close = nullptr;
};

} // namespace orvane
