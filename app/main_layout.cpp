#include "app/main_layout.h"

#include "translations/ui_text.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QResizeEvent>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <utility>

namespace orvane {
namespace {

constexpr int kHeaderHeight = 19;
constexpr int kGridRowHeight = 20;
const QColor kCaptionColour{0, 0, 128};

QWidget *Make_Header(const QString &caption)
{
    auto *header = new QFrame;
    header->setFixedHeight(kHeaderHeight);
    header->setFrameShape(QFrame::NoFrame);
    auto *label = new QLabel(caption, header);
    label->setFont(Arial(12, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kCaptionColour);
    label->setPalette(palette);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(label);
    return header;
}

// A caption over a list, with a 2-pixel bevel between them.
QWidget *Make_Box(const QString &caption, QWidget *list)
{
    auto *box = new QWidget;
    box->setMinimumWidth(kMinimumPanelWidth);
    auto *bevel = new QFrame;
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setFixedHeight(2);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Make_Header(caption));
    layout->addWidget(bevel);
    layout->addWidget(list, 1);
    return box;
}

QTableView *Make_Grid(const char *name)
{
    auto *grid = new QTableView;
    grid->setObjectName(QString::fromLatin1(name));
    grid->setFrameShape(QFrame::NoFrame);
    grid->setFont(Arial(14));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(true);
    grid->setWordWrap(false);
    grid->setShowGrid(true);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->viewport()->setCursor(Qt::PointingHandCursor);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setFixedHeight(kGridRowHeight);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setMinimumSectionSize(10);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->setStyleSheet(QStringLiteral(
            "QHeaderView::section { background-color: rgb(221,221,221); padding-left: 1px;"
            " border-style: outset; border-width: 1px; border-color: white gray gray white; }"));
    return grid;
}

// The TV and radio grids take several rows at once and move them by drag and drop.
QTableView *Make_Program_Grid(const char *name)
{
    QTableView *grid = Make_Grid(name);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setDragEnabled(true);
    // Not InternalMove, which takes only drags whose source the view itself started: the model
    // takes only its own grid's rows, whatever starts the drag.
    grid->setDragDropMode(QAbstractItemView::DragDrop);
    grid->setDefaultDropAction(Qt::MoveAction);
    grid->setDragDropOverwriteMode(false);
    grid->setDropIndicatorShown(true);
    return grid;
}

QListWidget *Make_List(const char *name, int pixel_size, int item_height, bool hand_cursor)
{
    auto *list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(Arial(pixel_size));
    list->setFrameShape(QFrame::NoFrame);
    list->setUniformItemSizes(true);
    list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(item_height));
    if (hand_cursor)
        list->viewport()->setCursor(Qt::PointingHandCursor);
    return list;
}

QSplitter *Make_Splitter(Qt::Orientation orientation)
{
    auto *splitter = new QSplitter(orientation);
    splitter->setHandleWidth(3);
    splitter->setChildrenCollapsible(false);
    splitter->setOpaqueResize(false); // drags as a line
    splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: silver; }"));
    return splitter;
}

// A column of boxes; the first takes what the fixed heights of the others leave.
QSplitter *Make_Column(const QList<QWidget *> &boxes, const QList<int> &fixed_heights)
{
    auto *column = Make_Splitter(Qt::Vertical);
    QList<int> sizes{1000};
    for (QWidget *box : boxes)
        column->addWidget(box);
    column->setStretchFactor(0, 1);
    for (int i = 1; i < boxes.size(); ++i) {
        column->setStretchFactor(i, 0);
        sizes.append(fixed_heights.value(i - 1));
    }
    column->setSizes(sizes);
    return column;
}

// The TV and radio lists take what the columns left of them leave: the TV list keeps its start
// width until the radio list is as wide, then the two share it half and half. The columns left
// of them keep their widths (as the user dragged them), the terrestrial page's empty panel its
// minimum. Laid out so at every resize, at a reset and when the page is first shown (after the
// splitter's own first layout).
class ProgramListsShare final : public QObject
{
public:
    ProgramListsShare(QSplitter *columns, int tv_column, int tv_width)
        : QObject(columns)
        , m_columns(columns)
        , m_tv(tv_column)
        , m_tv_width(tv_width)
    {
        columns->installEventFilter(this);
    }

