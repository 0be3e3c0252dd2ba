#include "app/controllers/accessible_names.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QTableView>
#include <QToolButton>

namespace orvane {
namespace {

void Name_Page(const PageWidgets &page, bool satellites)
{
    if (page.sat != nullptr)
        page.sat->setAccessibleName(AccessibleNames::tr("Satellites"));
    if (!satellites)
        page.tp->setAccessibleName(AccessibleNames::tr("Terrestrial transponders"));
    page.tv->setAccessibleName(AccessibleNames::tr("TV programs"));
    page.radio->setAccessibleName(AccessibleNames::tr("Radio programs"));
    page.fav->setAccessibleName(AccessibleNames::tr("Favourite groups"));
    page.info->setAccessibleName(AccessibleNames::tr("Information on the current entry"));
}

void Name_Tool_Button(QWidget *window, const char *name, const QString &tip)
{
    auto *button = window->findChild<QToolButton *>(QString::fromLatin1(name));
    if (button == nullptr)
        return;
    button->setAccessibleName(button->text());
    button->setToolTip(tip);
}

} // namespace

AccessibleNames::AccessibleNames(QWidget *window, const PageWidgets &satellites,
                                 const PageWidgets &terrestrial)
    : QObject(window)
    , m_satellites(satellites)
{
    Name_Page(satellites, true);
    Name_Page(terrestrial, false);
    Name_Tool_Button(window, "TB_File",
                     tr("Open, save, restore and exchange the database; read it from the "
                        "receiver or write it into the receiver (Alt+F)"));
    Name_Tool_Button(window, "TB_Edit", tr("Undo, redo, find and check the database (Alt+E)"));
    Name_Tool_Button(window, "TB_Help", tr("The manual and the program's version (Alt+H)"));
    Name_Tool_Button(window, "TB_Exit", tr("Close the program (Alt+X)"));

    QTableView *sat = satellites.sat;
    connect(sat->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &AccessibleNames::Name_Satellite_Transponders);
    connect(sat->model(), &QAbstractItemModel::modelReset, this,
            &AccessibleNames::Name_Satellite_Transponders);
    connect(sat->model(), &QAbstractItemModel::dataChanged, this,
            &AccessibleNames::Name_Satellite_Transponders);
    Name_Satellite_Transponders();
}

void AccessibleNames::Name_Satellite_Transponders()
{
    const QTableView *sat = m_satellites.sat;
    const QString name
            = sat->model()->index(sat->currentIndex().row(), 1).data().toString().trimmed();
    m_satellites.tp->setAccessibleName(name.isEmpty() ? tr("Transponders")
                                                      : tr("Transponders of %1").arg(name));
}

} // namespace orvane
