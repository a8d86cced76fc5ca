// Draws the editor's toolbar and application icons as PNG files:
//   quorvale-icon-generator OUTDIR
// Each toolbar icon is drawn on a 24-unit grid and written at 24 and 48 pixels
// (NAME-24.png, NAME-48.png); the application icon also at the sizes of the desktop's icon theme
// (quorvale-SIZE.png).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor kGrass(24, 128, 24);
const QColor kWall(96, 0, 24);
const QColor kSand(186, 118, 28);
const QColor kWater(0, 32, 200);
const QColor kIce(136, 150, 146);
const QColor kInk(40, 40, 40);
const QColor kRed(210, 30, 30);

using Painter = std::function<void(QPainter&)>;

void Cell(QPainter& p, int x, int y, const QColor& colour)
{
    p.fillRect(QRectF(x * 5 + 2, y * 5 + 2, 5, 5), colour);
}

// A 4 x 4 board of cells, the ones in the mask filled with wall.
void Board(QPainter& p, std::initializer_list<int> filled)
{
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            Cell(p, x, y, kGrass);
    for (int i : filled)
        Cell(p, i % 4, i / 4, kWall);
    p.setPen(QPen(QColor(0, 0, 0, 140), 0.5));
    for (int i = 0; i <= 4; ++i) {
        p.drawLine(QPointF(2 + 5 * i, 2), QPointF(2 + 5 * i, 22));
        p.drawLine(QPointF(2, 2 + 5 * i), QPointF(22, 2 + 5 * i));
    }
}

void CurvedArrow(QPainter& p, const QRectF& box, double startAngle, double span, const QColor& colour)
{
    QPainterPath arc;
    arc.arcMoveTo(box, startAngle);
    arc.arcTo(box, startAngle, span);
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    // The head at the end of the arc, pointing along it.
    const QPointF tip = arc.currentPosition();
    const double direction = arc.angleAtPercent(1.0) + (span < 0 ? 180.0 : 0.0);
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(-direction + (span < 0 ? 0 : 180.0));
    QPolygonF head({QPointF(-4.5, 0), QPointF(1.5, -4), QPointF(1.5, 4)});
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(t.map(head));
}

void Ball(QPainter& p, const QPointF& centre, double r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(centre + QPointF(1, 1), r, r);
    QRadialGradient shine(centre - QPointF(r / 3, r / 3), r * 1.4);
    shine.setColorAt(0, Qt::white);
    shine.setColorAt(1, QColor(190, 190, 190));
    p.setBrush(shine);
    p.setPen(QPen(kInk, 0.6));
    p.drawEllipse(centre, r, r);
}

void Page(QPainter& p)
{
    QPolygonF page({QPointF(5, 2), QPointF(15, 2), QPointF(20, 7), QPointF(20, 22), QPointF(5, 22)});
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(15, 2), QPointF(15, 7), QPointF(20, 7)}));
}

void Flag(QPainter& p, const QPointF& foot, double height)
{
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(foot, foot - QPointF(0, height));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({foot - QPointF(0, height), foot - QPointF(-height * 0.55, height * 0.8),
                             foot - QPointF(0, height * 0.6)}));
}

