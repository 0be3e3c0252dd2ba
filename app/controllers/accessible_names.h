#pragma once

// What a screen reader says for the main window's lists, grids and tool buttons, and the tool
// buttons' tooltips. The satellites page's transponder grid is named after the satellite whose
// transponders it lists, and renamed as the current satellite changes.

#include "app/main_layout.h"

#include <QObject>

namespace orvane {

class AccessibleNames final : public QObject
{
    Q_OBJECT

public:
    AccessibleNames(QWidget *window, const PageWidgets &satellites, const PageWidgets &terrestrial);

private:
    void Name_Satellite_Transponders();

    PageWidgets m_satellites;
};

} // namespace orvane