    void Lay_Out()
    {
        if (!m_columns->isVisible())
            return;
        QList<int> sizes = m_columns->sizes();
        int room = m_columns->width();
        for (int i = 0; i < sizes.size(); ++i) {
            room -= i > 0 ? m_columns->handleWidth() : 0;
            if (i < m_tv)
                room -= sizes[i];
            else if (i > m_tv + 1)
                room -= sizes[i] = kMinimumPanelWidth;
        }
        const int tv = std::max(std::min(m_tv_width, room - kMinimumPanelWidth), room / 2);
        sizes[m_tv] = std::max(tv, kMinimumPanelWidth);
        sizes[m_tv + 1] = std::max(room - sizes[m_tv], kMinimumPanelWidth);
        m_columns->setSizes(sizes);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_columns)
            return false;
        if (event->type() == QEvent::Show && !std::exchange(m_shown, true))
            QMetaObject::invokeMethod(this, &ProgramListsShare::Lay_Out, Qt::QueuedConnection);
        if (event->type() == QEvent::Resize)
            Lay_Out();
        return false;
    }

private:
    QSplitter *m_columns;
    int m_tv;
    int m_tv_width;
    bool m_shown = false;
};

QWidget *Make_Page(PageWidgets &widgets, const char *name)
{
    widgets.page = new QWidget;
    widgets.page->setObjectName(QString::fromLatin1(name));
    widgets.columns = Make_Splitter(Qt::Horizontal);
    auto *layout = new QVBoxLayout(widgets.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widgets.columns);
    return widgets.page;
}

void Set_Column_Widths(QTableView *grid, std::initializer_list<int> widths)
{
    int column = 0;
    for (const int width : widths)
        grid->horizontalHeader()->resizeSection(column++, width);
}

} // namespace

void Reset_Grid_Columns(const PageWidgets &satellites, const PageWidgets &terrestrial)
{
    Set_Column_Widths(satellites.sat, {50, 170});
    Set_Column_Widths(satellites.tp, {60, 48, 28, 47, 34});
    Set_Column_Widths(satellites.tv, {60, 140, 20});
    Set_Column_Widths(satellites.radio, {60, 140, 20});
    Set_Column_Widths(terrestrial.tp, {65, 190});
    Set_Column_Widths(terrestrial.tv, {65, 160, 25});
    Set_Column_Widths(terrestrial.radio, {65, 160, 25});
}

QFont Arial(int pixel_size, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

PageWidgets Build_Satellites_Page()
{
    PageWidgets w;
    Make_Page(w, "TabSheet_Sat");
    w.sat = Make_Grid("SG_S_Sat");
    w.tp = Make_Grid("SG_S_TP");
    w.tv = Make_Program_Grid("SG_S_TV");
    w.radio = Make_Program_Grid("SG_S_Radio");
    w.fav = Make_List("LB_S_FAV", 14, 16, true);
    w.info = Make_List("LB_S_Info", 12, 15, false);
    w.columns->addWidget(
            Make_Column({Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "Satellites:")), w.sat),
                         Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "Info:")), w.info)},
                        {180}));
    w.columns->addWidget(
            Make_Column({Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "Transponder:")), w.tp),
                         Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "FAV:")), w.fav)},
                        {285}));
    w.columns->addWidget(Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "TV Channels:")), w.tv));
    w.columns->addWidget(
            Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "Radio Channels:")), w.radio));
    new ProgramListsShare(w.columns, 2, 253);
    Reset_Panel_Widths(w, true);
    return w;
}

PageWidgets Build_Terrestrial_Page()
{
    PageWidgets w;
    Make_Page(w, "TabSheet_TP");
    w.tp = Make_Grid("SG_T_TP");
    w.tv = Make_Program_Grid("SG_T_TV");
    w.radio = Make_Program_Grid("SG_T_Radio");
    w.fav = Make_List("LB_T_FAV", 14, 16, true);
    w.info = Make_List("LB_T_Info", 12, 15, false);
    w.columns->addWidget(
            Make_Column({Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "Transponder:")), w.tp),
                         Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "FAV:")), w.fav),
                         Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "Info:")), w.info)},
                        {160, 110}));
    w.columns->addWidget(Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "TV Channels:")), w.tv));
    w.columns->addWidget(
            Make_Box(ui_text::Shown(ORVANE_TEXT("Orvane", "Radio Channels:")), w.radio));
    auto *empty = new QWidget; // Panel1: the window colour to the right
    empty->setObjectName(QStringLiteral("Panel1"));
    w.columns->addWidget(empty);
    new ProgramListsShare(w.columns, 1, 282);
    Reset_Panel_Widths(w, false);
    return w;
}

void Reset_Panel_Widths(const PageWidgets &page, bool satellites)
{
    const QList<int> widths
            = satellites ? QList<int>{250, 253, 253, 2000} : QList<int>{288, 282, 282, 2000};
    for (int i = 0; i < page.columns->count(); ++i) {
        page.columns->widget(i)->setMinimumWidth(kMinimumPanelWidth);
        page.columns->setStretchFactor(i, i + 1 == page.columns->count() ? 1 : 0);
    }
    page.columns->setSizes(widths);
    for (QObject *child : page.columns->children()) // the share has no meta-object of its own
        if (auto *share = dynamic_cast<ProgramListsShare *>(child))
            share->Lay_Out();
}

} // namespace orvane
