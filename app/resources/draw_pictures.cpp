// Draws the program's pictures: the window icon, the start picture, the tool-bar buttons and
// the tab images. The PNG files it writes are kept in this folder and compiled into the
// program through orvane.qrc; run it again after changing a drawing:
//     cmake --build --preset dev --target orvane_draw_pictures
//     QT_QPA_PLATFORM=offscreen build/dev/bin/orvane_draw_pictures app/resources packaging/icons
// The second folder gets the icon in the sizes a desktop's icon theme asks for (icon_16.png to
// icon_256.png); packaging/icons/orvane.svg is the same drawing, for any other size.

#include "orvane_version.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using Drawing = std::function<void(QPainter &)>;

// Draws into a transparent image of the given size, in a coordinate system design_size wide.
QImage Render(QSize size, qreal design_size, const Drawing &draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / design_size, size.width() / design_size);
    draw(painter);
    return image;
}

// A parabolic dish seen from the side, opening towards the upper right, with its feed arm and
// mast; centre c, radius r. The feed sits at c + (0.52 r, -0.74 r).
void Draw_Dish(QPainter &p, QPointF c, qreal r, const QColor &face, const QColor &rim)
{
    p.save();
    p.translate(c);
    p.rotate(35);
    QLinearGradient shade(-r, 0, r, 0);
    shade.setColorAt(0, face.lighter(130));
    shade.setColorAt(1, face.darker(125));
    p.setBrush(shade);
    p.setPen(QPen(rim, r * 0.06));
    p.drawChord(QRectF(-r, -r * 0.45, 2 * r, r * 0.9), 180 * 16, 180 * 16);
    p.drawEllipse(QRectF(-r, -r * 0.12, 2 * r, r * 0.24));
    p.setPen(QPen(rim, r * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, r * 0.1), QPointF(0, -r * 0.85)); // feed arm
    p.setBrush(rim);
    p.drawEllipse(QPointF(0, -r * 0.9), r * 0.1, r * 0.1);
    p.restore();
    p.setPen(QPen(rim, r * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(r * 0.1, r * 0.3), c + QPointF(r * 0.3, r * 1.05)); // mast
    p.drawLine(c + QPointF(-r * 0.25, r * 1.05), c + QPointF(r * 0.8, r * 1.05));
}

// Arcs of a signal spreading from origin towards angle degrees (0 = right, counterclockwise).
void Draw_Arcs(QPainter &p, QPointF origin, qreal first, qreal step, int count, qreal angle,
               const QColor &colour, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal radius = first + i * step;
        const QRectF box(origin.x() - radius, origin.y() - radius, 2 * radius, 2 * radius);
        p.drawArc(box, int((angle - 35) * 16), 70 * 16);
    }
}

// A satellite: a body with two solar wings, centred at c, size s, turned by angle degrees.
void Draw_Satellite(QPainter &p, QPointF c, qreal s, qreal angle, const QColor &body,
                    const QColor &wing)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(QPen(body.darker(160), s * 0.04));
    p.setBrush(wing);
    for (int side : {-1, 1}) {
        const QRectF panel(side > 0 ? s * 0.28 : -s * 1.0, -s * 0.2, s * 0.72, s * 0.4);
        p.drawRect(panel);
        p.drawLine(QPointF(panel.center().x(), panel.top()),
                   QPointF(panel.center().x(), panel.bottom()));
    }
    p.drawLine(QPointF(-s * 0.28, 0), QPointF(s * 0.28, 0));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-s * 0.22, -s * 0.3, s * 0.44, s * 0.6), s * 0.08, s * 0.08);
    p.restore();
}

void Draw_Icon(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    sky.setColorAt(1, QColor(0x0b, 0x22, 0x45));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    Draw_Arcs(p, QPointF(146, 92), 30, 22, 3, 45, QColor(0xff, 0xb3, 0x2e), 12);
    Draw_Dish(p, QPointF(105, 150), 78, QColor(0xe8, 0xee, 0xf4), QColor(0xc9, 0xd3, 0xde));
}

