#pragma once

// Shape_ComState: the 11 x 11 pixel lamp of the communication dialog that shows whether the
// last attempt to open the serial port succeeded (bright green) or not (red).

#include <QColor>
#include <QWidget>

namespace orvane {

inline const QColor kLampOpen{0, 255, 0};
inline const QColor kLampClosed{255, 0, 0};

class ComStateLamp final : public QWidget
{
    Q_OBJECT

public:
    explicit ComStateLamp(QWidget *parent = nullptr);

    void Set_Open(bool open);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour = kLampClosed; // red until a port opened
};

} // namespace orvane
