// The cell colours of the main window's grids: the fixed column, the selection (always in the
// satellite grid, only with the keyboard focus elsewhere) and the row highlight that marks the
// satellite and transponder of the selected transponder or program.

#include "window_test_case.h"

#include "views/grid_delegate.h"
#include "views/grid_model.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

QStyleOptionViewItem Option(const QTableView *grid, bool selected)
{
    QStyleOptionViewItem option;
    option.palette = grid->palette();
    option.state = QStyle::State_Enabled;
    if (selected)
        option.state |= QStyle::State_Selected;
    return option;
}

// The colours of a cell as one word: "window" (fixed column), "plain", "selected", "inactive"
// (selected in a grid without the focus) or "highlight"; the colours themselves are compared, not
// the word.
QString Colour_Name(const QTableView *grid, const GridDelegate::CellColours &colours)
{
    const QPalette palette = grid->palette();
    const auto is = [&](const QColor &brush, const QColor &text) {
        return colours.brush == brush && colours.text == text;
    };
    if (is(grid_colour::kWindow, palette.color(QPalette::Text)))
        return QStringLiteral("window");
    if (is(palette.color(QPalette::Base), palette.color(QPalette::Text)))
        return QStringLiteral("plain");
    if (is(grid_colour::kSelected, grid_colour::kSelectedText))
        return QStringLiteral("selected");
    if (is(grid_colour::kHighlight, grid_colour::kHighlightText))
        return QStringLiteral("highlight");
    if (is(grid_colour::kSelectedInactive, palette.color(QPalette::Text)))
        return QStringLiteral("inactive");
    return colours.brush.name() + "/" + colours.text.name();
}

QString Cell_Colour(const QTableView *grid, int model_row, int column, bool selected, bool focus)
{
    const auto *delegate = qobject_cast<const GridDelegate *>(grid->itemDelegate());
    const QModelIndex index = grid->model()->index(model_row, column);
    return Colour_Name(grid, delegate->Cell_Colours(Option(grid, selected), index, focus));
}

// The last TV program of the satellite page in slot order, which the unnarrowed TV grid shows
// in its last row.
int Last_Satellite_Tv_Program(const ChannelDatabase &db)
{
    int last = -1;
    for (int slot = 0; slot < static_cast<int>(db.rows.programs.size()); ++slot) {
        const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(slot)];
        if (row.In_Use == 1 && row.Tp_Kind == prog::kKindSatellite && row.Is_Radio == 0)
            last = slot;
    }
    return last;
}

QColor Pixel(QTableView *grid, int model_row, int column)
{
    const QRect rect = grid->visualRect(grid->model()->index(model_row, column));
    const QImage image = grid->viewport()->grab().toImage();
    return image.pixelColor(rect.right() - 3, rect.center().y());
}

} // namespace

class TestGridDelegate : public WindowTestCase
{
    Q_OBJECT

public:
    TestGridDelegate()
        : WindowTestCase({.shown = false, .answers_checked = false})
    {}

private slots:
    void cellColoursWithoutHighlight_data();
    void cellColoursWithoutHighlight();
    void programHighlightsItsSatelliteAndTransponder();
    void transponderHighlightsItsSatellite();
    void paintingUsesCellColours();

private:
    QTableView *Grid(const QString &name) const
    {
        return m_f->window.findChild<QTableView *>(name);
    }
};

void TestGridDelegate::cellColoursWithoutHighlight_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QString>("colours");
    for (const char *grid : {"SG_S_Sat", "SG_S_TP", "SG_S_TV", "SG_S_Radio"}) {
        const bool always = QByteArray(grid) == "SG_S_Sat";
        QTest::addRow("%s fixed", grid) << grid << 0 << false << false << "window";
        QTest::addRow("%s fixed, selected", grid) << grid << 0 << true << true << "window";
        QTest::addRow("%s plain", grid) << grid << 1 << false << true << "plain";
        QTest::addRow("%s selected, focus", grid) << grid << 1 << true << true << "selected";
        QTest::addRow("%s selected, no focus", grid)
                << grid << 1 << true << false << (always ? "selected" : "inactive");
    }
}

void TestGridDelegate::cellColoursWithoutHighlight()
{
    QFETCH(QString, grid);
    QFETCH(int, column);
    QFETCH(bool, selected);
    QFETCH(bool, focus);
    QFETCH(QString, colours);
    QCOMPARE(Cell_Colour(Grid(grid), 2, column, selected, focus), colours);
}