void Draw_Start_Picture(QPainter &p)
{
    const QRectF area(0, 0, 833, 560);
    QLinearGradient sky(0, 0, 0, area.height());
    sky.setColorAt(0, QColor(0x10, 0x24, 0x45));
    sky.setColorAt(0.65, QColor(0x24, 0x5a, 0x7e));
    sky.setColorAt(1, QColor(0x6f, 0x9f, 0xb0));
    p.fillRect(area, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    const QPointF stars[] = {{70, 60},   {180, 120}, {300, 40},  {420, 95},  {520, 30}, {760, 70},
                             {610, 150}, {90, 200},  {380, 180}, {700, 210}, {250, 250}};
    for (const QPointF &star : stars)
        p.drawEllipse(star, 1.6, 1.6);
    QLinearGradient hill(0, 420, 0, 560);
    hill.setColorAt(0, QColor(0x1d, 0x3b, 0x4f));
    hill.setColorAt(1, QColor(0x12, 0x26, 0x34));
    QPainterPath ground(QPointF(0, 470));
    ground.cubicTo(QPointF(200, 420), QPointF(520, 440), QPointF(833, 455));
    ground.lineTo(833, 560);
    ground.lineTo(0, 560);
    p.setBrush(hill);
    p.drawPath(ground);
    Draw_Satellite(p, QPointF(680, 110), 70, -20, QColor(0xd8, 0xdc, 0xe2),
                   QColor(0x2b, 0x5f, 0xa8));
    Draw_Arcs(p, QPointF(217, 303), 40, 30, 4, 22, QColor(0xff, 0xc8, 0x5a, 200), 6);
    Draw_Dish(p, QPointF(170, 370), 90, QColor(0xe6, 0xeb, 0xf0), QColor(0xb8, 0xc4, 0xd0));
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xf4, 0xf7, 0xfa));
    p.drawText(QRectF(400, 300, 420, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(orvane::kOrvaneTitle));
    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(22);
    p.setFont(subtitle);
    p.setPen(QColor(0xc6, 0xd8, 0xe6));
    p.drawText(QRectF(404, 375, 420, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Channel database editor"));
}

// Tool-bar drawings, 20 x 20; vivid for the button under the mouse, muted otherwise.
QColor Tone(const QColor &colour, bool hot)
{
    return hot ? colour
               : QColor::fromHsv(colour.hue(), colour.saturation() * 45 / 100,
                                 std::min(255, colour.value() * 85 / 100));
}

void Draw_Folder(QPainter &p, bool hot)
{
    const QColor paper = Tone(QColor(0xf5, 0xb7, 0x2c), hot);
    p.setPen(QPen(paper.darker(150), 1));
    p.setBrush(paper.darker(112));
    QPainterPath back(QPointF(2, 5));
    back.lineTo(7.5, 5);
    back.lineTo(9.5, 7);
    back.lineTo(17.5, 7);
    back.lineTo(17.5, 16.5);
    back.lineTo(2, 16.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(paper);
    QPainterPath front(QPointF(2, 16.5));
    front.lineTo(4.5, 9.5);
    front.lineTo(19, 9.5);
    front.lineTo(17.5, 16.5);
    front.closeSubpath();
    p.drawPath(front);
}

void Draw_Question(QPainter &p, bool hot)
{
    const QColor disc = Tone(QColor(0x2f, 0x7c, 0xd6), hot);
    p.setPen(QPen(disc.darker(150), 1));
    p.setBrush(disc);
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

void Draw_Exit(QPainter &p, bool hot)
{
    const QColor door = Tone(QColor(0x8a, 0x5a, 0x33), hot);
    p.setPen(QPen(door.darker(150), 1));
    p.setBrush(door);
    p.drawRect(QRectF(3.5, 2.5, 9, 15));
    p.setBrush(QColor(0xf0, 0xd0, 0x60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(10.5, 10.5), 1, 1);
    const QColor arrow = Tone(QColor(0xd9, 0x3b, 0x2f), hot);
    p.setPen(QPen(arrow, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9.5, 10), QPointF(18, 10));
    p.drawPolyline(QPolygonF({QPointF(15, 7), QPointF(18, 10), QPointF(15, 13)}));
}

void Draw_Edit(QPainter &p, bool hot)
{
    const QColor sheet = Tone(QColor(0xf4, 0xf6, 0xfa), hot);
    p.setPen(QPen(Tone(QColor(0x5a, 0x66, 0x73), hot), 1));
    p.setBrush(sheet);
    p.drawRect(QRectF(2.5, 1.5, 11, 16));
    p.setPen(QPen(Tone(QColor(0x2f, 0x7c, 0xd6), hot), 1));
    for (const qreal y : {5.5, 8.5, 11.5})
        p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    p.translate(13.5, 11);
    p.rotate(40);
    p.setPen(QPen(QColor(0x6b, 0x4a, 0x1e), 0.8));
    p.setBrush(Tone(QColor(0xf2, 0xb7, 0x2f), hot));
    p.drawRect(QRectF(-1.8, -8, 3.6, 10));
    p.setBrush(QColor(0xf5, 0xde, 0xb3));
    p.drawPolygon(QPolygonF({QPointF(-1.8, 2), QPointF(1.8, 2), QPointF(0, 6)}));
}

// Tab images, 30 x 21.
void Draw_Tab_Satellite(QPainter &p)
{
    Draw_Satellite(p, QPointF(15, 10.5), 13, -25, QColor(0xc8, 0xcf, 0xd8),
                   QColor(0x2b, 0x5f, 0xa8));
}

void Draw_Tab_Mast(QPainter &p)
{
    const QColor steel(0x5a, 0x66, 0x73);
    p.setPen(QPen(steel, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(15, 4), QPointF(10, 20));
    p.drawLine(QPointF(15, 4), QPointF(20, 20));
    p.drawLine(QPointF(12.2, 13), QPointF(17.8, 13));
    p.drawLine(QPointF(11.2, 16.5), QPointF(18.8, 16.5));
    p.drawLine(QPointF(13.4, 9), QPointF(16.6, 9));
    p.setBrush(QColor(0xd9, 0x3b, 0x2f));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(15, 3.5), 1.6, 1.6);
    for (int side : {-1, 1})
        Draw_Arcs(p, QPointF(15, 4), 4.5, 3.5, 2, side > 0 ? 0 : 180, QColor(0x2f, 0x7c, 0xd6),
                  1.2);
}

// Context-menu images, 16 x 16: a pencil for the change commands, a red cross for the
// delete commands.
void Draw_Pencil(QPainter &p)
{
    p.translate(8, 8);
    p.rotate(45);
    p.setPen(QPen(QColor(0x6b, 0x4a, 0x1e), 0.8));
    p.setBrush(QColor(0xf2, 0xb7, 0x2f));
    p.drawRect(QRectF(-1.9, -7, 3.8, 10));
    p.setBrush(QColor(0xe8, 0x8a, 0x9a));
    p.drawRect(QRectF(-1.9, -7.5, 3.8, 2));
    p.setBrush(QColor(0xf5, 0xde, 0xb3));
    p.drawPolygon(QPolygonF({QPointF(-1.9, 3), QPointF(1.9, 3), QPointF(0, 7)}));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(-0.7, 5.6), QPointF(0.7, 5.6), QPointF(0, 7)}));
}

void Draw_Cross(QPainter &p)
{
    p.setPen(QPen(QColor(0x9e, 0x1b, 0x1b), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    p.setPen(QPen(QColor(0xe5, 0x39, 0x35), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

bool Save(const QImage &image, const QString &folder, const char *name)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (image.save(path, "PNG", 0))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const auto hot = [](auto draw) { return [draw](QPainter &p) { draw(p, true); }; };
    const auto muted = [](auto draw) { return [draw](QPainter &p) { draw(p, false); }; };
    bool ok = Save(Render({256, 256}, 256, Draw_Icon), folder, "icon_256.png");
    ok &= Save(Render({48, 48}, 256, Draw_Icon), folder, "icon_48.png");
    const QImage start = Render({833, 560}, 833, Draw_Start_Picture);
    ok &= Save(start.convertToFormat(QImage::Format_RGB32), folder, "start_picture.png");
    ok &= Save(Render({20, 20}, 20, muted(Draw_Folder)), folder, "tb_file.png");
    ok &= Save(Render({20, 20}, 20, hot(Draw_Folder)), folder, "tb_file_hot.png");
    ok &= Save(Render({20, 20}, 20, muted(Draw_Edit)), folder, "tb_edit.png");
    ok &= Save(Render({20, 20}, 20, hot(Draw_Edit)), folder, "tb_edit_hot.png");
    ok &= Save(Render({20, 20}, 20, muted(Draw_Question)), folder, "tb_help.png");
    ok &= Save(Render({20, 20}, 20, hot(Draw_Question)), folder, "tb_help_hot.png");
    ok &= Save(Render({20, 20}, 20, muted(Draw_Exit)), folder, "tb_exit.png");
    ok &= Save(Render({20, 20}, 20, hot(Draw_Exit)), folder, "tb_exit_hot.png");
    ok &= Save(Render({30, 21}, 30, Draw_Tab_Satellite), folder, "tab_satellite.png");
    ok &= Save(Render({30, 21}, 30, Draw_Tab_Mast), folder, "tab_terrestrial.png");
    ok &= Save(Render({16, 16}, 16, Draw_Pencil), folder, "menu_change.png");
    ok &= Save(Render({16, 16}, 16, Draw_Cross), folder, "menu_delete.png");
    if (argc > 2) {
        const QString theme_folder = QString::fromLocal8Bit(argv[2]);
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QByteArray name = "icon_" + QByteArray::number(size) + ".png";
            ok &= Save(Render({size, size}, 256, Draw_Icon), theme_folder, name.constData());
        }
    }
    return ok ? 0 : 1;
}
