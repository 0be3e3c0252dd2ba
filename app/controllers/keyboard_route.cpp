#include "app/controllers/keyboard_route.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>

#include <functional>

namespace orvane {

// The frame around the focused list: a child over the whole list that paints only its border,
// inside the list (a frame outside it would be cut off by the panel around the list), and lets
// the mouse through.
class FocusOutline final : public QWidget
{
public:
    explicit FocusOutline(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void Follow(QWidget *list)
    {
        if (list == nullptr) {
            hide();
            return;
        }
        setParent(list);
        setGeometry(list->rect());
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

namespace {

QList<QWidget *> Lists_Shown(const PageWidgets &page)
{
    if (page.sat != nullptr)
        return {page.sat, page.info, page.tp, page.fav, page.tv, page.radio};
    return {page.tp, page.fav, page.info, page.tv, page.radio};
}

// The index `step` places on from `index`, round a ring of `count`.
int Wrapped(int index, int step, int count)
{
    return ((index + step) % count + count) % count;
}

void Add_Shortcut(QWidget *window, const QKeySequence &keys, const std::function<void()> &run)
{
    auto *shortcut = new QShortcut(keys, window);
    QObject::connect(shortcut, &QShortcut::activated, window, run);
}

} // namespace

KeyboardRoute::KeyboardRoute(QWidget *window, QTabWidget *pages, const PageWidgets &satellites,
                             const PageWidgets &terrestrial)
    : QObject(window)
    , m_pages(pages)
    , m_lists{Lists_Shown(satellites), Lists_Shown(terrestrial)}
    , m_frame(new FocusOutline(window))
{
    for (const QList<QWidget *> &lists : m_lists) {
        for (qsizetype i = 0; i < lists.size(); ++i) {
            if (auto *view = qobject_cast<QAbstractItemView *>(lists[i]))
                view->setTabKeyNavigation(false);
            lists[i]->setFocusPolicy(Qt::StrongFocus);
            lists[i]->installEventFilter(this);
            if (i > 0)
                QWidget::setTabOrder(lists[i - 1], lists[i]);
        }
    }
    Add_Shortcut(window, QKeySequence(Qt::Key_F6), [this] { Focus_Next_List(1); });
    Add_Shortcut(window, QKeySequence(Qt::SHIFT | Qt::Key_F6), [this] { Focus_Next_List(-1); });
    Add_Shortcut(window, QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { Switch_Page(1); });
    Add_Shortcut(window, QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { Switch_Page(-1); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { Follow_Focus(now); });
}

const QList<QWidget *> &KeyboardRoute::Page_Lists() const
{
    return m_lists[m_pages->currentIndex() == 1 ? 1 : 0];
}

void KeyboardRoute::Focus_Next_List(int step)
{
    if (!m_pages->isVisible())
        return;
    const QList<QWidget *> &lists = Page_Lists();
    const auto count = static_cast<int>(lists.size());
    int at = static_cast<int>(lists.indexOf(QApplication::focusWidget()));
    // From outside the lists, F6 starts at the first and Shift+F6 at the last.
    at = at < 0 ? (step > 0 ? -1 : 0) : at;
    lists[Wrapped(at, step, count)]->setFocus(Qt::ShortcutFocusReason);
}

void KeyboardRoute::Switch_Page(int step)
{
    if (!m_pages->isVisible())
        return;
    m_pages->setCurrentIndex(Wrapped(m_pages->currentIndex(), step, m_pages->count()));
}

// A list without a current row, reached by the keyboard, would make its first row current, as
// if it were chosen: the favourite groups would narrow the programs to group 1. The list is told
// that its current row was set (to none), so that the focus alone chooses nothing.
bool KeyboardRoute::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == framed() && watched != nullptr)
        m_frame->setGeometry(static_cast<QWidget *>(watched)->rect());
    if (event->type() == QEvent::FocusIn)
        if (auto *view = qobject_cast<QAbstractItemView *>(watched);
            view != nullptr && !view->currentIndex().isValid())
            view->setCurrentIndex(QModelIndex());
    return QObject::eventFilter(watched, event);
}

QWidget *KeyboardRoute::framed() const
{
    return m_frame != nullptr && m_frame->isVisible() ? m_frame->parentWidget() : nullptr;
}

void KeyboardRoute::Follow_Focus(QWidget *now)
{
    const bool a_list = m_lists[0].contains(now) || m_lists[1].contains(now);
    if (m_frame != nullptr) // gone with its list while the window closes
        m_frame->Follow(a_list ? now : nullptr);
}

} // namespace orvane