void TestGridDelegate::programHighlightsItsSatelliteAndTransponder()
{
    const ChannelDatabase &db = m_f->window.database();
    const int program = Last_Satellite_Tv_Program(db);
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(program)];
    QTableView *sat = Grid("SG_S_Sat");
    QTableView *tp = Grid("SG_S_TP");
    QTableView *tv = Grid("SG_S_TV");
    const int last_tp_row = tp->model()->rowCount() - 1;
    QCOMPARE(QString::fromStdString(
                     db.rows.sat_tps[static_cast<std::size_t>(row.Tp_Index)].Frequency)
                     .rightJustified(5, u'0'),
             tp->model()->index(last_tp_row, 1).data().toString());

    Set_Current_Row(tv, tv->model()->rowCount() - 1);
    QVERIFY(m_f->window.view_state().Tv_Selected);
    const int sat_row = row.Sat_Slot + 1; // "Show ALL Info" is model row 0
    QCOMPARE(Cell_Colour(sat, sat_row, 1, false, false), "highlight");
    QCOMPARE(Cell_Colour(sat, sat_row, 1, true, true), "highlight");
    QCOMPARE(Cell_Colour(sat, sat_row, 0, false, false), "window");
    QCOMPARE(Cell_Colour(sat, sat_row + 1, 1, false, false), "plain");
    QCOMPARE(Cell_Colour(sat, 0, 1, true, false), "selected");

    // The transponder is the grid's last row; the grid's own selection is not shown.
    for (int column = 1; column < 5; ++column)
        QCOMPARE(Cell_Colour(tp, last_tp_row, column, false, false), "highlight");
    QCOMPARE(Cell_Colour(tp, last_tp_row, 0, false, false), "window");
    QCOMPARE(Cell_Colour(tp, 0, 1, true, true), "plain");
    QCOMPARE(Cell_Colour(tp, last_tp_row - 1, 1, false, true), "plain");
}

void TestGridDelegate::transponderHighlightsItsSatellite()
{
    QTableView *sat = Grid("SG_S_Sat");
    QTableView *tp = Grid("SG_S_TP");
    const ChannelDatabase &db = m_f->window.database();
    const int last_tp_row = tp->model()->rowCount() - 1;
    Set_Current_Row(tp, last_tp_row);
    QVERIFY(m_f->window.view_state().Tp_Selected);
    const int owner = db.rows.sat_tps[91].Sat_Index;
    QCOMPARE(Cell_Colour(sat, owner + 1, 1, false, false), "highlight");
    QCOMPARE(Cell_Colour(tp, last_tp_row, 1, true, true), "selected");
    QCOMPARE(Cell_Colour(tp, last_tp_row, 1, true, false), "inactive");

    // A program of that transponder selected afterwards: the transponder row turns from
    // selected to highlighted, the satellite keeps its highlight.
    Set_Current_Row(Grid("SG_S_TV"), 1);
    QVERIFY(m_f->window.view_state().Tv_Selected);
    QCOMPARE(Cell_Colour(tp, last_tp_row, 1, true, true), "highlight");
    QCOMPARE(Cell_Colour(sat, owner + 1, 1, false, false), "highlight");

    // A satellite click drops the transponder and program selection with their highlights.
    Set_Current_Row(sat, 1);
    QCOMPARE(Cell_Colour(sat, owner + 1, 1, false, false), "plain");
    QCOMPARE(Cell_Colour(tp, 0, 1, true, true), "selected");
}

// What the grid paints is what Cell_Colours says: sampled beside the text of each cell.
void TestGridDelegate::paintingUsesCellColours()
{
    m_f->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_f->window));
    QTableView *sat = Grid("SG_S_Sat");
    QCOMPARE(sat->currentIndex().row(), 0);
    QCOMPARE(Pixel(sat, 0, 1), grid_colour::kSelected);
    QCOMPARE(Pixel(sat, 1, 1), sat->palette().color(QPalette::Base));
    QCOMPARE(Pixel(sat, 1, 0), grid_colour::kWindow);

    Set_Current_Row(Grid("SG_S_TV"), 1);
    const int program = m_f->window.views().Row_Slot(GridId::Tv, 2);
    const int satellite
            = m_f->window.database().rows.programs[static_cast<std::size_t>(program)].Sat_Slot;
    QCOMPARE(Pixel(sat, satellite + 1, 1), grid_colour::kHighlight);
}

QTEST_MAIN(TestGridDelegate)
#include "tst_grid_delegate.moc"