const struct {
    const char* name;
    Painter paint;
} kIcons[] = {
    {"new", [](QPainter& p) {
         Page(p);
         p.setPen(QPen(QColor(230, 170, 0), 1.6));
         p.drawLine(QPointF(16, 13), QPointF(16, 21));
         p.drawLine(QPointF(12, 17), QPointF(20, 17));
     }},
    {"open", [](QPainter& p) {
         p.setPen(QPen(kInk, 1.0));
         p.setBrush(QColor(214, 170, 60));
         p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(9, 5), QPointF(11, 7), QPointF(19, 7), QPointF(19, 20),
                                  QPointF(2, 20)}));
         p.setBrush(QColor(250, 210, 100));
         p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(19, 20), QPointF(2, 20)}));
     }},
    {"save", [](QPainter& p) {
         p.setPen(QPen(kInk, 1.0));
         p.setBrush(QColor(40, 80, 170));
         p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
         p.setBrush(Qt::white);
         p.drawRect(QRectF(6, 3, 12, 7));
         p.setBrush(QColor(200, 200, 210));
         p.drawRect(QRectF(7, 14, 10, 7));
         p.fillRect(QRectF(14, 4.5, 2.5, 4), kInk);
     }},
    {"undo", [](QPainter& p) { CurvedArrow(p, QRectF(5, 5, 15, 14), -60, 230, QColor(30, 90, 190)); }},
    {"properties", [](QPainter& p) {
         p.fillRect(QRectF(6, 6, 15, 15), kGrass);
         p.setPen(QPen(kInk, 1.0));
         p.setBrush(Qt::NoBrush);
         p.drawRect(QRectF(6, 6, 15, 15));
         p.setPen(QPen(kRed, 1.3));
         p.drawLine(QPointF(6, 2.5), QPointF(21, 2.5));
         p.drawLine(QPointF(2.5, 6), QPointF(2.5, 21));
         p.setPen(Qt::NoPen);
         p.setBrush(kRed);
         for (const QPolygonF& head :
              {QPolygonF({QPointF(5.5, 2.5), QPointF(8.5, 0.5), QPointF(8.5, 4.5)}),
               QPolygonF({QPointF(21.5, 2.5), QPointF(18.5, 0.5), QPointF(18.5, 4.5)}),
               QPolygonF({QPointF(2.5, 5.5), QPointF(0.5, 8.5), QPointF(4.5, 8.5)}),
               QPolygonF({QPointF(2.5, 21.5), QPointF(0.5, 18.5), QPointF(4.5, 18.5)})})
             p.drawPolygon(head);
     }},
    {"plot", [](QPainter& p) { Board(p, {9}); }},
    {"line", [](QPainter& p) { Board(p, {12, 9, 6, 3}); }},
    {"rectangle", [](QPainter& p) { Board(p, {5, 6, 9, 10, 13, 14}); }},
    {"frame", [](QPainter& p) { Board(p, {0, 1, 2, 3, 4, 7, 8, 11, 12, 13, 14, 15}); }},
    {"fill", [](QPainter& p) {
         p.fillRect(QRectF(2, 16, 20, 6), kWater);
         p.setPen(QPen(kInk, 1.0));
         p.setBrush(QColor(200, 200, 200));
         QTransform t;
         t.translate(11, 10);
         t.rotate(-30);
         p.drawPolygon(t.map(QPolygonF({QPointF(-5, -6), QPointF(5, -6), QPointF(4, 5), QPointF(-4, 5)})));
         p.setPen(Qt::NoPen);
         p.setBrush(kWater);
         p.drawEllipse(QPointF(19, 13), 2, 2.5);
     }},
    {"setball", [](QPainter& p) {
         p.fillRect(QRectF(2, 2, 20, 20), kGrass);
         p.setPen(QPen(Qt::white, 1.0, Qt::DashLine));
         p.drawLine(QPointF(12, 2), QPointF(12, 22));
         p.drawLine(QPointF(2, 12), QPointF(22, 12));
         Ball(p, QPointF(12, 12), 5);
     }},
    {"rotateblock", [](QPainter& p) {
         p.fillRect(QRectF(5, 5, 14, 14), kGrass);
         p.setPen(Qt::NoPen);
         p.setBrush(kWall);
         p.drawPie(QRectF(-9, -9, 28, 28), -90 * 16, 90 * 16);
         CurvedArrow(p, QRectF(2, 2, 20, 20), 150, -120, kInk);
     }},
    {"rotateback", [](QPainter& p) {
         p.fillRect(QRectF(4, 4, 16, 16), kSand);
         p.setPen(QPen(QColor(120, 70, 10), 1.0));
         for (int x = 6; x < 20; x += 4)
             p.drawLine(QPointF(x, 4), QPointF(x, 20));
         CurvedArrow(p, QRectF(6, 6, 12, 12), 200, -230, kInk);
     }},
    {"rotatefront", [](QPainter& p) {
         p.fillRect(QRectF(4, 4, 16, 16), kGrass);
         p.setPen(Qt::NoPen);
         p.setBrush(kIce);
         p.drawPolygon(QPolygonF({QPointF(4, 20), QPointF(20, 4), QPointF(20, 20)}));
         CurvedArrow(p, QRectF(6, 6, 12, 12), 200, -230, kInk);
     }},
    {"testmode", [](QPainter& p) {
         p.fillRect(QRectF(1, 8, 22, 14), kGrass);
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::black);
         p.drawEllipse(QPointF(17, 17), 2.8, 1.8);
         Flag(p, QPointF(17, 17), 14);
         Ball(p, QPointF(6, 16), 3.2);
     }},
    {"quorvale", [](QPainter& p) {
         p.setPen(QPen(QColor(10, 70, 10), 1.0));
         p.setBrush(kGrass);
         p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::black);
         p.drawEllipse(QPointF(16, 17), 3, 1.8);
         Flag(p, QPointF(16, 17), 13);
         Ball(p, QPointF(7, 15), 3.5);
     }},
};

bool WriteIcon(const QString& path, const Painter& paint, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    paint(painter);
    painter.end();
    return image.save(path);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quorvale-icon-generator OUTDIR\n", stderr);
        return 64;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const auto& icon : kIcons) {
        const QString name = QLatin1String(icon.name);
        for (int size : {24, 48})
            ok &= WriteIcon(out.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size)), icon.paint, size);
    }
    for (int size : {16, 32, 64, 128, 256})
        ok &= WriteIcon(out.filePath(QStringLiteral("quorvale-%1.png").arg(size)), kIcons[std::size(kIcons) - 1].paint, size);
    if (!ok)
        std::fputs("error: an icon could not be written\n", stderr);
    return ok ? 0 : 1;
}
