#pragma once

// The keyboard's ways between the main window's lists. Tab and Shift+Tab go from list to list
// and field to field (the arrows move inside a grid), F6 and Shift+F6 to the next or previous
// list of the page in the order the page shows them, Ctrl+PgDn and Ctrl+PgUp to the other page.
// The list that has the focus wears a frame.

#include "app/main_layout.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <array>

class QTabWidget;

namespace orvane {

class FocusOutline;

class KeyboardRoute final : public QObject
{
    Q_OBJECT

public:
    KeyboardRoute(QWidget *window, QTabWidget *pages, const PageWidgets &satellites,
                  const PageWidgets &terrestrial);

    // The lists of the page on show, in the order the page shows them: column by column, top
    // to bottom.
    const QList<QWidget *> &Page_Lists() const;
    void Focus_Next_List(int step);
    void Switch_Page(int step);
    QWidget *framed() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Follow_Focus(QWidget *now);

    QTabWidget *m_pages;
    std::array<QList<QWidget *>, 2> m_lists;
    QPointer<FocusOutline> m_frame;
};

} // namespace orvane
