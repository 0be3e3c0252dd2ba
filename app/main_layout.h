#pragma once

// The widgets of the main window's two pages: boxes with a caption over a list, arranged in
// columns between splitters. Only construction lives here; TFormMain binds the lists.

#include <QFont>
#include <QString>

class QListWidget;
class QSplitter;
class QTableView;
class QWidget;

namespace orvane {

struct PageWidgets
{
    QWidget *page = nullptr;
    QSplitter *columns = nullptr;
    QTableView *sat = nullptr; // only on the "Satellites" page
    QTableView *tp = nullptr;
    QTableView *tv = nullptr;
    QTableView *radio = nullptr;
    QListWidget *fav = nullptr;
    QListWidget *info = nullptr;
};

// The window's font: Arial at a pixel size, as every caption and list of the form uses it.
QFont Arial(int pixel_size, bool bold = false);

PageWidgets Build_Satellites_Page();
PageWidgets Build_Terrestrial_Page();

// Puts the grids' columns back to their widths at reset.
void Reset_Grid_Columns(const PageWidgets &satellites, const PageWidgets &terrestrial);

// Puts the page's column panels back to their widths at reset.
void Reset_Panel_Widths(const PageWidgets &page, bool satellites);

// A panel never becomes narrower than this when a splitter is dragged.
constexpr int kMinimumPanelWidth = 20;

} // namespace orvane
